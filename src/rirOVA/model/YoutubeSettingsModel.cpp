#include "YoutubeSettingsModel.h"

namespace KvoModelDesktopMedia {

YoutubeSettingsModel::YoutubeSettingsModel() : SettingsBaseModel(), RstIdOwnerAttachedFieldModelHelper(this) {
    setTblName(QStringLiteral("youtubeSettings"));
    // At most one settings record per owner.
    getFieldDescr(QStringLiteral("rstIdOwner")).appendFieldProperties(fpUnique);

    declareReference(QStringLiteral("rstIDStreamDevice"), fpReference, QStringLiteral("device"),
                     srtSetDefault, srtSetDefault, sftBigInt, true, 1, QStringLiteral("Camera to stream"));
    declareField(QStringLiteral("isUploadEvents"), fpNormal, sftBool, false, false,
                 QStringLiteral("Upload eventes"));
    declareField(QStringLiteral("privacyType"), fpNormal, sftBigInt, true, 1, QStringLiteral("Privacy type"));
    declareField(QStringLiteral("isStreamDeviceOnYoutube"), fpNormal, sftBool, false, false,
                 QStringLiteral("Camera source"));
    declareField(QStringLiteral("serverURL"), fpNormal, sftText, false, defaultServerUrl(),
                 QStringLiteral("Server URL"));
    declareField(QStringLiteral("streamKey"), fpNormal, sftText, false, QString(),
                 QStringLiteral("Stream key"));
    declareField(QStringLiteral("channelName"), fpNormal, sftText, false,
                 QStringLiteral("Undefined channel"));
    declareField(QStringLiteral("access_token"), fpNormal, sftText, false, QString());
    declareField(QStringLiteral("refresh_token"), fpNormal, sftText, false, QString());
    declareField(QStringLiteral("utc_expired_date"), fpNormal, sftText, false, QString());
    declareField(QStringLiteral("status"), fpNormal, sftText, false, QStringLiteral("n/a"),
                 QStringLiteral("status"));
}

QString YoutubeSettingsModel::defaultServerUrl() {
    return QStringLiteral("rtmp://a.rtmp.youtube.com/live2");
}

} // namespace KvoModelDesktopMedia
