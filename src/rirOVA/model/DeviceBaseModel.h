#pragma once

#include "kvoModel/model/ModelBase.h"
#include "kvoModel/model/RstIdOwnerAttachedFieldModelHelper.h"

namespace KvoModel {

// Camera description shared by configured cameras and cameras found by the network search; the table
// name is set by the subclasses.
class DeviceBaseModel : public ModelBase, public RstIdOwnerAttachedFieldModelHelper {
public:
    DeviceBaseModel();
};

} // namespace KvoModel
