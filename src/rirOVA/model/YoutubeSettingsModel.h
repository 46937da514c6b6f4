#pragma once

#include "kvoModel/model/RstIdOwnerAttachedFieldModelHelper.h"
#include "rirOVA/model/SettingsBaseModel.h"

namespace KvoModelDesktopMedia {

// Streaming and upload settings of the YouTube channel; one per owner.
class YoutubeSettingsModel : public SettingsBaseModel, public KvoModel::RstIdOwnerAttachedFieldModelHelper {
public:
    YoutubeSettingsModel();

    // Default of "serverURL": the RTMP ingest address of the streaming service.
    static QString defaultServerUrl();
};

} // namespace KvoModelDesktopMedia
