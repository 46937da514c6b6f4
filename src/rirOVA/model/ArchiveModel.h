#pragma once

#include "kvoModel/model/ModelBase.h"
#include "kvoModel/model/RstIdOwnerAttachedFieldModelHelper.h"

namespace KvoModelDesktopMedia {

// A recorded clip with its detection result and upload states.
class ArchiveModel : public KvoModel::ModelBase, public KvoModel::RstIdOwnerAttachedFieldModelHelper {
public:
    ArchiveModel();
};

} // namespace KvoModelDesktopMedia
