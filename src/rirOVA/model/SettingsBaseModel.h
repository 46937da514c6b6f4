#pragma once

#include "kvoModel/model/ModelBase.h"

namespace KvoModelDesktopMedia {

// Common base of the settings records.
class SettingsBaseModel : public KvoModel::ModelBase {
public:
    SettingsBaseModel();
};

} // namespace KvoModelDesktopMedia
