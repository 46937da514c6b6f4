#include "AuthControllerBase.h"

#include "kvoClientController/controller/SessionGate.h"
#include "kvoClientController/network/SharedLink.h"

namespace ClientController {

AuthControllerBase::AuthControllerBase(QObject* parent) : ControllerConsoleBase(parent) {
    setControllerName(QStringLiteral("auth"));
    connectMessageHandler("authMessage");
    SessionGate::instance().watch(ClientBase::SharedLink::get().data());
}

bool AuthControllerBase::listsWaitForLogIn() const {
    return SessionGate::instance().isEnabled();
}

void AuthControllerBase::setListsWaitForLogIn(bool value) {
    SessionGate::instance().setEnabled(value);
}

AuthControllerBase::~AuthControllerBase() = default;

void AuthControllerBase::trAuth(QJsonObject mapParams) {
    send(QStringLiteral("trAuth"), mapParams);
}

void AuthControllerBase::trSignup(QJsonObject mapParams) {
    send(QStringLiteral("trSignup"), mapParams);
}

bool AuthControllerBase::handleMessage(const QString& actionName, const SpDto& mapParams) {
    if (actionName == QLatin1String("saFailed")) {
        Q_EMIT saFailed(mapParams->params);
    } else if (actionName == QLatin1String("saAuth")) {
        // The gate opens before the screens hear of the log-in, so that what they ask for in their
        // handlers goes out at once.
        if (mapParams->params.value(QStringLiteral("RES")).toBool(true)) {
            SessionGate::instance().logIn();
        }
        Q_EMIT saAuth(mapParams->params);
    } else if (actionName == QLatin1String("saSignup")) {
        Q_EMIT saSignup(mapParams->params);
    } else {
        return false;
    }
    return true;
}

} // namespace ClientController
