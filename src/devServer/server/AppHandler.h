#pragma once

#include "RequestHandler.h"

#include <functional>

namespace DevServer {

// "app": the folder the server records video into, and shutting the server down.
class AppHandler : public RequestHandler {
public:
    // `persist` stores a newly set video folder (in the settings file); may be empty.
    AppHandler(const QString& baseVideoDir, std::function<void(const QString&)> persist);

    bool accepts(const Request& request) const override;
    Outcome handle(const Request& request) override;

    QString baseVideoDir() const { return _baseVideoDir; }
    // Creates the folder when missing and checks that files can be written there; returns the
    // absolute path, or an empty text with `error` set.
    static QString prepareFolder(const QString& path, QString* error);

private:
    QString _baseVideoDir;
    std::function<void(const QString&)> _persist;
};

} // namespace DevServer
