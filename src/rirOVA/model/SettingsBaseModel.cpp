#include "SettingsBaseModel.h"

namespace KvoModelDesktopMedia {

SettingsBaseModel::SettingsBaseModel() : ModelBase() {}

} // namespace KvoModelDesktopMedia
