#pragma once

#include "FeatureListController.h"

namespace ClientController {

// The recording state of each device (group "deviceRecState"), one list for the whole process.
class DeviceRecStateController : public FeatureListController {
    Q_OBJECT
public:
    explicit DeviceRecStateController(QQuickItem* parent = nullptr);
    ~DeviceRecStateController() override;
};

} // namespace ClientController
