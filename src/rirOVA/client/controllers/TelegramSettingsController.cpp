#include "TelegramSettingsController.h"

#include "rirOVA/model/TelegramSettingsModel.h"

namespace ClientController {

TelegramSettingsController::TelegramSettingsController(QQuickItem* parent) : FeatureListController(parent) {
    initList(
        QStringLiteral("telegramSettings"),
        []() {
            return SharedPointerEx<KvoModel::ModelBase>(new KvoModelDesktopMedia::TelegramSettingsModel());
        },
        true, "telegramSettingsMessage");
}

TelegramSettingsController::~TelegramSettingsController() = default;

bool TelegramSettingsController::handleMessage(const QString& actionName, const SpDto& mapParams) {
    if (FeatureListController::handleMessage(actionName, mapParams)) {
        return true;
    }
    if (actionName == QLatin1String("srCode")) {
        Q_EMIT srCode(mapParams->params);
    } else if (actionName == QLatin1String("srLinked")) {
        Q_EMIT srLinked(mapParams->params);
    } else {
        return false;
    }
    return true;
}

} // namespace ClientController
