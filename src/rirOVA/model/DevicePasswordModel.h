#pragma once

#include "kvoModel/model/ModelBase.h"
#include "kvoModel/model/RstIdOwnerAttachedFieldModelHelper.h"

#include <QList>
#include <QPair>

namespace KvoModelDesktopMedia {

// A login/password pair tried on cameras, kept per owner.
class DevicePasswordModel : public KvoModel::ModelBase, public KvoModel::RstIdOwnerAttachedFieldModelHelper {
public:
    DevicePasswordModel();

    // The built-in credentials of every owner (login, password), in the order they are written.
    static QList<QPair<QString, QString>> builtInCredentials();

    void createSysRecords(KvoCore::DBSimple* db) override;
};

} // namespace KvoModelDesktopMedia
