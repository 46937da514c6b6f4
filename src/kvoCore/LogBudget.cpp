#include "LogBudget.h"

namespace KvoCore {

LogBudget::LogBudget(int lines, int windowMs) : _lines(lines), _windowMs(windowMs) {
    _window.start();
}

bool LogBudget::take() {
    if (_window.elapsed() >= _windowMs) {
        _window.restart();
        _used = 0;
    }
    if (_used < _lines) {
        ++_used;
        return true;
    }
    ++_skipped;
    return false;
}

int LogBudget::takeSkipped() {
    const int skipped = _skipped;
    _skipped = 0;
    return skipped;
}

} // namespace KvoCore
