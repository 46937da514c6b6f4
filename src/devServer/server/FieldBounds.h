#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

namespace DevServer {

// How long a value of a request may be, by what the field is for: names and short codes, addresses
// and paths, notes, secrets; anything else and structured values (conditions, parameter lists) get
// a general bound. A request over a bound is refused before it is stored or served to anybody.
class FieldBounds {
public:
    static constexpr int nameChars = 256;
    static constexpr int addressChars = 2048;
    static constexpr int noteChars = 8192;
    static constexpr int otherChars = 65536;
    static constexpr int structuredBytes = 256 * 1024;

    // The longest text allowed for this key.
    static int maxChars(const QString& key);
    // Empty when every value fits; otherwise the reason naming the first field that does not.
    static std::optional<QString> check(const QJsonObject& request);
};

} // namespace DevServer
