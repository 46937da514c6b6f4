#include "DeviceBaseModel.h"

namespace KvoModel {

DeviceBaseModel::DeviceBaseModel() : ModelBase(), RstIdOwnerAttachedFieldModelHelper(this) {
    declareReference(QStringLiteral("rstIdDeviceType"), fpReference | fpReadOnly,
                     QStringLiteral("deviceType"), srtCascade, srtCascade, sftBigInt, true, 1,
                     QStringLiteral("Device type"));
    declareField(QStringLiteral("deviceName"), fpNormal, sftText, false, QString(),
                 QStringLiteral("Device name"));
    declareField(QStringLiteral("uid"), fpAutoUuid | fpReadOnly, sftText, false, QVariant(),
                 QStringLiteral("UID"));
    declareField(QStringLiteral("onvifUID"), fpReadOnly, sftVarchar, false, QVariant(),
                 QStringLiteral("onvifUID"));
    declareField(QStringLiteral("source"), fpNormal, sftVarchar, true, QStringLiteral("n/a"),
                 QStringLiteral("Camera real source"));
    declareField(QStringLiteral("isDetectMotion"), fpNormal, sftBool, true, false,
                 QStringLiteral("Detect motion"));
    declareField(QStringLiteral("isDetectObjects"), fpNormal, sftBool, true, false,
                 QStringLiteral("Detect objects"));
    declareField(QStringLiteral("isDetectCarNumber"), fpNormal, sftBool, true, false);
    declareField(QStringLiteral("isDetectFace"), fpNormal, sftBool, true, false);
    declareField(QStringLiteral("isRecognizeFace"), fpNormal, sftBool, true, false);
    declareField(QStringLiteral("clipEnabled"), fpNormal, sftBool, true, false);
    declareField(QStringLiteral("clipRegion"), fpNormal, sftVarchar, false, QString());
    declareField(QStringLiteral("monitorN"), fpNormal, sftVarchar, false, QString());
    declareJoined(QStringLiteral("typeCode"), QStringLiteral("deviceType"), QStringLiteral("code"),
                  QStringLiteral("Type code"));

    appendTblIndex({QStringLiteral("uid")});
    appendTblIndex({QStringLiteral("onvifUID")});
    appendTblIndex({QStringLiteral("source")});
}

} // namespace KvoModel
