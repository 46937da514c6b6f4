#pragma once

#include <QJsonArray>
#include <QString>
#include <QStringList>

namespace KvoCore {
class SettingsSimple;
}

namespace DevServer {

// Everything the server reads at start: its INI settings, overridden by the command line.
class ServerConfig {
public:
    // Command-line values; empty / -1 when not given.
    struct Arguments {
        QString settingsPath;
        QString host;
        int port = -1;
        QString dbDir;
        QString logDir;
    };

    // Throws std::runtime_error with a usage text on a bad command line.
    static Arguments parseArguments(const QStringList& arguments);
    static QString defaultSettingsPath();
    static QString defaultLogDir();

    // Writes the defaults of missing keys into `settings`, then reads them.
    static ServerConfig fromSettings(KvoCore::SettingsSimple& settings, const Arguments& arguments);

    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 59351;
    QString dbDir;
    QString baseVideoDir;
    int loginTimeoutSec = 30;
    int idleTimeoutSec = 3600;
    qint64 maxPendingBytes = 16 * 1024 * 1024;
    int maxBadFrames = 50;
    int maxGuestsPerAddress = 16;
    qint64 maxUnsentBytes = 16LL * 1024 * 1024;
    // "auto": TLS on connections that do not arrive at a loopback address; "on"; "off".
    QString tls = QStringLiteral("auto");
    bool allowSignup = false; // anyone may make an (operator) account with "trSignup"
    QString telegramAcceptedCode = QStringLiteral("12345");
    // Cameras that a network search "finds": objects with "deviceName", "source", "typeCode".
    QJsonArray searchCameras;
};

} // namespace DevServer
