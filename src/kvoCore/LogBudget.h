#pragma once

#include <QElapsedTimer>

namespace KvoCore {

// Lets at most `lines` log lines through per `windowMs`; the lines held back are counted so that the
// next line let through can say how many were left out. Not thread-safe: one per source.
class LogBudget {
public:
    explicit LogBudget(int lines = 20, int windowMs = 1000);

    // True when a line may be written now.
    bool take();
    // Lines held back since the last line let through (read once: it resets).
    int takeSkipped();

private:
    QElapsedTimer _window;
    int _lines;
    int _windowMs;
    int _used = 0;
    int _skipped = 0;
};

} // namespace KvoCore
