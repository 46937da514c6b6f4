#include "DeviceTypeModel.h"

namespace KvoModelDesktopMedia {

DeviceTypeModel::DeviceTypeModel() : DeviceTypeBaseModel() {}

} // namespace KvoModelDesktopMedia
