#include "VideoLineListModel.h"

namespace KvoModelDesktopMedia {

VideoLineListModel::VideoLineListModel() : ModelBase() {
    // A plain number here, not a reference: the list is never stored.
    declareField(QStringLiteral("rstIDDevice"), fpNormal, sftBigInt, true, 1);
    declareField(QStringLiteral("deviceName"), fpNormal, sftText, false, QString(),
                 QStringLiteral("Device name"));
    declareField(QStringLiteral("modelOfArchiveLine"), fpNormal, sftText, false, QString());
}

} // namespace KvoModelDesktopMedia
