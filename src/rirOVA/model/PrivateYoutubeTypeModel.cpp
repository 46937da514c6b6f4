#include "PrivateYoutubeTypeModel.h"

namespace KvoModelDesktopMedia {

PrivateYoutubeTypeModel::PrivateYoutubeTypeModel() : ModelBase() {
    setTblName(QStringLiteral("privateYoutubeType"));
    declareField(QStringLiteral("code"), fpNormal, sftBigInt, true, QVariant(), QStringLiteral("Code"));
    declareField(QStringLiteral("name"), fpNormal, sftText, false, QString(), QStringLiteral("Type Name"));
}

} // namespace KvoModelDesktopMedia
