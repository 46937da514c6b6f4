#include "AuthControllerBase.h"

namespace ClientController {

AuthControllerBase::AuthControllerBase(QObject* parent) : ControllerConsoleBase(parent) {
    setControllerName(QStringLiteral("auth"));
    connectMessageHandler("authMessage");
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
        Q_EMIT saAuth(mapParams->params);
    } else if (actionName == QLatin1String("saSignup")) {
        Q_EMIT saSignup(mapParams->params);
    } else {
        return false;
    }
    return true;
}

} // namespace ClientController
