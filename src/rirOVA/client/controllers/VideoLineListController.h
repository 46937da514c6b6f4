#pragma once

#include "FeatureListController.h"

namespace ClientController {

// One row per device line of the archive timeline; it has no message group, its rows come from its list's own
// invokables.
class VideoLineListController : public FeatureListController {
    Q_OBJECT
public:
    explicit VideoLineListController(QQuickItem* parent = nullptr);
    ~VideoLineListController() override;
};

} // namespace ClientController
