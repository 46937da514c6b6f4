#include "UserModel.h"

#include "kvoCore/Location.h"

#include <stdexcept>

namespace KvoModelDesktopMedia {

UserModel::UserModel() : UserBaseModel() {}

QStringList UserModel::systemUserSigns() {
    return {QStringLiteral("admin"), QStringLiteral("Anna"), QStringLiteral("Boris"), QStringLiteral("Elena"),
            QStringLiteral("Ivan")};
}

void UserModel::createSysRecords(KvoCore::DBSimple* db) {
    ModelBase::createSysRecords(db);
    // The users of systemUserSigns() are written through the data-access layer.
    throw std::runtime_error(
        QStringLiteral("%1, system records of table '%2' are not written yet")
            .arg(KVO_LOCATION("KvoModelDesktopMedia::UserModel::createSysRecords"), tableName())
            .toStdString());
}

} // namespace KvoModelDesktopMedia
