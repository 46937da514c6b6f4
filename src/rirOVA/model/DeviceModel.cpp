#include "DeviceModel.h"

namespace KvoModelDesktopMedia {

DeviceModel::DeviceModel() : DeviceBaseModel() {
    setTblName(QStringLiteral("device"));
    declareField(QStringLiteral("tileIndex"), fpNormal, sftInt, false, -1);
    declareField(QStringLiteral("ctxProducerKey"), fpNormal, sftVarchar, false, QVariant());
    declareField(QStringLiteral("rtpSenderConsumerKey"), fpNormal, sftVarchar, false, QVariant());
    declareField(QStringLiteral("enabled"), fpNormal, sftBool, true, true);

    appendTblIndex({QStringLiteral("ctxProducerKey")});
    appendTblIndex({QStringLiteral("rtpSenderConsumerKey")});
}

void DeviceModel::createSysRecords(KvoCore::DBSimple* db) {
    ModelBase::createSysRecords(db);
}

} // namespace KvoModelDesktopMedia
