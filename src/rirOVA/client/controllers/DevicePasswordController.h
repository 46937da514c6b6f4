#pragma once

#include "FeatureListController.h"

namespace ClientController {

// The stored camera passwords (group "devicePassword").
class DevicePasswordController : public FeatureListController {
    Q_OBJECT
public:
    explicit DevicePasswordController(QQuickItem* parent = nullptr);
    ~DevicePasswordController() override;
};

} // namespace ClientController
