#pragma once

#include "kvoModel/model/ModelBase.h"
#include "kvoModel/model/RstIdOwnerAttachedFieldModelHelper.h"

namespace KvoModelDesktopMedia {

// A saved desktop layout of one user: the grid size and, as JSON text, which camera sits on which
// tile with the tile's mirror, rotation and aspect choices.
class DesktopLayoutModel : public KvoModel::ModelBase, public KvoModel::RstIdOwnerAttachedFieldModelHelper {
public:
    DesktopLayoutModel();
};

} // namespace KvoModelDesktopMedia
