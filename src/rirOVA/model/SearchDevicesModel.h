#pragma once

#include "rirOVA/model/DeviceBaseModel.h"

namespace KvoModelDesktopMedia {

// A camera found by the network search; address and credentials travel with it but are never stored.
class SearchDevicesModel : public KvoModel::DeviceBaseModel {
public:
    SearchDevicesModel();
};

} // namespace KvoModelDesktopMedia
