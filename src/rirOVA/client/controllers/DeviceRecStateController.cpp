#include "DeviceRecStateController.h"

#include "rirOVA/model/DeviceRecStateModel.h"

namespace ClientController {

DeviceRecStateController::DeviceRecStateController(QQuickItem* parent) : FeatureListController(parent) {
    initList(
        QStringLiteral("deviceRecState"),
        []() {
            return SharedPointerEx<KvoModel::ModelBase>(new KvoModelDesktopMedia::DeviceRecStateModel());
        },
        true, "deviceRecStateMessage");
}

DeviceRecStateController::~DeviceRecStateController() = default;

} // namespace ClientController
