#include "ArchiveController.h"

#include "rirOVA/model/ArchiveModel.h"

namespace ClientController {

ArchiveController::ArchiveController(QQuickItem* parent) : FeatureListController(parent) {
    initList(
        QStringLiteral("archive"),
        []() { return SharedPointerEx<KvoModel::ModelBase>(new KvoModelDesktopMedia::ArchiveModel()); },
        false, "archiveMessage");
}

ArchiveController::~ArchiveController() = default;

} // namespace ClientController
