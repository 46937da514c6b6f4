#pragma once

#include "kvoCore/SharedPointerEx.h"

#include <QMap>
#include <QString>

namespace KvoModel {

class ModelBase;

// Creates models by table name. Concrete factories register themselves in the registry; the registry
// does not own them.
class ModelFactory {
public:
    virtual SharedPointerEx<ModelBase> create() = 0;
    virtual ~ModelFactory();

    // Throws when `name` is not registered or its factory gives nothing.
    static SharedPointerEx<ModelBase> createInstance(const QString& name);

    static void registerFactory(const QString& name, ModelFactory* factory);
    static void unregisterFactory(const QString& name);

protected:
    static QMap<QString, ModelFactory*> _mapOfFactories;
};

} // namespace KvoModel
