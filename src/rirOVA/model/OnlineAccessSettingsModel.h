#pragma once

#include "kvoModel/model/RstIdOwnerAttachedFieldModelHelper.h"
#include "rirOVA/model/SettingsBaseModel.h"

namespace KvoModelDesktopMedia {

class OnlineAccessSettingsModel : public SettingsBaseModel,
                                  public KvoModel::RstIdOwnerAttachedFieldModelHelper {
public:
    OnlineAccessSettingsModel();
};

} // namespace KvoModelDesktopMedia
