#include "DeviceTypeBaseModel.h"

#include "kvoCore/Location.h"

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
    // The rows of builtInTypes() are written through the data-access layer.
    throw std::runtime_error(
        QStringLiteral("%1, system records of table '%2' are not written yet")
            .arg(KVO_LOCATION("KvoModel::DeviceTypeBaseModel::createSysRecords"), tableName())
            .toStdString());
}

} // namespace KvoModel
