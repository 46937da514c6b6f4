#include "ArchiveModel.h"

namespace KvoModelDesktopMedia {

ArchiveModel::ArchiveModel() : ModelBase(), RstIdOwnerAttachedFieldModelHelper(this) {
    setTblName(QStringLiteral("archive"));
    declareReference(QStringLiteral("rstIDDevice"), fpReference | fpReadOnly, QStringLiteral("device"),
                     srtCascade, srtCascade, sftBigInt, true, 1);
    declareField(QStringLiteral("type"), fpReadOnly, sftBigInt, true, 0);
    declareField(QStringLiteral("dtStart"), fpReadOnly, sftBigInt, true, 0, QStringLiteral("Time"));
    declareField(QStringLiteral("dtEnd"), fpNormal, sftBigInt, true, 0);
    declareField(QStringLiteral("duration"), fpNormal, sftBigInt, true, 0);
    declareField(QStringLiteral("xOffset"), fpReadOnly, sftBigInt, true, 0);
    declareField(QStringLiteral("filePath"), fpNormal, sftText, true, QString());
    declareField(QStringLiteral("archiveUuid"), fpReadOnly, sftVarchar, false, QVariant());
    declareField(QStringLiteral("final"), fpNormal, sftBool, true, false, QStringLiteral("State"));
    declareField(QStringLiteral("detected"), fpNormal, sftText, true, QStringLiteral("Unidentified object"),
                 QStringLiteral("Detected"));
    declareField(QStringLiteral("deviceName"), fpReadOnly, sftText, true, QStringLiteral("n/a"),
                 QStringLiteral("Device name"));
    declareField(QStringLiteral("youtubeUploadedStatus"), fpNormal, sftText, true, QStringLiteral("created"));
    declareField(QStringLiteral("tgUploadedStatus"), fpNormal, sftText, true, QStringLiteral("created"));
    declareField(QStringLiteral("youtubePrivacyType"), fpNormal, sftBigInt, true, 1);
    declareField(QStringLiteral("dtStartYoutubeLoad"), fpNormal, sftBigInt, true, 0);
    declareField(QStringLiteral("dtStartTgLoad"), fpNormal, sftBigInt, true, 0);
    declareField(QStringLiteral("dtEndYoutubeLoad"), fpNormal, sftBigInt, true, 0);
    declareField(QStringLiteral("dtEndTgLoad"), fpNormal, sftBigInt, true, 0);
    declareField(QStringLiteral("youtubeLoadAttempts"), fpNormal, sftInt, true, 0);
    declareField(QStringLiteral("tgLoadAttempts"), fpNormal, sftInt, true, 0);

    appendTblIndex({QStringLiteral("archiveUuid")});
    appendTblIndex({QStringLiteral("dtStart")});
    appendTblIndex({QStringLiteral("dtEnd")});
}

} // namespace KvoModelDesktopMedia
