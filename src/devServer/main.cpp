#include "kvoCore/SettingsSimple.h"
#include "kvoCore/SpSingleton.h"
#include "server/AppHandler.h"
#include "server/ArchivePlayback.h"
#include "server/AuthHandler.h"
#include "server/DatabaseSetup.h"
#include "server/DemoCamera.h"
#include "server/DesktopLayoutHandler.h"
#include "server/DeviceWatcher.h"
#include "server/GroupModels.h"
#include "server/LiveStreams.h"
#include "server/MediaServer.h"
#include "server/ModuleSystemHandler.h"
#include "server/MotionManager.h"
#include "server/RecordGroupHandler.h"
#include "server/RecordStore.h"
#include "server/RecordingManager.h"
#include "server/SearchDevicesHandler.h"
#include "server/ServerBootstrap.h"
#include "server/ServerConfig.h"
#include "server/ServerLog.h"
#include "server/TelegramSettingsHandler.h"
#include "server/VideoActionsHandler.h"
#include "server/VideoConfig.h"
#include "server/VlcEngine.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <cstdio>

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

        ClientSession::Limits limits;
        limits.loginTimeoutSec = config.loginTimeoutSec;
        limits.idleTimeoutSec = config.idleTimeoutSec;
        limits.maxPendingBytes = int(qBound<qint64>(1024, config.maxPendingBytes, 256LL * 1024 * 1024));
        limits.maxBadFrames = config.maxBadFrames;

        MediaServer server(limits);
        // Take the port first: a second copy started while this one is busy exits here, before it
        // touches the database. Clients that connect meanwhile wait until the event loop runs.
        QString error;
        if (!server.listen(config.host, config.port, &error)) {
            serverLog()->critical("Cannot listen on '{}:{}': {}", config.host.toStdString(), config.port,
                                  error.toStdString());
            return 1;
        }

        auto db = DatabaseSetup::open(config.dbDir);
        RecordStore store(db.data());

        const VideoConfig video = VideoConfig::fromSettings(*settings);
        settings->sync();
        DemoCamera::addIfEmpty(store, video.demoClip);
        VlcEngine vlc;
        LiveStreams live(vlc);
        QObject::connect(&server, &MediaServer::sessionEnded, &live, &LiveStreams::stopSession);
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
        MotionManager motions(vlc, recordings, config.baseVideoDir, video.eventSeconds,
                              [&server](const QList<KvoCore::DTO>& records) { server.broadcast(records); });
        QObject::connect(&devices, &DeviceWatcher::deviceUp, &motions, &MotionManager::deviceUp);
        QObject::connect(&devices, &DeviceWatcher::deviceDown, &motions, &MotionManager::deviceDown);
        QObject::connect(&devices, &DeviceWatcher::deviceChanged, &motions, &MotionManager::deviceChanged);
        server.addHandler(std::make_unique<AuthHandler>(store));
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
        server.addHandler(std::make_unique<ModuleSystemHandler>(store));
        server.addHandler(std::make_unique<SearchDevicesHandler>(store, config.searchCameras));
        server.addHandler(std::make_unique<TelegramSettingsHandler>(store, config.telegramAcceptedCode));
        server.addHandler(std::make_unique<DesktopLayoutHandler>(store));
        QStringList plainGroups = GroupModels::groups();
        plainGroups.removeAll(DesktopLayoutHandler::group());
        plainGroups.removeAll(QStringLiteral("searchDevices"));
        plainGroups.removeAll(QStringLiteral("telegramSettings"));
        server.addHandler(std::make_unique<RecordGroupHandler>(store, plainGroups));
        server.addHandler(std::make_unique<AppHandler>(config.baseVideoDir, [settings](const QString& path) {
            settings->setValue(QStringLiteral("video/baseDir"), path);
            settings->sync();
        }));
        QObject::connect(&server, &MediaServer::shutdownRequested, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);

        // Whoever started the server (tests with port 0) learns the port from this line.
        devices.start();
        std::printf("LISTENING %s %u\n", qPrintable(config.host), unsigned(server.port()));
        std::fflush(stdout);

        const int code = app.exec();
        // Close the open clips while the database and the clients are still there.
        recordings.stopAll();
        serverLog()->info("Server stopped");
        serverLog()->flush();
        return code;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Failed to start vorozizevodidureruziz. %s\n", e.what());
        return 1;
    }
}
