#pragma once

#include "kvoModel/model/ModelBase.h"

namespace KvoModel {

// The groups that owners (users) belong to: table tnGroup, referenced by the owners' "rstIdGroup" and
// shown through their joined "groupName". Row 2 is the group of the users the system records create.
class OwnerGroupModel : public ModelBase {
public:
    OwnerGroupModel();

    static constexpr qint64 usersGroupId = 2;

    void createSysRecords(KvoCore::DBSimple* db) override;
};

} // namespace KvoModel
