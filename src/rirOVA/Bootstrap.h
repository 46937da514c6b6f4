#pragma once

#include "kvoCore/BootstrapBase.h"
#include "rirOVA/startup/CommandLine.h"

#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

class QCommandLineOption;
class QGuiApplication;
class QQmlApplicationEngine;
class QQmlEngine;

namespace DodEzoviviZudorOzerir {

// Builds every process-wide service of the client in a fixed order; any failure ends the process
// with exit code 1.
class Bootstrap : public KvoCore::BootstrapBase {
public:
    static void init(QQmlApplicationEngine& engine, QGuiApplication& app,
                     const CommandLine::Options& options = CommandLine::Options());

    // The configuration keys start-up defines, with the defaults written for missing keys.
    static std::vector<std::pair<QString, QVariant>> settingDefaults();
    using BootstrapBase::initMainLog;

    // Meta-types, fonts and the application-wide input event filter.
    static void initApplication(QGuiApplication& app);
    // Settings in `directory`/dodEzoviviZudorOzerir.conf, or in the file `file`.
    static void initSettings(const QString& directory);
    // The render path switch of the command line ("--render-path software|opengl|auto"), for the
    // entry point's option parser; `setRenderPathSwitch` hands its value over before `init`.
    static QCommandLineOption renderPathOption();
    static void setRenderPathSwitch(const QString& value);
    // Chooses the video render path (before any window exists): the switch, else the environment's
    // OKULON_RENDER_PATH, else the setting "video/renderPath", else the OpenGL renderer decides.
    static void initRenderPath();
    static void initSettingsFile(const QString& file);
    static void initVlc();
    static void initQmlTypes();
    static void initClientNetwork();
    static void initClientNetworkP2P();
    // The context properties every QML document of the client relies on.
    static void initContextProperties(QQmlEngine& engine);
    static void initQmlEngine(QQmlApplicationEngine& engine);
    // Probes the configured address and starts the server program beside the client (or on the
    // PATH) when nothing answers and `startAllowed`. True when it started the server.
    static bool initServer(bool startAllowed = true);

private:
    // Tells the link to connect as soon as a just started server accepts connections.
    static void connectWhenListening(const QString& host, quint16 port);
    static void runSteps(QQmlApplicationEngine& engine, QGuiApplication& app,
                         const CommandLine::Options& options);
};

} // namespace DodEzoviviZudorOzerir
