#include "DevicePasswordModel.h"

#include "kvoCore/Location.h"
#include "kvoCore/db/DBSimple.h"
#include "kvoModel/dao/DAO.h"
#include "rirOVA/model/OwnerBaseModel.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSqlQuery>

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
    try {
        // Owner ids first: the list query must be read to its end before the inserts run.
        QList<QVariant> owners;
        {
            SharedPointerEx<ModelBase> owner(new KvoModel::OwnerBaseModel());
            QSqlQuery query(db->sqlDb());
            KvoModel::DAO(owner, db).entriesList(query, {QStringLiteral("id")}, QJsonObject(), 0,
                                                 QJsonArray());
            while (query.next()) {
                owners << query.value(QStringLiteral("id"));
            }
        }
        for (const QVariant& owner : owners) {
            for (const auto& credential : builtInCredentials()) {
                SharedPointerEx<ModelBase> model(new DevicePasswordModel());
                KvoModel::DAO dao(model, db);
                dao.setUseRetMode(false);
                // Empty text rather than NULL, so that the look-up below finds the row next time.
                const QString password = credential.second.isNull() ? QStringLiteral("") : credential.second;
                model->setValue(QStringLiteral("rstIdOwner"), owner);
                model->setValue(QStringLiteral("login"), credential.first);
                model->setValue(QStringLiteral("password"), password);
                if (dao.getByUnique(QStringLiteral("rstIdOwner"),
                                    {QStringLiteral("login"), QStringLiteral("password")})) {
                    continue;
                }
                model->populateDefault();
                model->setValue(QStringLiteral("rstIdOwner"), owner);
                model->setValue(QStringLiteral("login"), credential.first);
                model->setValue(QStringLiteral("password"), password);
                dao.insert();
            }
        }
    } catch (const std::exception& e) {
        throw std::runtime_error(
            QStringLiteral(
                "%1, failed createSysRecords (dao.insert) for table: '%2'.Dao.insert error desc: '%3'")
                .arg(KVO_LOCATION("KvoModelDesktopMedia::DevicePasswordModel::createSysRecords"), tableName(),
                     QString::fromUtf8(e.what()))
                .toStdString());
    }
}

} // namespace KvoModelDesktopMedia
