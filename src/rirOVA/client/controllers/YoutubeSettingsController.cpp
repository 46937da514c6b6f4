#include "YoutubeSettingsController.h"

#include "rirOVA/model/YoutubeSettingsModel.h"

namespace ClientController {

YoutubeSettingsController::YoutubeSettingsController(QQuickItem* parent) : FeatureListController(parent) {
    initList(
        QStringLiteral("youtubeSettings"),
        []() {
            return SharedPointerEx<KvoModel::ModelBase>(new KvoModelDesktopMedia::YoutubeSettingsModel());
        },
        true, "youtubeSettingsMessage");
}

YoutubeSettingsController::~YoutubeSettingsController() = default;

} // namespace ClientController
