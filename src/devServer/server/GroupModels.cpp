#include "GroupModels.h"

#include "DeviceModuleStateModel.h"
#include "kvoCore/Location.h"
#include "kvoModel/model/OwnerGroupModel.h"
#include "rirOVA/model/ArchiveModel.h"
#include "rirOVA/model/DesktopLayoutModel.h"
#include "rirOVA/model/DeviceModel.h"
#include "rirOVA/model/DevicePasswordModel.h"
#include "rirOVA/model/DeviceRecStateModel.h"
#include "rirOVA/model/DeviceTypeModel.h"
#include "rirOVA/model/OnlineAccessSettingsModel.h"
#include "rirOVA/model/SearchDevicesModel.h"
#include "rirOVA/model/TelegramSettingsModel.h"
#include "rirOVA/model/UserModel.h"
#include "rirOVA/model/YoutubeSettingsModel.h"

#include <stdexcept>

namespace DevServer {

using namespace KvoModelDesktopMedia;

QStringList GroupModels::groups() {
    return {"device",       "deviceType",      "deviceRecState",   "devicePassword",       "users",
            "archive",      "youtubeSettings", "telegramSettings", "onlineAccessSettings", "searchDevices",
            "desktopLayout"};
}

SharedPointerEx<KvoModel::ModelBase> GroupModels::create(const QString& group) {
    using Model = SharedPointerEx<KvoModel::ModelBase>;
    if (group == QLatin1String("device")) {
        return Model(new DeviceModel);
    }
    if (group == QLatin1String("deviceType")) {
        return Model(new DeviceTypeModel);
    }
    if (group == QLatin1String("deviceRecState")) {
        return Model(new DeviceRecStateModel);
    }
    if (group == QLatin1String("devicePassword")) {
        return Model(new DevicePasswordModel);
    }
    if (group == QLatin1String("users")) {
        return Model(new UserModel);
    }
    if (group == QLatin1String("archive")) {
        return Model(new ArchiveModel);
    }
    if (group == QLatin1String("youtubeSettings")) {
        return Model(new YoutubeSettingsModel);
    }
    if (group == QLatin1String("telegramSettings")) {
        return Model(new TelegramSettingsModel);
    }
    if (group == QLatin1String("onlineAccessSettings")) {
        return Model(new OnlineAccessSettingsModel);
    }
    if (group == QLatin1String("searchDevices")) {
        return Model(new SearchDevicesModel);
    }
    if (group == QLatin1String("desktopLayout")) {
        return Model(new DesktopLayoutModel);
    }
    throw std::runtime_error(QStringLiteral("%1. '%2' is not a list group")
                                 .arg(KVO_LOCATION("DevServer::GroupModels::create"), group)
                                 .toStdString());
}

std::vector<SharedPointerEx<KvoModel::ModelBase>> GroupModels::tables() {
    using Model = SharedPointerEx<KvoModel::ModelBase>;
    // Groups before their owners, owners before the records that belong to them; devices before what refers
    // to devices.
    return {Model(new KvoModel::OwnerGroupModel),
            Model(new UserModel),
            Model(new DeviceTypeModel),
            Model(new DeviceModel),
            Model(new DeviceRecStateModel),
            Model(new DevicePasswordModel),
            Model(new ArchiveModel),
            Model(new SearchDevicesModel),
            Model(new YoutubeSettingsModel),
            Model(new TelegramSettingsModel),
            Model(new OnlineAccessSettingsModel),
            Model(new DeviceModuleStateModel),
            Model(new DesktopLayoutModel)};
}

} // namespace DevServer
