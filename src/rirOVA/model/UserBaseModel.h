#pragma once

#include "rirOVA/model/OwnerBaseModel.h"

namespace KvoModel {

// An owner that is a person, with the name of its group.
class UserBaseModel : public OwnerBaseModel {
public:
    UserBaseModel();
};

} // namespace KvoModel
