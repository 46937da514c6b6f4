#include "kvoCore/SettingsSimple.h"
#include "kvoCore/SpSingleton.h"
#include "kvoCore/clientNetwork/TlsFingerprint.h"
#include "server/AccessPolicy.h"
#include "server/Accounts.h"
#include "server/AppHandler.h"
#include "server/ArchivePlayback.h"
#include "server/AuthHandler.h"
#include "server/DatabaseSetup.h"
#include "server/DemoCamera.h"
#include "server/DesktopLayoutHandler.h"
#include "server/DeviceWatcher.h"
#include "server/ForwardingConfig.h"
#include "server/ForwardingManager.h"
#include "server/GroupModels.h"
#include "server/LiveForwarder.h"
#include "server/LiveStreams.h"
#include "server/MediaServer.h"
#include "server/ModuleSystemHandler.h"
#include "server/MotionManager.h"
#include "server/OnlineAccessHandler.h"
#include "server/RecordGroupHandler.h"
#include "server/RecordStore.h"
#include "server/RecordingManager.h"
#include "server/RequestHandler.h"
#include "server/SearchDevicesHandler.h"
#include "server/ServerBootstrap.h"
#include "server/ServerCertificate.h"
#include "server/ServerConfig.h"
#include "server/ServerLog.h"
#include "server/TelegramSettingsHandler.h"
#include "server/UserAccountsHandler.h"
#include "server/VideoActionsHandler.h"
#include "server/VideoConfig.h"
#include "server/VideoFolders.h"
#include "server/VlcEngine.h"
#include "server/YoutubeSettingsHandler.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QSslSocket>
#include <QtGlobal>
#include <cstdio>
#include <memory>

namespace {

// Connections that leave the machine are encrypted (server/tls); false when that cannot be done.
bool setUpTls(DevServer::MediaServer& server, const DevServer::ServerConfig& config) {
    using namespace DevServer;
    const bool anyAddress =
        QHostAddress(config.host) == QHostAddress::Any || QHostAddress(config.host) == QHostAddress::AnyIPv6;
    if (config.tls == QLatin1String("off") ||
        (!anyAddress && !KvoCore::TlsFingerprint::encrypts(config.tls, config.host))) {
        serverLog()->info("TLS off (server/tls '{}' on '{}')", config.tls.toStdString(),
                          config.host.toStdString());
        return true;
    }
    if (!QSslSocket::supportsSsl()) {
        serverLog()->critical("TLS is needed on '{}' (server/tls '{}'), but no TLS library can be loaded "
                              "(Qt was built with '{}')",
                              config.host.toStdString(), config.tls.toStdString(),
                              QSslSocket::sslLibraryBuildVersionString().toStdString());
        return false;
    }
    const QString folder = config.dbDir + QStringLiteral("/tls");
    QString error;
    auto certificate = ServerCertificate::loadOrCreate(folder, &error);
    if (!certificate) {
        serverLog()->critical("Cannot set up TLS: {}", error.toStdString());
        return false;
    }
    serverLog()->info("TLS {} ({}): certificate {} '{}', SHA-256 fingerprint {}",
                      config.tls == QLatin1String("on") ? "on" : "on for non-loopback connections",
                      QSslSocket::sslLibraryVersionString().toStdString(),
                      certificate->isNew() ? "made in" : "read from", folder.toStdString(),
                      certificate->fingerprint().toStdString());
    server.setTls(config.tls, std::make_shared<const ServerCertificate>(*certificate));
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    using namespace DevServer;
    try {
        const ServerConfig::Arguments arguments = ServerConfig::parseArguments(app.arguments());
        ServerBootstrap::init(arguments.settingsPath.isEmpty() ? ServerConfig::defaultSettingsPath()
                                                               : arguments.settingsPath,
                              arguments.logDir.isEmpty() ? ServerConfig::defaultLogDir() : arguments.logDir);
        auto* settings = SpSingleton<KvoCore::SettingsSimple>::instance();
        const ServerConfig config = ServerConfig::fromSettings(*settings, arguments);
        settings->sync();
        serverLog()->info("Folders: settings '{}', database '{}', video '{}'",
                          settings->fileName().toStdString(), config.dbDir.toStdString(),
                          config.baseVideoDir.toStdString());

        ClientSession::Limits limits;
        limits.loginTimeoutSec = config.loginTimeoutSec;
        limits.idleTimeoutSec = config.idleTimeoutSec;
        limits.maxPendingBytes = int(qBound<qint64>(1024, config.maxPendingBytes, 256LL * 1024 * 1024));
        limits.maxBadFrames = config.maxBadFrames;
        limits.maxGuestsPerAddress = qMax(1, config.maxGuestsPerAddress);
        limits.maxUnsentBytes = qMax<qint64>(64 * 1024, config.maxUnsentBytes);

        MediaServer server(limits);
        // Take the port first: a second copy started while this one is busy exits here, before it
        // touches the database. Clients that connect meanwhile wait until the event loop runs.
        QString error;
        if (!server.listen(config.host, config.port, &error)) {
            serverLog()->critical("Cannot listen on '{}:{}': {}", config.host.toStdString(), config.port,
                                  error.toStdString());
            return 1;
        }
        if (!setUpTls(server, config)) {
            return 1;
        }

        auto db = DatabaseSetup::open(config.dbDir);
        RecordStore store(db.data());
        Accounts accounts(db.data());
        accounts.prepare();
        AccessPolicy access(store, accounts);
        VideoFolders::add(config.baseVideoDir);
        server.setAccess(&access, &accounts);
        if (!server.keepToLoopbackWhile(accounts.administratorsWithoutPassword(), &error)) {
            serverLog()->critical("Cannot listen on loopback: {}", error.toStdString());
            return 1;
        }

        const VideoConfig video = VideoConfig::fromSettings(*settings);
        settings->sync();
        DemoCamera::addIfEmpty(store, video.demoClip);
        VlcEngine vlc;
        LiveStreams live(vlc);
        QObject::connect(&server, &MediaServer::sessionEnded, &live, &LiveStreams::stopSession);
        QObject::connect(&live, &LiveStreams::bitRates, &server,
                         [&server](quint64 session, const QJsonArray& entries) {
                             server.sendTo(session, {RequestHandler::notice(QStringLiteral("device"),
                                                                            QStringLiteral("srStreamStats"),
                                                                            {{"entries", entries}})});
                         });
        DeviceWatcher devices(store, video.devicePollMs);
        QObject::connect(&devices, &DeviceWatcher::deviceDown, &live, &LiveStreams::stopDevice);
        QObject::connect(&devices, &DeviceWatcher::deviceChanged, &live, [&live](const QJsonObject& device) {
            live.restartDevice(device.value("id").toVariant().toLongLong(), device);
        });
        RecordingManager recordings(
            store, vlc, config.baseVideoDir, video.clipSeconds,
            [&server](const QList<KvoCore::DTO>& records) { server.broadcast(records); });
        if (video.record) {
            QObject::connect(&devices, &DeviceWatcher::deviceUp, &recordings, &RecordingManager::deviceUp);
            QObject::connect(&devices, &DeviceWatcher::deviceDown, &recordings,
                             &RecordingManager::deviceDown);
            QObject::connect(&devices, &DeviceWatcher::deviceChanged, &recordings,
                             &RecordingManager::deviceChanged);
        }
        MotionManager* motionsOfModules = nullptr; // set below; modules tell it of new parameters
        auto modules = std::make_unique<ModuleSystemHandler>(
            store, [&motionsOfModules](qint64 deviceId, const QString& pluginName) {
                if (motionsOfModules && pluginName == QLatin1String(ModuleSystemHandler::motionModule)) {
                    motionsOfModules->settingsChanged(deviceId);
                }
            });
        ModuleSystemHandler* moduleSettings = modules.get(); // owned by the server, which outlives motions
        MotionManager motions(
            vlc, recordings, config.baseVideoDir, video.eventSeconds,
            [&server](const QList<KvoCore::DTO>& records) { server.broadcast(records); },
            [moduleSettings](qint64 deviceId) {
                return moduleSettings->values(deviceId, QLatin1String(ModuleSystemHandler::motionModule));
            });
        motionsOfModules = &motions;
        QObject::connect(&devices, &DeviceWatcher::deviceUp, &motions, &MotionManager::deviceUp);
        QObject::connect(&devices, &DeviceWatcher::deviceDown, &motions, &MotionManager::deviceDown);
        QObject::connect(&devices, &DeviceWatcher::deviceChanged, &motions, &MotionManager::deviceChanged);
        const ForwardingConfig forwardingConfig = ForwardingConfig::fromSettings(*settings);
        settings->sync();
        ForwardingManager forwarding(store, forwardingConfig, [&server](const QList<KvoCore::DTO>& records) {
            server.broadcast(records);
        });
        QObject::connect(&recordings, &RecordingManager::clipStored, &forwarding,
                         &ForwardingManager::onClipStored);
        LiveForwarder liveForwarder(store, forwardingConfig, [&server](const QList<KvoCore::DTO>& records) {
            server.broadcast(records);
        });
        AuthHandler::Options authOptions;
        authOptions.allowSignup = config.allowSignup;
        server.addHandler(std::make_unique<AuthHandler>(store, accounts, authOptions));
        // Before the device records: it takes the streaming actions of the "device" group.
        const auto sendLater = [&server](quint64 session, const KvoCore::DTO& record) {
            server.sendTo(session, {record});
        };
        ArchivePlayback archive(store, vlc, sendLater);
        QObject::connect(&server, &MediaServer::sessionEnded, &archive, &ArchivePlayback::stopSession);
        server.addHandler(std::make_unique<VideoActionsHandler>(
            store, vlc, live, [&archive](const Request& request) { return archive.handle(request); },
            sendLater,
            [&recordings, &motions, &video](const QJsonObject& device) {
                if (video.record) {
                    recordings.deviceChanged(device);
                }
                motions.deviceChanged(device);
            }));
        server.addHandler(std::move(modules));
        server.addHandler(std::make_unique<SearchDevicesHandler>(store, config.searchCameras));
        server.addHandler(
            std::make_unique<TelegramSettingsHandler>(store, config.telegramAcceptedCode, forwardingConfig));
        server.addHandler(std::make_unique<UserAccountsHandler>(store));
        server.addHandler(std::make_unique<YoutubeSettingsHandler>(
            store, [&liveForwarder](const QJsonObject& record) { liveForwarder.apply(record); }));
        server.addHandler(std::make_unique<OnlineAccessHandler>(store));
        server.addHandler(std::make_unique<DesktopLayoutHandler>(store));
        QStringList plainGroups = GroupModels::groups();
        for (const char* group :
             {"searchDevices", "telegramSettings", "users", "onlineAccessSettings", "youtubeSettings"}) {
            plainGroups.removeAll(QLatin1String(group));
        }
        plainGroups.removeAll(DesktopLayoutHandler::group());
        server.addHandler(std::make_unique<RecordGroupHandler>(store, plainGroups));
        server.addHandler(std::make_unique<AppHandler>(config.baseVideoDir, [&](const QString& path) {
            settings->setValue(QStringLiteral("video/baseDir"), path);
            settings->sync();
            VideoFolders::add(path);
            recordings.setVideoDir(path);
            motions.setVideoDir(path);
        }));
        QObject::connect(&server, &MediaServer::shutdownRequested, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);

        // Whoever started the server (tests with port 0) learns the port from this line.
        devices.start();
        liveForwarder.applyAll();
        std::printf("LISTENING %s %u\n", qPrintable(server.address()), unsigned(server.port()));
        std::fflush(stdout);

        const int code = app.exec();
        // Close the open clips while the database and the clients are still there.
        recordings.stopAll();
        liveForwarder.stopAll();
        serverLog()->info("Server stopped");
        serverLog()->flush();
        return code;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Failed to start vorozizevodidureruziz. %s\n", e.what());
        return 1;
    }
}
