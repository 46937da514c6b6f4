#pragma once

#include "kvoCore/BootstrapBase.h"

#include <QString>

namespace DevServer {

// Settings file and "main" log of the server, like the client's start-up does for its own.
class ServerBootstrap : public KvoCore::BootstrapBase {
public:
    static void init(const QString& settingsPath, const QString& logDir);
};

} // namespace DevServer
