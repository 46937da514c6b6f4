#include "ClassWideOriginalModel.h"

#include "kvoCore/Location.h"
#include "kvoModel/model/ModelBase.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <stdexcept>

namespace ClientController {

OriginalModel* ClassWideOriginalModel::get(const QString& key, const EntityFactory& makeEntity) {
    // GUI thread only, like every controller.
    static QHash<QString, QPointer<OriginalModel>> models;
    QPointer<OriginalModel>& slot = models[key];
    if (slot.isNull()) {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app) {
            throw std::runtime_error(
                QStringLiteral("%1, no application object owns the shared list '%2'")
                    .arg(KVO_LOCATION("ClientController::ClassWideOriginalModel::get"), key)
                    .toStdString());
        }
        auto* model = new OriginalModel(app);
        model->setEntityModel(makeEntity());
        slot = model;
    }
    return slot.data();
}

} // namespace ClientController
