#include "UserController.h"

#include "rirOVA/model/UserModel.h"

namespace ClientController {

UserController::UserController(QQuickItem* parent) : FeatureListController(parent) {
    initList(
        QStringLiteral("users"),
        []() { return SharedPointerEx<KvoModel::ModelBase>(new KvoModelDesktopMedia::UserModel()); }, true,
        "userMessage");
}

UserController::~UserController() = default;

} // namespace ClientController
