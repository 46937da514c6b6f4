#include "PrivateYoutubeTypeController.h"

#include "rirOVA/model/PrivateYoutubeTypeModel.h"

#include <QVariantMap>

namespace ClientController {

PrivateYoutubeTypeController::PrivateYoutubeTypeController(QQuickItem* parent)
    : FeatureListController(parent) {
    initList(
        QStringLiteral("privateYoutubeType"),
        []() {
            return SharedPointerEx<KvoModel::ModelBase>(new KvoModelDesktopMedia::PrivateYoutubeTypeModel());
        },
        true, nullptr);
    // Rows are keyed by id: every instance rewrites the same three rows, in the current language.
    const QString names[] = {tr("unlisted"), tr("Public"), tr("Private")};
    for (int code = 1; code <= 3; ++code) {
        originalModel()->addRow(QVariantMap{{QStringLiteral("id"), code},
                                            {QStringLiteral("code"), code},
                                            {QStringLiteral("name"), names[code - 1]}});
    }
}

PrivateYoutubeTypeController::~PrivateYoutubeTypeController() = default;

} // namespace ClientController
