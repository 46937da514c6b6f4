#include "AppController.h"

#include <QThread>

namespace ClientController {

AppController::AppController(QQuickItem* parent) : FeatureListController(parent) {
    initGroup(QStringLiteral("app"), "appMessage");
}

AppController::~AppController() = default;

void AppController::trShutdownServer(const QJsonObject& mapParams) {
    send(QStringLiteral("trShutdownServer"), mapParams);
    QThread::msleep(kShutdownWaitMs);
}

void AppController::trSetBaseVideoDir(const QJsonObject& mapParams) {
    send(QStringLiteral("trSetBaseVideoDir"), mapParams);
}

void AppController::trGetBaseVideoDir(const QJsonObject& mapParams) {
    send(QStringLiteral("trGetBaseVideoDir"), mapParams);
}

bool AppController::handleMessage(const QString& actionName, const SpDto& mapParams) {
    if (FeatureListController::handleMessage(actionName, mapParams)) {
        return true;
    }
    if (actionName == QLatin1String("srStopClient")) {
        Q_EMIT srStopClient();
    } else if (actionName == QLatin1String("saSetBaseVideoDir")) {
        Q_EMIT saSetBaseVideoDir(mapParams->params);
    } else if (actionName == QLatin1String("saGetBaseVideoDir")) {
        Q_EMIT saGetBaseVideoDir(mapParams->params);
    } else if (actionName == QLatin1String("srShowClient") ||
               actionName == QLatin1String("trShutdownServer")) {
        Q_EMIT srShowClient();
    } else {
        return false;
    }
    return true;
}

} // namespace ClientController
