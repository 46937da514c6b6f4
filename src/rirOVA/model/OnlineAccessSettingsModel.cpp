#include "OnlineAccessSettingsModel.h"

namespace KvoModelDesktopMedia {

OnlineAccessSettingsModel::OnlineAccessSettingsModel()
    : SettingsBaseModel(), RstIdOwnerAttachedFieldModelHelper(this) {
    setTblName(QStringLiteral("onlineAccessSettings"));
    declareField(QStringLiteral("login"), fpNormal, sftText, false, QString());
    declareField(QStringLiteral("password"), fpNormal, sftText, false, QString());
    declareField(QStringLiteral("authKey"), fpNormal, sftText, false, QString());
    declareField(QStringLiteral("enabled"), fpNormal, sftBool, true, true);
}

} // namespace KvoModelDesktopMedia
