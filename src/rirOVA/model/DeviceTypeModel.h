#pragma once

#include "rirOVA/model/DeviceTypeBaseModel.h"

namespace KvoModelDesktopMedia {

class DeviceTypeModel : public KvoModel::DeviceTypeBaseModel {
public:
    DeviceTypeModel();
};

} // namespace KvoModelDesktopMedia
