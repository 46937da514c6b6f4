#pragma once

#include "kvoModel/model/ModelBase.h"
#include "kvoModel/model/RstIdOwnerAttachedFieldModelHelper.h"

namespace KvoModelDesktopMedia {

// Recording state of a camera.
class DeviceRecStateModel : public KvoModel::ModelBase, public KvoModel::RstIdOwnerAttachedFieldModelHelper {
public:
    DeviceRecStateModel();
};

} // namespace KvoModelDesktopMedia
