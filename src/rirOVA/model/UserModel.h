#pragma once

#include "rirOVA/model/UserBaseModel.h"

#include <QStringList>

namespace KvoModelDesktopMedia {

// A user who may log in.
class UserModel : public KvoModel::UserBaseModel {
public:
    UserModel();
    UserModel(const UserModel& other) = default;
    UserModel& operator=(const UserModel& other) = default;

    // The users written with the table: "admin" first, then the sample users.
    static QStringList systemUserSigns();

    void createSysRecords(KvoCore::DBSimple* db) override;
};

} // namespace KvoModelDesktopMedia
