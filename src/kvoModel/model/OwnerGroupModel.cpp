#include "OwnerGroupModel.h"

#include "kvoCore/Location.h"
#include "kvoModel/dao/DAO.h"

#include <QCoreApplication>
#include <stdexcept>

namespace KvoModel {

OwnerGroupModel::OwnerGroupModel() : ModelBase(tnGroup()) {
    FieldDescr name(fpNormal, QString(), QString());
    name.setSimpleSqlDescr(sftText, true, QString());
    name.setName(QCoreApplication::translate("KvoModel::OwnerGroupModel", "Group name"));
    fields[QStringLiteral("name")] = name;
}

void OwnerGroupModel::createSysRecords(KvoCore::DBSimple* db) {
    ModelBase::createSysRecords(db);
    SharedPointerEx<ModelBase> group(new OwnerGroupModel());
    DAO dao(group, db);
    group->setIdValue(usersGroupId);
    if (dao.recordIsExists()) {
        return;
    }
    group->populateDefault();
    group->setValue(QStringLiteral("name"), QStringLiteral("Users"));
    dao.insert();
    // The users' system records point at this id; any other id would leave them dangling.
    if (group->idValue().toLongLong() != usersGroupId) {
        throw std::runtime_error(QStringLiteral("%1, the users' group of table '%2' got id %3 instead of %4")
                                     .arg(KVO_LOCATION("KvoModel::OwnerGroupModel::createSysRecords"),
                                          tableName(), group->idValue().toString())
                                     .arg(usersGroupId)
                                     .toStdString());
    }
}

} // namespace KvoModel
