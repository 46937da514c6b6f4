#pragma once

#include "kvoModel/model/ModelBase.h"

namespace KvoModel {

// A principal that owns records; its table is the class-wide owner table name.
class OwnerBaseModel : public ModelBase {
public:
    OwnerBaseModel();
};

} // namespace KvoModel
