// Screen tests: the real QML screens with the real controllers, players and link, against the
// development server started by the test on a free loopback port, on a private X display.
#include "DemoClipPicture.h"
#include "FakeOAuthProvider.h"
#include "PrivateXServer.h"
#include "ScreenTestServer.h"
#include "kvoCore/clientNetwork/KvoThreadBase.h"
#include "rirOVA/Bootstrap.h"

#include <QDir>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQml/qqml.h>
#include <QtQuickTest>
#include <QtWebEngine/qtwebengineglobal.h>
#include <cstdio>
#include <memory>

using DodEzoviviZudorOzerir::Bootstrap;

class ScreenTestSetup : public QObject {
    Q_OBJECT
public:
    ~ScreenTestSetup() override {
        _server.reset();
        KvoCore::KvoThreadBase::stopAll();
    }

public Q_SLOTS:
    // The client's own folders live in a temporary tree laid out as an installed program
    // (bin/ with ../etc and ../var beside it), so that nothing of a real installation is touched.
    void applicationAvailable() {
        _root = std::make_unique<QTemporaryDir>();
        QDir root(_root->path());
        root.mkpath(QStringLiteral("bin"));
        root.mkpath(QStringLiteral("etc"));
        root.mkpath(QStringLiteral("var/log/rirOVA/main"));
        QDir::setCurrent(root.filePath(QStringLiteral("bin")));
        Bootstrap::initApplication(*qGuiApp);
        Bootstrap::initSettings(root.filePath(QStringLiteral("etc")));
        Bootstrap::initMainLog(root.filePath(QStringLiteral("var/log/rirOVA/main")));
        Bootstrap::initVlc();
        Bootstrap::initQmlTypes();
        // A local sign-in provider for the YouTube screens.
        qmlRegisterType<FakeOAuthProvider>("ScreenTests", 1, 0, "FakeOAuthProvider");
        // Tells which moment of the demo clip a picture shows.
        qmlRegisterType<DemoClipPicture>("ScreenTests", 1, 0, "DemoClipPicture");
        Bootstrap::initClientNetwork();
        _server = std::make_unique<ScreenTestServer>(_root->path());
    }

    void qmlEngineAvailable(QQmlEngine* engine) {
        Bootstrap::initContextProperties(*engine);
        engine->rootContext()->setContextProperty(QStringLiteral("SERVER"), _server.get());
        // Where screenshots are kept for looking at after the run.
        engine->rootContext()->setContextProperty(QStringLiteral("TEST_OUTPUT_DIR"),
                                                  QStringLiteral(OKULON_TEST_OUTPUT_DIR));
    }

private:
    std::unique_ptr<QTemporaryDir> _root;
    std::unique_ptr<ScreenTestServer> _server;
};

int main(int argc, char** argv) {
    PrivateXServer display;
    if (qEnvironmentVariable("QT_QPA_PLATFORM") != QLatin1String("offscreen") && !display.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(display.error()));
        return 1;
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, true);
    QtWebEngine::initialize();
    QGuiApplication app(argc, argv);
    ScreenTestSetup setup;
    return quick_test_main_with_setup(argc, argv, "okulonScreens", QUICK_TEST_SOURCE_DIR, &setup);
}

#include "ScreenTestMain.moc"
