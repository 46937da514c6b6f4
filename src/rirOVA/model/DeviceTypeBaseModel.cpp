#include "DeviceTypeBaseModel.h"

#include "kvoCore/Location.h"
#include "kvoModel/dao/DAO.h"

#include <stdexcept>

namespace KvoModel {

DeviceTypeBaseModel::DeviceTypeBaseModel() : ModelBase() {
    setTblName(QStringLiteral("deviceType"));
    declareField(QStringLiteral("code"), fpUnique | fpReadOnly, sftBigInt, true, 1, QStringLiteral("Code"));
    declareField(QStringLiteral("name"), fpNormal, sftText, false, QString(), QStringLiteral("Type Name"));
}

QList<QPair<qint64, QString>> DeviceTypeBaseModel::builtInTypes() {
    return {{2, QStringLiteral("IP Camera")},
            {3, QStringLiteral("USB Camera")},
            {4, QStringLiteral("File")},
            {5, QStringLiteral("Screen")}};
}

void DeviceTypeBaseModel::createSysRecords(KvoCore::DBSimple* db) {
    ModelBase::createSysRecords(db);
    try {
        for (const auto& type : builtInTypes()) {
            SharedPointerEx<ModelBase> model(new DeviceTypeBaseModel());
            DAO dao(model, db);
            dao.setUseRetMode(false);
            model->setValue(QStringLiteral("code"), type.first);
            if (dao.getByUnique(QStringLiteral("code"))) {
                continue;
            }
            model->populateDefault();
            model->setValue(QStringLiteral("code"), type.first);
            model->setValue(QStringLiteral("name"), type.second);
            dao.insert();
        }
    } catch (const std::exception& e) {
        throw std::runtime_error(
            QStringLiteral(
                "%1, failed createSysRecords (dao.insert) for table: '%2'.Dao.insert error desc: '%3'")
                .arg(KVO_LOCATION("KvoModel::DeviceTypeBaseModel::createSysRecords"), tableName(),
                     QString::fromUtf8(e.what()))
                .toStdString());
    }
}

} // namespace KvoModel
