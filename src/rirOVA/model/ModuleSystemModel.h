#pragma once

#include "kvoModel/model/ModelBase.h"

namespace KvoModelDesktopMedia {

// A detector module of the server; only the base fields, the rest travels as record keys.
class ModuleSystemModel : public KvoModel::ModelBase {
public:
    ModuleSystemModel();
};

} // namespace KvoModelDesktopMedia
