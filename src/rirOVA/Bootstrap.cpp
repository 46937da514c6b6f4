#include "Bootstrap.h"

#include "kvoClientController/controller/AuthControllerBase.h"
#include "kvoClientController/controller/OriginalModel.h"
#include "kvoClientController/controller/ProxyModel.h"
#include "kvoClientController/network/ClientNetworkSimple.h"
#include "kvoClientController/network/SharedLink.h"
#include "kvoCore/AppFolders.h"
#include "kvoCore/Location.h"
#include "kvoCore/SettingsSimple.h"
#include "kvoCore/SpSingleton.h"
#include "kvoCore/Utils.h"
#include "kvoCore/clientNetwork/KvoThreadBase.h"
#include "qmlVlc/QmlVlcConfig.h"
#include "qmlVlc/QmlVlcRenderPath.h"
#include "qmlVlc/QmlVlcTypes.h"
#include "qmlVlc/vlc/stream_description.h"
#include "rirOVA/client/controllers/AppController.h"
#include "rirOVA/client/controllers/ArchiveController.h"
#include "rirOVA/client/controllers/ArchiveLocalPlayerController.h"
#include "rirOVA/client/controllers/ArchivePlayerController.h"
#include "rirOVA/client/controllers/ArchiveSyncController.h"
#include "rirOVA/client/controllers/DesktopLayoutController.h"
#include "rirOVA/client/controllers/DeviceController.h"
#include "rirOVA/client/controllers/DevicePasswordController.h"
#include "rirOVA/client/controllers/DeviceRecStateController.h"
#include "rirOVA/client/controllers/DeviceTypeController.h"
#include "rirOVA/client/controllers/ModuleSystemController.h"
#include "rirOVA/client/controllers/OnlineAccessSettingsController.h"
#include "rirOVA/client/controllers/PrivateYoutubeTypeController.h"
#include "rirOVA/client/controllers/SearchDevicesController.h"
#include "rirOVA/client/controllers/TelegramSettingsController.h"
#include "rirOVA/client/controllers/UserController.h"
#include "rirOVA/client/controllers/VideoLineListController.h"
#include "rirOVA/client/controllers/YoutubeSettingsController.h"
#include "rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.h"
#include "rirOVA/client/controllers/cloud/youtube/YoutubeApiController.h"
#include "rirOVA/client/network/ClientNetworkQMLProxy.h"
#include "rirOVA/client/network/HandleRecievedMessages.h"
#include "rirOVA/client/network/KvoClientNetworkSimple.h"
#include "rirOVA/desktop/DesktopUtils.h"
#include "rirOVA/desktop/EventFilter.h"
#include "rirOVA/desktop/ScreenStateStore.h"
#include "rirOVA/p2pclient/network/ClientNetworkQMLProxy.h"
#include "rirOVA/p2pclient/network/HandleRecievedMessages.h"
#include "rirOVA/p2pclient/network/KvoClientNetworkSimple.h"
#include "rirOVA/startup/ServerLauncher.h"
#include "rirOVA/translator/Translator.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTcpSocket>
#include <QTimer>
#include <QtGlobal>
#include <cstdlib>
#include <memory>
#include <spdlog/spdlog.h>
#include <stdexcept>

namespace DodEzoviviZudorOzerir {

namespace {

std::shared_ptr<spdlog::logger> mainLog() {
    auto logger = spdlog::get("main");
    return logger ? logger : spdlog::default_logger();
}

KvoCore::SettingsSimple* settings() {
    return SpSingleton<KvoCore::SettingsSimple>::instance();
}

// More buffering than this is no longer "live".
constexpr int maxLiveLatencyMs = 10000;

QString& renderPathSwitch() {
    static QString value;
    return value;
}

} // namespace

std::vector<std::pair<QString, QVariant>> Bootstrap::settingDefaults() {
    // clang-format off
    return {
        {"log/logging", false},
        {"log/logtype", "full"},
        {"server/ip", "127.0.0.1"},
        {"server/port", 59351},
        {"server/user", "admin"},
        {"server/pwd", KvoCore::Utils::getPwdHash(QString())},
        {"p2pServer/enabled", false},
        {"p2pServer/ip", "::1"},
        {"p2pServer/port", 59360},
        {"p2pServer/user", ""},
        {"p2pServer/pwd", ""},
        {"p2pServer/remoteUser", ""},
        {"generalSettings/lang", "eng"},
    };
    // clang-format on
}

void Bootstrap::init(QQmlApplicationEngine& engine, QGuiApplication& app,
                     const CommandLine::Options& options) {
    try {
        runSteps(engine, app, options);
    } catch (const std::exception& e) {
        qCritical().noquote() << "Failed to Bootstrap::init(). " + QString::fromUtf8(e.what());
        // End a link thread started before the failure while Qt is still whole.
        KvoCore::KvoThreadBase::stopAll();
        std::exit(1);
    } catch (...) {
        qCritical() << "Undefined exception occurred in " << __FILE__ << "::"
                    << "DodEzoviviZudorOzerir::Bootstrap::init"
                    << " line" << __LINE__;
        KvoCore::KvoThreadBase::stopAll();
        std::exit(1);
    }
}

void Bootstrap::initApplication(QGuiApplication& app) {
    // 1. meta-types
    BootstrapBase::init(QStringLiteral("Bootstrapping DodEzoviviZudorOzerir ..."));
    // 2. fonts
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/Roboto/Roboto-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/Roboto/Roboto-Medium.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/Roboto/Roboto-Bold.ttf"));
    QGuiApplication::setFont(QFont(QStringLiteral("Roboto"), 12, QFont::Normal, false));
    // 3. every input event of the application reaches EVENT_FILTER
    app.installEventFilter(SpSingleton<ClientBase::EventFilter>::instance());
}

void Bootstrap::runSteps(QQmlApplicationEngine& engine, QGuiApplication& app,
                         const CommandLine::Options& options) {
    // 1.-3. meta-types, fonts, input events
    initApplication(app);
    // The tree beside the program when the user can write it, the user's XDG folders otherwise.
    const QString programDir = QCoreApplication::applicationDirPath();
    const KvoCore::AppFolders folders = KvoCore::AppFolders::forClient(
        KvoCore::AppFolders::chooseLayout(programDir), programDir, QDir::currentPath());
    KvoCore::AppFolders::setCurrent(folders);
    // On the console even when the log is switched off.
    spdlog::info("Okulon {}; folders: {}", CommandLine::version().toStdString(),
                 folders.describe().toStdString());
    // 4.-5. settings with defaults for missing keys, then the values of the command line on top
    if (options.configFile.isEmpty()) {
        initSettings(folders.configDir);
    } else {
        initSettingsFile(options.configFile);
    }
    CommandLine::applyOverrides(options, *settings());
    // 6. the "main" log
    initMainLog(folders.logDir);
    mainLog()->info("Okulon {}; folders: {}; settings file '{}'", CommandLine::version().toStdString(),
                    folders.describe().toStdString(), settings()->fileName().toStdString());
    // 7.-10. video back end, QML types, the server link
    initVlc();
    initQmlTypes();
    initClientNetwork();
    initClientNetworkP2P();
    // 11. make sure the media server runs: a server started now gets ready while the screens load
    const bool serverStarted = initServer(!options.noServer);
    // 12. QML engine
    initQmlEngine(engine);
    // The screens log in when the link connects, so the link is hurried only once they exist.
    if (serverStarted && !settings()->value(QStringLiteral("p2pServer/enabled")).toBool()) {
        connectWhenListening(settings()->value(QStringLiteral("server/ip")).toString(),
                             static_cast<quint16>(settings()->value(QStringLiteral("server/port")).toUInt()));
    }
}

void Bootstrap::initSettings(const QString& directory) {
    initSetting(directory, QStringLiteral("dodEzoviviZudorOzerir.conf"));
    settings()->initSettingParams(settingDefaults());
}

QCommandLineOption Bootstrap::renderPathOption() {
    return QCommandLineOption(QStringLiteral("render-path"),
                              QStringLiteral("How video is drawn: software, opengl or auto."),
                              QStringLiteral("path"));
}

void Bootstrap::setRenderPathSwitch(const QString& value) {
    renderPathSwitch() = value;
}

void Bootstrap::initRenderPath() {
    QString forced = renderPathSwitch();
    if (forced.isEmpty()) {
        forced = qEnvironmentVariable("OKULON_RENDER_PATH");
    }
    if (forced.isEmpty()) {
        forced = settings()->value(QStringLiteral("video/renderPath"), QStringLiteral("auto")).toString();
    }
    QString reason;
    const QmlVlcRenderPath::Path path = QmlVlcRenderPath::choose(forced, &reason);
    QmlVlcRenderPath::apply(path);
    mainLog()->info("Video render path: {} ({})", QmlVlcRenderPath::name(path).toStdString(),
                    reason.toStdString());
}

void Bootstrap::initSettingsFile(const QString& file) {
    const QFileInfo info(file);
    initSetting(info.absolutePath(), info.fileName());
    settings()->initSettingParams(settingDefaults());
}

void Bootstrap::initVlc() {
    auto log = mainLog();
    log->info("About to init VLC");
    initRenderPath();
    QmlVlcTypes::registerTypes();
    QmlVlcConfig& config = QmlVlcConfig::instance();
    config.setMarqueeFilterEnabled(false);
    config.setAdjustFilterEnabled(false);
    config.setLogoFilterEnabled(false);
    config.setDebugLogEnabled(false);
    config.setNetworkCachingMs(250);
    config.setHardwareDecodingEnabled(true);
    // libvlc's own RTP access opens a camera's stream in about half the time of the avformat
    // demuxer; "video/rtpAccess" = false goes back to avformat.
    vlc::stream_description::set_rtp_access_enabled(
        settings()->value(QStringLiteral("video/rtpAccess"), true).toBool());
    // A whole number from the settings within its range; anything else is warned about and left out.
    const auto bounded = [&](const QString& key, int fallback, int min, int max, const char* unit) {
        bool valid = false;
        const int value = settings()->value(key, fallback).toInt(&valid);
        if (valid && value >= min && value <= max) {
            return value;
        }
        log->warn("{} must be {} to {}{}; using {}{}", key.toStdString(), min, max, unit, fallback, unit);
        return fallback;
    };
    config.setLiveLatencyMs(bounded(QStringLiteral("video/liveLatencyMs"), QmlVlcConfig::defaultLiveLatencyMs,
                                    QmlVlcConfig::minLiveLatencyMs, maxLiveLatencyMs, " ms"));
    // Decoding runs below the window, so that many tiles drop pictures instead of clicks.
    config.setDecoderNice(bounded(QStringLiteral("video/decoderNice"), QmlVlcConfig::defaultDecoderNice, 0,
                                  QmlVlcConfig::maxDecoderNice, ""));
    log->info("VLC inited successfuly");
}

void Bootstrap::initQmlTypes() {
    auto log = mainLog();
    log->info("About to init qml types");
    using namespace ClientController;
    const char* uri = "KVO";
    qmlRegisterType<OriginalModel>(uri, 1, 0, "OriginalModel");
    qmlRegisterType<ProxyModel>(uri, 1, 0, "ProxyModel");
    qmlRegisterType<AuthControllerBase>(uri, 1, 0, "AuthControllerBase");
    qmlRegisterType<AppController>(uri, 1, 0, "AppController");
    qmlRegisterType<DeviceController>(uri, 1, 0, "DeviceController");
    qmlRegisterType<UserController>(uri, 1, 0, "UserController");
    qmlRegisterType<ArchiveController>(uri, 1, 0, "ArchiveController");
    qmlRegisterType<DeviceTypeController>(uri, 1, 0, "DeviceTypeController");
    qmlRegisterType<ArchivePlayerController>(uri, 1, 0, "ArchivePlayerController");
    qmlRegisterType<ArchiveLocalPlayerController>(uri, 1, 0, "ArchiveLocalPlayerController");
    qmlRegisterType<ArchiveSyncController>(uri, 1, 0, "ArchiveSyncController");
    qmlRegisterType<VideoLineListController>(uri, 1, 0, "VideoLineListController");
    qmlRegisterType<SearchDevicesController>(uri, 1, 0, "SearchDevicesController");
    qmlRegisterType<YoutubeSettingsController>(uri, 1, 0, "YoutubeSettingsController");
    qmlRegisterType<PrivateYoutubeTypeController>(uri, 1, 0, "PrivateYoutubeTypeController");
    qmlRegisterType<OnlineAccessSettingsController>(uri, 1, 0, "OnlineAccessSettingsController");
    qmlRegisterType<YoutubeApiController>(uri, 1, 0, "YoutubeApiController");
    qmlRegisterType<DevicePasswordController>(uri, 1, 0, "DevicePasswordController");
    qmlRegisterType<TelegramSettingsController>(uri, 1, 0, "TelegramSettingsController");
    qmlRegisterType<DeviceRecStateController>(uri, 1, 0, "DeviceRecStateController");
    qmlRegisterType<ModuleSystemController>(uri, 1, 0, "ModuleSystemController");
    qmlRegisterType<DesktopLayoutController>(uri, 1, 0, "DesktopLayoutController");
    qmlRegisterType<ClientBase::ScreenStateStore>(uri, 1, 0, "ScreenStateStore");
    // The loopback end of the YouTube sign-in.
    qmlRegisterType<OAuthLoopbackReceiver>(uri, 1, 0, "OAuthLoopbackReceiver");

    // After the KVO types: the player state enum for the tile screens.
    QmlVlcTypes::registerPlayerState();
    log->info("Qml types inited successfuly");
}

void Bootstrap::initClientNetwork() {
    if (settings()->value(QStringLiteral("p2pServer/enabled")).toBool()) {
        return;
    }
    auto log = mainLog();
    log->info("About to init KVO client network");
    auto* link = SpSingleton<KvoClientNetworkSimple>::instance();
    link->setHandleReceivedMessages(std::make_shared<HandleRecievedMessages>());
    const SharedPointerEx<ClientBase::ClientNetworkSimple> shared(
        SpSingleton<KvoClientNetworkSimple>::sharedInstance());
    ClientBase::SharedLink::set(shared);
    link->setParam(QStringLiteral("use_ping"), true);
    link->start(QThread::NormalPriority);
    SpSingleton<ClientNetworkQMLProxy>::instance(shared);
    log->info("Kvo Client network inited successfuly");
}

void Bootstrap::initClientNetworkP2P() {
    if (!settings()->value(QStringLiteral("p2pServer/enabled")).toBool()) {
        return;
    }
    using P2PLink = DodEzoviviZudorOzerirP2P::KvoClientNetworkSimple;
    auto log = mainLog();
    log->info("About to init KVO client P2P network");
    auto* link = SpSingleton<P2PLink>::instance();
    link->setIsP2P(true);
    link->setRemoteUser(settings()->value(QStringLiteral("p2pServer/remoteUser")));
    link->setHandleReceivedMessages(std::make_shared<DodEzoviviZudorOzerirP2P::HandleRecievedMessages>());
    const SharedPointerEx<ClientBase::ClientNetworkSimple> shared(SpSingleton<P2PLink>::sharedInstance());
    ClientBase::SharedLink::set(shared);
    link->setParam(QStringLiteral("use_ping"), true);
    link->start(QThread::NormalPriority);
    SpSingleton<DodEzoviviZudorOzerirP2P::ClientNetworkQMLProxy>::instance(shared);
    log->info("Kvo Client P2P network inited successfuly");
}

void Bootstrap::initContextProperties(QQmlEngine& engine) {
    QQmlContext* context = engine.rootContext();
    context->setContextProperty(QStringLiteral("TR"), SpSingleton<Translator>::instance(&engine));
    if (settings()->value(QStringLiteral("p2pServer/enabled")).toBool()) {
        context->setContextProperty(QStringLiteral("NET"),
                                    SpSingleton<DodEzoviviZudorOzerirP2P::ClientNetworkQMLProxy>::instance());
    } else {
        context->setContextProperty(QStringLiteral("NET"), SpSingleton<ClientNetworkQMLProxy>::instance());
    }
    context->setContextProperty(QStringLiteral("SETTINGS"), settings());
    context->setContextProperty(QStringLiteral("EVENT_FILTER"),
                                SpSingleton<ClientBase::EventFilter>::instance());
    context->setContextProperty(QStringLiteral("WORK_DIR"), QDir::currentPath());
    context->setContextProperty(QStringLiteral("DESKTOP_UTILS"),
                                SpSingleton<ClientBase::DesktopUtils>::instance());
    // Whether a server answered or could be started; known only after the last step.
    context->setContextProperty(QStringLiteral("SERVER_LAUNCHER"), SpSingleton<ServerLauncher>::instance());
}

void Bootstrap::initQmlEngine(QQmlApplicationEngine& engine) {
    auto log = mainLog();
    log->info("About to init Qml engine");
    initContextProperties(engine);
    engine.load(QUrl(QStringLiteral("qrc:/qml/main/Main.qml")));
    if (engine.rootObjects().isEmpty()) {
        throw std::runtime_error(QStringLiteral("%1. Failed to load Main.qml")
                                     .arg(KVO_LOCATION("DodEzoviviZudorOzerir::Bootstrap::initQmlEngine"))
                                     .toStdString());
    }
    log->info("Kvo Qml engine inited successfuly");
}

namespace {

// How often and how long a started server's port is tried.
constexpr int kListenPollMs = 50;
constexpr qint64 kListenWaitMs = 20000;

} // namespace

// The link retries only every few seconds; a server started by the client usually listens within a
// second, so its port is tried often (without blocking the GUI thread) and the link is told to
// connect as soon as it answers.
void Bootstrap::connectWhenListening(const QString& host, quint16 port) {
    auto* poll = new QTimer(QCoreApplication::instance());
    auto* probe = new QTcpSocket(poll);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    poll->setInterval(kListenPollMs);
    QObject::connect(probe, &QTcpSocket::connected, poll, [poll, probe, started]() {
        probe->abort();
        poll->stop();
        const SharedPointerEx<ClientBase::ClientNetworkSimple> link = ClientBase::SharedLink::get();
        mainLog()->info("Server listens after {} ms", started->elapsed());
        if (!link.isNull() && !link->isConnected()) {
            Q_EMIT link->makeConnection();
        }
        poll->deleteLater();
    });
    QObject::connect(poll, &QTimer::timeout, poll, [poll, probe, started, host, port]() {
        if (started->elapsed() > kListenWaitMs) {
            mainLog()->warn("The started server does not listen on {}:{}; the link keeps trying",
                            host.toStdString(), port);
            poll->stop();
            poll->deleteLater();
            return;
        }
        // A refused attempt leaves the probe unconnected; one under way is let finish.
        if (probe->state() == QAbstractSocket::UnconnectedState) {
            probe->connectToHost(host, port);
        }
    });
    poll->start();
}

bool Bootstrap::initServer(bool startAllowed) {
    auto log = mainLog();
    log->info("About to init server");
    auto* launcher = SpSingleton<ServerLauncher>::instance();
    launcher->setSettingsFile(settings()->fileName());
    const bool started = launcher->ensureServer(
        settings()->value(QStringLiteral("server/ip")).toString(),
        static_cast<quint16>(settings()->value(QStringLiteral("server/port")).toUInt()), startAllowed,
        QCoreApplication::applicationDirPath());
    log->info("Server inited successfuly");
    return started;
}

} // namespace DodEzoviviZudorOzerir
