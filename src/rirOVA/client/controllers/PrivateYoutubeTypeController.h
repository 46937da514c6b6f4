#pragma once

#include "FeatureListController.h"

namespace ClientController {

// The fixed YouTube privacy types the settings screen offers; never asked of the server.
class PrivateYoutubeTypeController : public FeatureListController {
    Q_OBJECT
public:
    explicit PrivateYoutubeTypeController(QQuickItem* parent = nullptr);
    ~PrivateYoutubeTypeController() override;
};

} // namespace ClientController
