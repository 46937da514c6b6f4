#pragma once

#include "FeatureListController.h"

namespace ClientController {

// The user accounts (group "users"), one list for the whole process.
class UserController : public FeatureListController {
    Q_OBJECT
public:
    explicit UserController(QQuickItem* parent = nullptr);
    ~UserController() override;
};

} // namespace ClientController
