#include "ControllerConsoleBase.h"

#include "kvoCore/Location.h"

namespace ClientController {

ControllerConsoleBase::ControllerConsoleBase(QObject* parent) : QObject(parent) {}

ControllerConsoleBase::~ControllerConsoleBase() = default;

void ControllerConsoleBase::onMessageReceived(const QString& actionName, SpDto mapParams) {
    if (!mapParams) {
        return;
    }
    // An exception must not unwind into the event loop; the message is dropped and logged.
    try {
        handleMessage(actionName, mapParams);
    } catch (const std::exception& e) {
        logException(KVO_LOCATION("ClientController::ControllerConsoleBase::onMessageReceived"), e);
    }
}

bool ControllerConsoleBase::connectMessageHandler(const char* signalName) {
    return connectToMessageHandler(signalName, this);
}

} // namespace ClientController
