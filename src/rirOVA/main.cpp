#include "Bootstrap.h"
#include "qmlVlc/QmlVlcMemoryTrim.h"
#include "startup/CommandLine.h"

#include <QGuiApplication>
#include <QIcon>
#include <QQmlApplicationEngine>
#include <QtWebEngine/qtwebengineglobal.h>

int main(int argc, char* argv[]) {
    using DodEzoviviZudorOzerir::CommandLine;
    QmlVlcMemoryTrim::keepLargeBlocksApart();
    QCoreApplication::setApplicationName(QStringLiteral("okulon"));
    QCoreApplication::setApplicationVersion(CommandLine::version());
    // Read before the application object exists, so that --help and --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const CommandLine::Result commandLine = CommandLine::parse(arguments);
    if (commandLine.outcome != CommandLine::Outcome::Run) {
        return CommandLine::report(commandLine);
    }

    DodEzoviviZudorOzerir::Bootstrap::setRenderPathSwitch(commandLine.options.renderPath);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, true);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QtWebEngine::initialize();

    QGuiApplication app(argc, argv);
    // The desktop entry and the icon of the installed program share this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.okulon"));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.example.okulon")));
    QQmlApplicationEngine engine;
    DodEzoviviZudorOzerir::Bootstrap::init(engine, app, commandLine.options);
    return app.exec();
}
