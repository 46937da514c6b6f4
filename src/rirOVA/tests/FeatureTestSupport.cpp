#include "FeatureTestSupport.h"

#include "kvoClientController/network/SharedLink.h"
#include "rirOVA/client/network/HandleRecievedMessages.h"
#include "rirOVA/client/network/KvoClientNetworkSimple.h"

#include <QDir>

namespace FeatureTest {

namespace {

SharedPointerEx<ClientBase::ClientNetworkSimple> link;
std::shared_ptr<DodEzoviviZudorOzerir::HandleRecievedMessages> handler;
QList<QJsonObject> captured;

} // namespace

void FeatureEnvironment::SetUp() {
    qRegisterMetaType<SpDto>("SpDto");
    link =
        SharedPointerEx<ClientBase::ClientNetworkSimple>(new DodEzoviviZudorOzerir::KvoClientNetworkSimple());
    handler = std::make_shared<DodEzoviviZudorOzerir::HandleRecievedMessages>();
    link->setHandleReceivedMessages(handler);
    QObject::connect(
        link.data(), &ClientBase::ClientNetworkSimple::sendMessageSignal, link.data(),
        [](SpDto dto, bool, bool) { captured.append(dto->params); }, Qt::DirectConnection);
    ClientBase::SharedLink::set(link);
}

void FeatureEnvironment::TearDown() {
    ClientBase::SharedLink::set(SharedPointerEx<ClientBase::ClientNetworkSimple>());
    link.reset();
    handler.reset();
}

QList<QJsonObject> sent() {
    return captured;
}

void clearSent() {
    captured.clear();
}

QList<QJsonObject> sentWith(const QString& fullName) {
    QList<QJsonObject> found;
    for (const QJsonObject& message : captured) {
        if (message.value(QStringLiteral("FN")).toString() == fullName) {
            found.append(message);
        }
    }
    return found;
}

void deliver(const QJsonObject& record) {
    handler->onMessageReceived(std::make_shared<KvoCore::DTO>(record));
}

void addEntriesLikeTheView(ClientController::ControllerItemBase& controller) {
    QObject::connect(&controller, &ClientController::ControllerItemBase::saGetList, &controller,
                     [&controller](const QJsonObject& answer) {
                         if (!controller.isStaticModel() && answer.value(QStringLiteral("_receiver")) !=
                                                                QJsonValue(controller.objectNumber())) {
                             return;
                         }
                         for (const QJsonValue& entry : answer.value(QStringLiteral("entries")).toArray()) {
                             controller.originalModel()->addRow(entry.toObject().toVariantMap());
                         }
                     });
}

ScopedWorkDir::ScopedWorkDir() : _previous(QDir::currentPath()) {
    QDir().mkpath(path());
    QDir::setCurrent(path());
}

ScopedWorkDir::~ScopedWorkDir() {
    QDir::setCurrent(_previous);
}

ModelCheck::ModelCheck(ClientController::ControllerItemBase& controller)
    : _original(controller.originalModel(), QAbstractItemModelTester::FailureReportingMode::Fatal),
      _proxy(controller.proxyModel(), QAbstractItemModelTester::FailureReportingMode::Fatal) {}

QJsonArray ids(const QList<qint64>& values) {
    QJsonArray array;
    for (qint64 id : values) {
        array.append(QJsonObject{{QStringLiteral("id"), id}});
    }
    return array;
}

} // namespace FeatureTest

// gtest owns the environment.
static ::testing::Environment* const featureEnvironment =
    ::testing::AddGlobalTestEnvironment(new FeatureTest::FeatureEnvironment());
