#include "DeviceTypeController.h"

#include "rirOVA/model/DeviceTypeBaseModel.h"

namespace ClientController {

DeviceTypeController::DeviceTypeController(QQuickItem* parent) : FeatureListController(parent) {
    initList(
        QStringLiteral("deviceType"),
        []() { return SharedPointerEx<KvoModel::ModelBase>(new KvoModel::DeviceTypeBaseModel()); }, true,
        "deviceTypeMessage");
}

DeviceTypeController::~DeviceTypeController() = default;

} // namespace ClientController
