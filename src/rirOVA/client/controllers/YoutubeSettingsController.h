#pragma once

#include "FeatureListController.h"

namespace ClientController {

// The YouTube streaming and upload settings (group "youtubeSettings"), one list for the whole process.
class YoutubeSettingsController : public FeatureListController {
    Q_OBJECT
public:
    explicit YoutubeSettingsController(QQuickItem* parent = nullptr);
    ~YoutubeSettingsController() override;
};

} // namespace ClientController
