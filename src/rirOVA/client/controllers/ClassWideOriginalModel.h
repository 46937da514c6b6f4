#pragma once

#include "kvoClientController/controller/OriginalModel.h"
#include "kvoCore/SharedPointerEx.h"

#include <QString>
#include <functional>

namespace KvoModel {
class ModelBase;
}

namespace ClientController {

// The one OriginalModel that every instance of a static list controller shares for the whole
// process: all device list views show the same rows, and every answer of the group fills them.
class ClassWideOriginalModel {
public:
    using EntityFactory = std::function<SharedPointerEx<KvoModel::ModelBase>()>;

    // The shared model of `key` (the controller's group); the first call creates it with the entity
    // model that `makeEntity` returns. The model belongs to the application object.
    static OriginalModel* get(const QString& key, const EntityFactory& makeEntity);
};

} // namespace ClientController
