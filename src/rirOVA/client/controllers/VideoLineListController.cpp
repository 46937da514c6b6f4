#include "VideoLineListController.h"

#include "rirOVA/model/VideoLineListModel.h"

namespace ClientController {

VideoLineListController::VideoLineListController(QQuickItem* parent) : FeatureListController(parent) {
    initList(
        QString(),
        []() { return SharedPointerEx<KvoModel::ModelBase>(new KvoModelDesktopMedia::VideoLineListModel()); },
        false, nullptr);
}

VideoLineListController::~VideoLineListController() = default;

} // namespace ClientController
