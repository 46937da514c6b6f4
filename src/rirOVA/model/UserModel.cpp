#include "UserModel.h"

#include "kvoCore/Location.h"
#include "kvoCore/Utils.h"
#include "kvoModel/dao/DAO.h"
#include "kvoModel/model/OwnerGroupModel.h"

#include <stdexcept>

namespace KvoModelDesktopMedia {

UserModel::UserModel() : UserBaseModel() {}

QStringList UserModel::systemUserSigns() {
    return {QStringLiteral("admin"), QStringLiteral("Anna"), QStringLiteral("Boris"), QStringLiteral("Elena"),
            QStringLiteral("Ivan")};
}

void UserModel::createSysRecords(KvoCore::DBSimple* db) {
    ModelBase::createSysRecords(db);
    try {
        for (const QString& sign : systemUserSigns()) {
            SharedPointerEx<ModelBase> model(new UserModel());
            KvoModel::DAO dao(model, db);
            dao.setUseRetMode(false);
            model->setValue(QStringLiteral("sign"), sign);
            if (dao.getByUnique(QStringLiteral("sign"))) {
                continue;
            }
            model->populateDefault();
            model->setValue(QStringLiteral("sign"), sign);
            model->setValue(QStringLiteral("pwd"), KvoCore::Utils::getPwdHash(QString()));
            model->setValue(QStringLiteral("rstIdGroup"), KvoModel::OwnerGroupModel::usersGroupId);
            model->setValue(QStringLiteral("firstName"), QStringLiteral("n/a"));
            model->setValue(QStringLiteral("lastName"), QStringLiteral("n/a"));
            model->setValue(QStringLiteral("blocked"), false);
            dao.insert();
        }
    } catch (const std::exception& e) {
        throw std::runtime_error(
            QStringLiteral(
                "%1, failed createSysRecords (dao.insert) for table: '%2'.Dao.insert error desc: '%3'")
                .arg(KVO_LOCATION("KvoModelDesktopMedia::UserModel::createSysRecords"), tableName(),
                     QString::fromUtf8(e.what()))
                .toStdString());
    }
}

} // namespace KvoModelDesktopMedia
