#include "OwnerBaseModel.h"

#include <QCoreApplication>

namespace KvoModel {

OwnerBaseModel::OwnerBaseModel() : ModelBase() {
    setTblName(tnOwner());
    declareReference(QStringLiteral("rstIdGroup"), fpReference, tnGroup(), srtCascade, srtCascade, sftBigInt,
                     true, 1);
    // "sign" is the login name.
    declareField(QStringLiteral("sign"), fpUnique | fpReadOnly, sftText, true, QStringLiteral("n/a"),
                 QCoreApplication::translate("KvoModel::OwnerBaseModel", "Sign"));
    // The password hash made by KvoCore::Utils::getPwdHash; never sent unless asked for.
    declareField(QStringLiteral("pwd"), fpPrivate | fpReadOnly, sftText, false, QVariant(),
                 QCoreApplication::translate("KvoModel::OwnerBaseModel", "Password"));
    declareField(QStringLiteral("blocked"), fpReadOnly, sftBool, true, false,
                 QCoreApplication::translate("KvoModel::OwnerBaseModel", "Blocked"));
    declareField(QStringLiteral("passCheckVer"), fpNormal, sftBool, true, false,
                 QCoreApplication::translate("KvoModel::OwnerBaseModel", "Pass checking new ver."));
    declareField(QStringLiteral("innerNote"), fpNormal, sftText, false, QVariant(),
                 QCoreApplication::translate("KvoModel::OwnerBaseModel", "Inner note"));

    appendTblIndex({QStringLiteral("sign")});
    appendTblIndex({QStringLiteral("blocked")});
}

} // namespace KvoModel
