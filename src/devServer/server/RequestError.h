#pragma once

#include <QString>
#include <stdexcept>

namespace DevServer {

// A request refused for a reason the client may read as it is (no SQL, no stored values); any
// other exception of a handler reaches the client only as a reference number into the server log.
class RequestError : public std::runtime_error {
public:
    explicit RequestError(const QString& reason)
        : std::runtime_error(reason.toStdString()), _reason(reason) {}
    const QString& reason() const { return _reason; }

private:
    QString _reason;
};

} // namespace DevServer
