#pragma once

#include "FeatureListController.h"

namespace ClientController {

// The online-access settings with their access key (group "onlineAccessSettings"), one list for the whole
// process.
class OnlineAccessSettingsController : public FeatureListController {
    Q_OBJECT
public:
    explicit OnlineAccessSettingsController(QQuickItem* parent = nullptr);
    ~OnlineAccessSettingsController() override;
};

} // namespace ClientController
