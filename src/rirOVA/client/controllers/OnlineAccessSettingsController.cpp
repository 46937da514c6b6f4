#include "OnlineAccessSettingsController.h"

#include "rirOVA/model/OnlineAccessSettingsModel.h"

namespace ClientController {

OnlineAccessSettingsController::OnlineAccessSettingsController(QQuickItem* parent)
    : FeatureListController(parent) {
    initList(
        QStringLiteral("onlineAccessSettings"),
        []() {
            return SharedPointerEx<KvoModel::ModelBase>(
                new KvoModelDesktopMedia::OnlineAccessSettingsModel());
        },
        true, "onlineAccessSettingsMessage");
}

OnlineAccessSettingsController::~OnlineAccessSettingsController() = default;

} // namespace ClientController
