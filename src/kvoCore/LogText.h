#pragma once

#include <QByteArray>
#include <QString>
#include <string>

namespace KvoCore {

// Values written into log lines: control characters escaped (a value cannot start a line of its
// own), long values cut with their size noted.
class LogText {
public:
    static constexpr int kMaxValueChars = 256;
    static constexpr int kMaxFrameBytes = 4096;

    // A name, address or other short value.
    static std::string value(const QString& text, int maxChars = kMaxValueChars);
    // A received or sent frame (already masked): escaped and cut to `maxBytes`.
    static std::string frame(const QByteArray& bytes, int maxBytes = kMaxFrameBytes);
};

} // namespace KvoCore
