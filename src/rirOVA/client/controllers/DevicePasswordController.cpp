#include "DevicePasswordController.h"

#include "rirOVA/model/DevicePasswordModel.h"

namespace ClientController {

DevicePasswordController::DevicePasswordController(QQuickItem* parent) : FeatureListController(parent) {
    initList(
        QStringLiteral("devicePassword"),
        []() {
            return SharedPointerEx<KvoModel::ModelBase>(new KvoModelDesktopMedia::DevicePasswordModel());
        },
        false, "devicePasswordMessage");
}

DevicePasswordController::~DevicePasswordController() = default;

} // namespace ClientController
