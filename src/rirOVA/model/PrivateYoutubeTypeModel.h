#pragma once

#include "kvoModel/model/ModelBase.h"

namespace KvoModelDesktopMedia {

// Privacy levels of uploaded videos. "code" is NOT NULL without default, so default population fails:
// every record must say its code.
class PrivateYoutubeTypeModel : public KvoModel::ModelBase {
public:
    PrivateYoutubeTypeModel();
};

} // namespace KvoModelDesktopMedia
