#pragma once

#include "rirOVA/model/DeviceBaseModel.h"

namespace KvoModelDesktopMedia {

// A configured camera.
class DeviceModel : public KvoModel::DeviceBaseModel {
public:
    DeviceModel();

    // Only the placeholder row.
    void createSysRecords(KvoCore::DBSimple* db) override;
};

} // namespace KvoModelDesktopMedia
