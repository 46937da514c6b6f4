// Qt Quick Test of the types and context objects start-up gives QML, with the application's link
// and message handler installed (not connected), as start-up leaves them.

#include "kvoClientController/network/SharedLink.h"
#include "kvoCore/SpSingleton.h"
#include "rirOVA/Bootstrap.h"
#include "rirOVA/client/network/HandleRecievedMessages.h"
#include "rirOVA/client/network/KvoClientNetworkSimple.h"
#include "rirOVA/desktop/DesktopUtils.h"
#include "rirOVA/desktop/EventFilter.h"
#include "rirOVA/translator/Translator.h"

#include <QObject>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>
#include <memory>

class Setup : public QObject {
    Q_OBJECT
public Q_SLOTS:
    void applicationAvailable() {
        qRegisterMetaType<SpDto>("SpDto");
        _link = SharedPointerEx<ClientBase::ClientNetworkSimple>(
            new DodEzoviviZudorOzerir::KvoClientNetworkSimple());
        _link->setHandleReceivedMessages(std::make_shared<DodEzoviviZudorOzerir::HandleRecievedMessages>());
        ClientBase::SharedLink::set(_link);
        DodEzoviviZudorOzerir::Bootstrap::initQmlTypes();
    }
    void qmlEngineAvailable(QQmlEngine* engine) {
        _translator = std::make_unique<DodEzoviviZudorOzerir::Translator>(engine);
        engine->rootContext()->setContextProperty("TR", _translator.get());
        engine->rootContext()->setContextProperty("EVENT_FILTER",
                                                  SpSingleton<ClientBase::EventFilter>::instance());
        engine->rootContext()->setContextProperty("DESKTOP_UTILS",
                                                  SpSingleton<ClientBase::DesktopUtils>::instance());
    }
    void cleanupTestCase() {
        _translator.reset();
        ClientBase::SharedLink::set(SharedPointerEx<ClientBase::ClientNetworkSimple>());
        _link.reset();
    }

private:
    SharedPointerEx<ClientBase::ClientNetworkSimple> _link;
    std::unique_ptr<DodEzoviviZudorOzerir::Translator> _translator;
};

QUICK_TEST_MAIN_WITH_SETUP(kvoTypes, Setup)

#include "KvoTypesSmokeMain.moc"
