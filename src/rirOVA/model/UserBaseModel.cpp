#include "UserBaseModel.h"

#include <QCoreApplication>

namespace KvoModel {

UserBaseModel::UserBaseModel() : OwnerBaseModel() {
    declareField(QStringLiteral("firstName"), fpNormal, sftText, false, QVariant(),
                 QCoreApplication::translate("KvoModel::UserBaseModel", "First name"));
    declareField(QStringLiteral("middleName"), fpNormal, sftText, false, QVariant(),
                 QCoreApplication::translate("KvoModel::UserBaseModel", "Middle name"));
    declareField(QStringLiteral("lastName"), fpNormal, sftText, false, QVariant(),
                 QCoreApplication::translate("KvoModel::UserBaseModel", "Last name"));
    declareJoined(QStringLiteral("groupName"), QStringLiteral("userGroup"), QStringLiteral("name"),
                  QCoreApplication::translate("KvoModel::UserBaseModel", "Group"));
}

} // namespace KvoModel
