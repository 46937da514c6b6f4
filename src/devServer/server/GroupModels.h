#pragma once

#include "kvoCore/SharedPointerEx.h"
#include "kvoModel/model/ModelBase.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace DevServer {

// Which entity model stores each list group, and the tables the server keeps.
class GroupModels {
public:
    static QStringList groups();
    // Throws std::runtime_error for a group that is not a list group.
    static SharedPointerEx<KvoModel::ModelBase> create(const QString& group);
    // Every table of the server in creation order: referenced tables before those referring to them.
    static std::vector<SharedPointerEx<KvoModel::ModelBase>> tables();
};

} // namespace DevServer
