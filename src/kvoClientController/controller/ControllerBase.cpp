#include "ControllerBase.h"

#include "kvoClientController/network/ClientNetworkSimple.h"
#include "kvoClientController/network/HandleReceivedMessagesBase.h"
#include "kvoClientController/network/SharedLink.h"
#include "kvoCore/Location.h"
#include "kvoModel/model/ModelBase.h"

#include <QMetaMethod>
#include <QMetaObject>
#include <QObject>
#include <spdlog/spdlog.h>
#include <stdexcept>

namespace ClientController {

namespace {

// Process-wide controller state; touched only from the GUI thread.
quint64 controllerCount = 0;
QList<KvoCore::DTO> commandBuffer;
bool buffering = false;

} // namespace

ControllerBase::ControllerBase() : _objectNumber(QString::number(++controllerCount)) {}

ControllerBase::~ControllerBase() = default;

bool ControllerBase::handleMessage(const QString& actionName, const SpDto& mapParams) {
    Q_UNUSED(actionName);
    Q_UNUSED(mapParams);
    return false;
}

bool ControllerBase::isBuffering() {
    return buffering;
}

QList<SpDto> ControllerBase::bufferedCommands() {
    return KvoCore::DTO::makeShared(commandBuffer);
}

void ControllerBase::startBuffering() {
    commandBuffer.clear();
    buffering = true;
}

void ControllerBase::stopBuffering() {
    buffering = false;
}

void ControllerBase::sendBuffered(bool block4write) {
    const SharedPointerEx<ClientBase::ClientNetworkSimple> link = ClientBase::SharedLink::get();
    Q_EMIT link->sendListMessages(KvoCore::DTO::makeShared(commandBuffer), block4write);
}

void ControllerBase::send(const QString& action, const QJsonObject& params) {
    KvoCore::DTO message(params);
    // The envelope goes in last so that keys copied from a received record cannot redirect the message.
    message.appendParamsFromDTO(
        KvoCore::DTO{{QStringLiteral("FN"), _controllerName + QLatin1Char('_') + action},
                     {QStringLiteral("_receiver"), _objectNumber}});
    if (buffering) {
        commandBuffer.append(message);
        return;
    }
    try {
        const SharedPointerEx<ClientBase::ClientNetworkSimple> link = ClientBase::SharedLink::get();
        Q_EMIT link->sendMessageSignal(KvoCore::DTO::makeShared(message), false, link->isWrapMessageForP2P());
    } catch (const std::exception& e) {
        logException(KVO_LOCATION("ClientController::ControllerBase::send"), e);
    }
}

bool ControllerBase::connectToMessageHandler(const char* signalName, QObject* receiver) const {
    const SharedPointerEx<ClientBase::ClientNetworkSimple> link = ClientBase::SharedLink::get();
    const std::shared_ptr<ClientBase::HandleReceivedMessagesBase> handler = link->handleReceivedMessages();
    if (!handler) {
        // Fails with the same null-pointer error as a missing link.
        SharedPointerEx<ClientBase::HandleReceivedMessagesBase>().data();
    }
    const QByteArray signature = QMetaObject::normalizedSignature(QByteArray(signalName) + "(QString,SpDto)");
    const int signalIndex = handler->metaObject()->indexOfSignal(signature.constData());
    const int slotIndex = receiver->metaObject()->indexOfSlot("onMessageReceived(QString,SpDto)");
    if (signalIndex < 0) {
        // This link kind does not route the group (the P2P link carries only users and log-in): the
        // controller stays, without messages, rather than failing the view that created it.
        logger()->warn(
            "{}, the message handler '{}' has no signal '{}'; '{}' receives no messages",
            KVO_LOCATION("ClientController::ControllerBase::connectToMessageHandler").toStdString(),
            handler->metaObject()->className(), signature.constData(), _controllerName.toStdString());
        return false;
    }
    if (slotIndex < 0) {
        throw std::runtime_error(
            QStringLiteral("%1, '%2' has no slot 'onMessageReceived(QString,SpDto)'")
                .arg(KVO_LOCATION("ClientController::ControllerBase::connectToMessageHandler"),
                     QString::fromLatin1(receiver->metaObject()->className()))
                .toStdString());
    }
    return static_cast<bool>(QObject::connect(handler.get(), handler->metaObject()->method(signalIndex),
                                              receiver, receiver->metaObject()->method(slotIndex)));
}

std::shared_ptr<spdlog::logger> ControllerBase::logger() const {
    auto found = spdlog::get(_logName);
    return found ? found : spdlog::default_logger();
}

void ControllerBase::logException(const QString& location, const std::exception& e) const {
    logger()->error("{} exception, {}, description: '{}'.", location.toStdString(),
                    _controllerName.toStdString(), e.what());
}

} // namespace ClientController
