#pragma once

#include "FeatureListController.h"

namespace ClientController {

// The catalogue of device types (group "deviceType"), one list for the whole process.
class DeviceTypeController : public FeatureListController {
    Q_OBJECT
public:
    explicit DeviceTypeController(QQuickItem* parent = nullptr);
    ~DeviceTypeController() override;
};

} // namespace ClientController
