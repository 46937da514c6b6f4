#include "LogText.h"

#include <cstdio>

namespace KvoCore {

namespace {

void appendEscaped(std::string& out, unsigned char c) {
    switch (c) {
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        break;
    }
    if (c < 0x20 || c == 0x7f) {
        char code[8];
        std::snprintf(code, sizeof(code), "\\x%02x", c);
        out += code;
        return;
    }
    out += char(c);
}

std::string escaped(const QByteArray& bytes, int limit, qint64 wholeSize, const char* unit) {
    std::string out;
    const int n = std::min<int>(bytes.size(), limit);
    out.reserve(size_t(n) + 32);
    for (int i = 0; i < n; ++i) {
        appendEscaped(out, static_cast<unsigned char>(bytes[i]));
    }
    if (wholeSize > limit) {
        out += "... (" + std::to_string(wholeSize) + " " + unit + ")";
    }
    return out;
}

} // namespace

std::string LogText::value(const QString& text, int maxChars) {
    // Unicode line and paragraph separators end lines in some viewers too.
    QString cut = text.left(maxChars);
    cut.replace(QChar(0x2028), QStringLiteral("\\u2028")).replace(QChar(0x2029), QStringLiteral("\\u2029"));
    const QByteArray utf8 = cut.toUtf8();
    return escaped(utf8, utf8.size(), text.size() > maxChars ? text.size() : 0, "characters");
}

std::string LogText::frame(const QByteArray& bytes, int maxBytes) {
    return escaped(bytes, maxBytes, bytes.size(), "bytes");
}

} // namespace KvoCore
