#include "DevicePasswordModel.h"

#include "kvoCore/Location.h"

#include <stdexcept>

namespace KvoModelDesktopMedia {

DevicePasswordModel::DevicePasswordModel() : ModelBase(), RstIdOwnerAttachedFieldModelHelper(this) {
    setTblName(QStringLiteral("devicePassword"));
    declareField(QStringLiteral("login"), fpNormal, sftText, true, QString(), QStringLiteral("Login"));
    declareField(QStringLiteral("password"), fpNormal, sftText, false, QString(), QStringLiteral("Password"));
}

QList<QPair<QString, QString>> DevicePasswordModel::builtInCredentials() {
    return {{QStringLiteral("admin"), QString()}, {QStringLiteral("admin"), QStringLiteral("vemsk")}};
}

void DevicePasswordModel::createSysRecords(KvoCore::DBSimple* db) {
    ModelBase::createSysRecords(db);
    // The per-owner rows of builtInCredentials() are written through the data-access layer.
    throw std::runtime_error(
        QStringLiteral("%1, system records of table '%2' are not written yet")
            .arg(KVO_LOCATION("KvoModelDesktopMedia::DevicePasswordModel::createSysRecords"), tableName())
            .toStdString());
}

} // namespace KvoModelDesktopMedia
