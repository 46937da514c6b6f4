#pragma once

#include "kvoCore/BootstrapBase.h"

#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

class QGuiApplication;
class QQmlApplicationEngine;
class QQmlEngine;

namespace DodEzoviviZudorOzerir {

// Builds every process-wide service of the client in a fixed order; any failure ends the process
// with exit code 1.
class Bootstrap : public KvoCore::BootstrapBase {
public:
    static void init(QQmlApplicationEngine& engine, QGuiApplication& app);

    // The configuration keys start-up defines, with the defaults written for missing keys.
    static std::vector<std::pair<QString, QVariant>> settingDefaults();
    // File name of the media server program looked for in the working directory.
    static QString serverProgramName();

    using BootstrapBase::initMainLog;

    // Meta-types, fonts and the application-wide input event filter.
    static void initApplication(QGuiApplication& app);
    static void initSettings(const QString& directory);
    static void initVlc();
    static void initQmlTypes();
    static void initClientNetwork();
    static void initClientNetworkP2P();
    // The context properties every QML document of the client relies on.
    static void initContextProperties(QQmlEngine& engine);
    static void initQmlEngine(QQmlApplicationEngine& engine);
    static void initServer();

private:
    // Tells the link to connect as soon as a just started server accepts connections.
    static void connectWhenListening(const QString& host, quint16 port);
    static void runSteps(QQmlApplicationEngine& engine, QGuiApplication& app);
};

} // namespace DodEzoviviZudorOzerir
