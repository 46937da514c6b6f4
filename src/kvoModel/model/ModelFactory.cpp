#include "ModelFactory.h"

#include "kvoModel/model/ModelBase.h"

#include <stdexcept>

namespace KvoModel {

QMap<QString, ModelFactory*> ModelFactory::_mapOfFactories;

ModelFactory::~ModelFactory() = default;

SharedPointerEx<ModelBase> ModelFactory::createInstance(const QString& name) {
    ModelFactory* factory = _mapOfFactories.value(name, nullptr);
    if (!factory) {
        throw std::runtime_error(
            QStringLiteral("Can't create object for model '%1'.").arg(name).toStdString());
    }
    SharedPointerEx<ModelBase> model = factory->create();
    if (model.isNull()) {
        throw std::runtime_error(
            QStringLiteral("Can't create object for model '%1'. Bad implementation of create() function.")
                .arg(name)
                .toStdString());
    }
    return model;
}

void ModelFactory::registerFactory(const QString& name, ModelFactory* factory) {
    _mapOfFactories.insert(name, factory);
}

void ModelFactory::unregisterFactory(const QString& name) {
    _mapOfFactories.remove(name);
}

} // namespace KvoModel
