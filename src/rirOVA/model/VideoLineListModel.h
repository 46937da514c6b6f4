#pragma once

#include "kvoModel/model/ModelBase.h"

namespace KvoModelDesktopMedia {

// One row of the video-line list: a camera and the model of its archive line. No table.
class VideoLineListModel : public KvoModel::ModelBase {
public:
    VideoLineListModel();
};

} // namespace KvoModelDesktopMedia
