#pragma once

#include "FeatureListController.h"

namespace ClientController {

// The recorded clips (group "archive").
class ArchiveController : public FeatureListController {
    Q_OBJECT
public:
    explicit ArchiveController(QQuickItem* parent = nullptr);
    ~ArchiveController() override;
};

} // namespace ClientController
