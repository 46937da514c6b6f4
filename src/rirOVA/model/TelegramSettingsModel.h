#pragma once

#include "kvoModel/model/RstIdOwnerAttachedFieldModelHelper.h"
#include "rirOVA/model/SettingsBaseModel.h"

namespace KvoModelDesktopMedia {

// Telegram notification settings and the state of linking an account; one per owner.
class TelegramSettingsModel : public SettingsBaseModel, public KvoModel::RstIdOwnerAttachedFieldModelHelper {
public:
    TelegramSettingsModel();
};

} // namespace KvoModelDesktopMedia
