#include "ModuleSystemModel.h"

namespace KvoModelDesktopMedia {

ModuleSystemModel::ModuleSystemModel() : ModelBase() {}

} // namespace KvoModelDesktopMedia
