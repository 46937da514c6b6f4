#include "DesktopLayoutModel.h"

namespace KvoModelDesktopMedia {

DesktopLayoutModel::DesktopLayoutModel() : ModelBase(), RstIdOwnerAttachedFieldModelHelper(this) {
    setTblName(QStringLiteral("desktopLayout"));
    declareField(QStringLiteral("name"), fpNormal, sftText, true, QString(), QStringLiteral("Layout name"));
    declareField(QStringLiteral("gridSize"), fpNormal, sftText, true, QStringLiteral("S2_2"));
    // [{"slot", "deviceId", "mirrorHorizontally", "mirrorVertically", "rotateAngle", "ignoreAspectRatio"}]
    declareField(QStringLiteral("tiles"), fpNormal, sftText, true, QStringLiteral("[]"));
    // Order of the layouts in the tool bar (and of their shortcuts).
    declareField(QStringLiteral("position"), fpNormal, sftInt, true, 0);
    // When the user last switched to this layout on any workstation (ms since the epoch, 0 never),
    // so that a workstation that logs in shows the layout the user last chose.
    declareField(QStringLiteral("lastShown"), fpNormal, sftBigInt, true, 0);

    appendTblIndex({QStringLiteral("rstIdOwner"), QStringLiteral("name")});
}

} // namespace KvoModelDesktopMedia
