#include "TelegramSettingsModel.h"

namespace KvoModelDesktopMedia {

TelegramSettingsModel::TelegramSettingsModel()
    : SettingsBaseModel(), RstIdOwnerAttachedFieldModelHelper(this) {
    setTblName(QStringLiteral("telegramSettings"));
    // At most one settings record per owner.
    getFieldDescr(QStringLiteral("rstIdOwner")).appendFieldProperties(fpUnique);

    declareField(QStringLiteral("phone"), fpNormal, sftText, false, QString(), QStringLiteral("Phone"));
    declareField(QStringLiteral("code"), fpNormal, sftText, false, QString(), QStringLiteral("Code"));
    declareField(QStringLiteral("enabled"), fpNormal, sftBool, false, false, QStringLiteral("Enabled"));
    declareField(QStringLiteral("groupName"), fpNormal, sftText, false, QString(),
                 QStringLiteral("Group name"));
    declareField(QStringLiteral("isLink"), fpNormal, sftBool, false, false, QStringLiteral("Is link"));
    declareField(QStringLiteral("status"), fpNormal, sftText, false, QStringLiteral("n/a"),
                 QStringLiteral("status"));
    declareField(QStringLiteral("isNeedToConfirmCode"), fpNormal, sftBool, false, false);
    declareField(QStringLiteral("isLinking"), fpNormal, sftBool, false, false);
    declareField(QStringLiteral("isCodeChecking"), fpNormal, sftBool, false, false);
    declareField(QStringLiteral("ip"), fpNormal, sftText, false, QString());
    // An integer column whose default is the empty string, as the server keeps it.
    declareField(QStringLiteral("port"), fpNormal, sftInt, false, QString());
    declareField(QStringLiteral("protocol"), fpNormal, sftText, false, QString());
    declareField(QStringLiteral("proxyLogin"), fpNormal, sftText, false, QString());
    declareField(QStringLiteral("proxyPass"), fpNormal, sftText, false, QString());
    declareField(QStringLiteral("forWhiteUpdate"), fpNormal, sftBool, false, false);
}

} // namespace KvoModelDesktopMedia
