#include "SearchDevicesModel.h"

namespace KvoModelDesktopMedia {

SearchDevicesModel::SearchDevicesModel() : DeviceBaseModel() {
    setTblName(QStringLiteral("searchDevices"));
    declareField(QStringLiteral("state"), fpNormal, sftInt, false, QVariant(), QStringLiteral("State"));
    declareField(QStringLiteral("ip"), fpNotStored, sftText, false, QVariant(), QStringLiteral("Ip address"));
    declareField(QStringLiteral("login"), fpNotStored, sftText, false, QVariant(), QStringLiteral("Login"));
    declareField(QStringLiteral("password"), fpNotStored, sftText, false, QVariant(),
                 QStringLiteral("Password"));
    declareField(QStringLiteral("num"), fpReadOnly, sftBigInt, false, QVariant(), QStringLiteral("Num"));
    declareField(QStringLiteral("picture"), fpReadOnly, sftVarchar, false, QVariant(),
                 QStringLiteral("Picture"));
    declareField(QStringLiteral("isNew"), fpNormal, sftBool, false, false, QStringLiteral("New"));
    declareField(QStringLiteral("isAdd"), fpNotStored, sftBool, false, false, QStringLiteral("Add"));
}

} // namespace KvoModelDesktopMedia
