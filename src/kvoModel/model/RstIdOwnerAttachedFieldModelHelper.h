#pragma once

#include "kvoModel/model/ModelHelperBase.h"

namespace KvoModel {

// Adds "rstIdOwner", the reference to the owner (user) a record belongs to.
class RstIdOwnerAttachedFieldModelHelper : public ModelHelperBase {
public:
    explicit RstIdOwnerAttachedFieldModelHelper(ModelBase* owner);
};

} // namespace KvoModel
