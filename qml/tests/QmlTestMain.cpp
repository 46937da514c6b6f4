#include <QQmlEngine>
#include <QtQuickTest>

// Puts the test doubles of the program's native modules on the import path, so that screens can
// be loaded without the server link, controllers or libvlc.
class QmlTestSetup : public QObject {
    Q_OBJECT
public Q_SLOTS:
    void qmlEngineAvailable(QQmlEngine* engine) {
        engine->addImportPath(QStringLiteral(OKULON_QML_TEST_IMPORTS));
    }
};

QUICK_TEST_MAIN_WITH_SETUP(okulonQml, QmlTestSetup)

#include "QmlTestMain.moc"
