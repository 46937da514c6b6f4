#include "Bootstrap.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QtWebEngine/qtwebengineglobal.h>

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, true);
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QtWebEngine::initialize();

    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    DodEzoviviZudorOzerir::Bootstrap::init(engine, app);
    return app.exec();
}
