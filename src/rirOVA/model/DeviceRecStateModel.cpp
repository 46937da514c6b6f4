#include "DeviceRecStateModel.h"

namespace KvoModelDesktopMedia {

DeviceRecStateModel::DeviceRecStateModel() : ModelBase(), RstIdOwnerAttachedFieldModelHelper(this) {
    setTblName(QStringLiteral("deviceRecState"));
    declareReference(QStringLiteral("rstIDDevice"), fpReference | fpReadOnly, QStringLiteral("device"),
                     srtCascade, srtCascade, sftBigInt, true, 1);
    declareField(QStringLiteral("recState"), fpNormal, sftText, true, QStringLiteral("recorded"));
    declareField(QStringLiteral("dtRecStarted"), fpNormal, sftBigInt, true, 0);

    appendTblIndex({QStringLiteral("rstIDDevice")});
}

} // namespace KvoModelDesktopMedia
