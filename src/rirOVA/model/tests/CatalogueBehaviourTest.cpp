#include "rirOVA/model/ArchiveModel.h"
#include "rirOVA/model/DeviceModel.h"
#include "rirOVA/model/DevicePasswordModel.h"
#include "rirOVA/model/DeviceRecStateModel.h"
#include "rirOVA/model/DeviceTypeModel.h"
#include "rirOVA/model/ModuleSystemModel.h"
#include "rirOVA/model/OnlineAccessSettingsModel.h"
#include "rirOVA/model/PrivateYoutubeTypeModel.h"
#include "rirOVA/model/SearchDevicesModel.h"
#include "rirOVA/model/TelegramSettingsModel.h"
#include "rirOVA/model/UserModel.h"
#include "rirOVA/model/VideoLineListModel.h"
#include "rirOVA/model/YoutubeSettingsModel.h"

#include <QSet>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

using KvoModel::ModelBase;
using namespace KvoModelDesktopMedia;

namespace {

std::vector<std::unique_ptr<ModelBase>> populatableModels() {
    std::vector<std::unique_ptr<ModelBase>> models;
    models.emplace_back(new ArchiveModel);
    models.emplace_back(new VideoLineListModel);
    models.emplace_back(new DeviceModel);
    models.emplace_back(new SearchDevicesModel);
    models.emplace_back(new DevicePasswordModel);
    models.emplace_back(new DeviceRecStateModel);
    models.emplace_back(new DeviceTypeModel);
    models.emplace_back(new ModuleSystemModel);
    models.emplace_back(new UserModel);
    models.emplace_back(new OnlineAccessSettingsModel);
    models.emplace_back(new YoutubeSettingsModel);
    models.emplace_back(new TelegramSettingsModel);
    return models;
}

} // namespace

TEST(CatalogueDefaults, EveryModelButPrivacyTypesPopulatesDefaults) {
    for (const auto& model : populatableModels()) {
        SCOPED_TRACE(model->tableName().toStdString());
        ASSERT_NO_THROW(model->populateDefault());
        EXPECT_EQ(model->idValue(), QVariant(1));
        for (auto it = model->fieldsList().cbegin(); it != model->fieldsList().cend(); ++it) {
            const FieldDescr& f = it.value();
            if (f.hasProperty(fpJoined | fpNotStored)) {
                continue;
            }
            if (f.defaultValue.isValid()) {
                EXPECT_EQ(f.value, f.defaultValue) << it.key().toStdString();
            } else if (!f.refTable.isEmpty()) {
                EXPECT_EQ(f.value, QVariant(1)) << it.key().toStdString();
            }
            if (f.notNull) {
                EXPECT_TRUE(f.value.isValid()) << it.key().toStdString();
            }
        }
    }
}

TEST(CatalogueDefaults, ReferencesPointAtPlaceholderRowAndTransientFieldsStayUntouched) {
    DeviceModel device;
    device.populateDefault();
    EXPECT_EQ(device.value("rstIdDeviceType"), QVariant(1));
    EXPECT_EQ(device.value("rstIdOwner"), QVariant(1));
    EXPECT_EQ(device.value("tileIndex"), QVariant(-1));
    EXPECT_EQ(device.value("enabled"), QVariant(true));
    EXPECT_FALSE(device.value("typeCode").isValid());

    SearchDevicesModel found;
    found.setValue("ip", "10.0.0.5");
    found.populateDefault();
    EXPECT_EQ(found.value("ip").toString(), "10.0.0.5");
    EXPECT_FALSE(found.value("isAdd").isValid());
    EXPECT_EQ(found.value("isNew"), QVariant(false));
}

TEST(CatalogueDefaults, PrivacyTypesNeedTheirCode) {
    PrivateYoutubeTypeModel model;
    try {
        model.populateDefault();
        FAIL() << "populateDefault succeeded";
    } catch (const std::runtime_error& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("KvoModel::ModelBase::populateDefault line: "), std::string::npos) << what;
        EXPECT_NE(
            what.find("field 'code' in table 'privateYoutubeType' is not null, but default value is't set"),
            std::string::npos)
            << what;
    }
    // Populated from a record that carries the code, the model is complete.
    model.populateFieldsList(KvoCore::DTO{{"id", 2}, {"code", 2}, {"name", " Public "}});
    EXPECT_EQ(model.value("code").toLongLong(), 2);
    EXPECT_EQ(model.value("name").toString(), "Public");
}

TEST(CatalogueOwner, OwnerAndGroupTablesFollowTheClassWideNames) {
    UserModel clientUser;
    EXPECT_TRUE(clientUser.tableName().isEmpty());
    EXPECT_TRUE(clientUser.getFieldDescr("rstIdGroup").refTable.isEmpty());

    ModelBase::init("users", "userGroup", "sessions", stDevServer);
    UserModel user;
    ArchiveModel archive;
    TelegramSettingsModel telegram;
    ModelBase::init(QString(), QString(), QString(), stUndefined);

    EXPECT_EQ(user.tableName(), "users");
    EXPECT_EQ(user.getFieldDescr("rstIdGroup").refTable, "userGroup");
    EXPECT_EQ(user.getFieldDescr("groupName").refTable, "userGroup");
    EXPECT_EQ(archive.getFieldDescr("rstIdOwner").refTable, "users");
    EXPECT_EQ(telegram.getFieldDescr("rstIdOwner").properties, fpReference | fpUnique | fpReadOnly);
    EXPECT_EQ(archive.getFieldDescr("rstIdOwner").properties, fpReference | fpReadOnly);
}

TEST(CatalogueRecords, UserRecordHidesPasswordHashUnlessAsked) {
    UserModel user;
    user.populateFieldsList(KvoCore::DTO{{"sign", "  Anna "},
                                         {"pwd", "abc"},
                                         {"firstName", "Anna"},
                                         {"groupName", "operators"},
                                         {"FN", "users_saGetList"}});
    EXPECT_EQ(user.value("sign").toString(), "Anna");
    EXPECT_EQ(user.value("groupName").toString(), "operators");

    KvoCore::DTO out;
    user.appendFieldListToDto(out, false);
    EXPECT_FALSE(out.params.contains("pwd"));
    EXPECT_FALSE(out.params.contains("FN"));
    EXPECT_EQ(out.params.value("firstName").toString(), "Anna");
    KvoCore::DTO withPwd;
    user.appendFieldListToDto(withPwd, true);
    EXPECT_EQ(withPwd.params.value("pwd").toString(), "abc");

    // Copies are independent records with the same schema.
    UserModel copy(user);
    copy.setValue("sign", "Boris");
    EXPECT_EQ(user.value("sign").toString(), "Anna");
    EXPECT_EQ(copy.fieldNamesInOrder(), user.fieldNamesInOrder());
    UserModel assigned;
    assigned = copy;
    EXPECT_EQ(assigned.value("sign").toString(), "Boris");
}

TEST(CatalogueRecords, DeviceRecordRoundTripsThroughDto) {
    DeviceModel device;
    device.populateDefault();
    device.populateFieldsList(KvoCore::DTO{{"id", 12},
                                           {"deviceName", " Gate "},
                                           {"isDetectMotion", true},
                                           {"tileIndex", 3},
                                           {"typeCode", 2},
                                           {"unknown", "x"}});
    const KvoCore::DTO dto = device.values();
    EXPECT_EQ(dto.params.size(), device.fieldsList().size());
    EXPECT_EQ(dto.params.value("deviceName").toString(), "Gate");
    EXPECT_EQ(dto.params.value("id").toInt(), 12);
    EXPECT_TRUE(dto.params.value("isDetectMotion").toBool());
    EXPECT_EQ(dto.params.value("typeCode").toInt(), 2);
    EXPECT_FALSE(dto.params.contains("unknown"));

    // What goes out as a record comes back as the same record.
    DeviceModel other;
    other.populateFieldsList(dto);
    EXPECT_EQ(other.values().params, dto.params);
    EXPECT_EQ(other.value("tileIndex").toInt(), 3);
    EXPECT_EQ(other.value("source").toString(), "n/a");
}

TEST(CatalogueSystemRows, BuiltInRowsAreComplete) {
    const auto types = KvoModel::DeviceTypeBaseModel::builtInTypes();
    ASSERT_EQ(types.size(), 4);
    EXPECT_EQ(types.at(0), qMakePair(qint64(2), QString("IP Camera")));
    EXPECT_EQ(types.at(1), qMakePair(qint64(3), QString("USB Camera")));
    EXPECT_EQ(types.at(2), qMakePair(qint64(4), QString("File")));
    EXPECT_EQ(types.at(3), qMakePair(qint64(5), QString("Screen")));

    const auto credentials = DevicePasswordModel::builtInCredentials();
    ASSERT_EQ(credentials.size(), 2);
    EXPECT_EQ(credentials.at(0), qMakePair(QString("admin"), QString()));
    EXPECT_EQ(credentials.at(1), qMakePair(QString("admin"), QString("vemsk")));

    const QStringList users = UserModel::systemUserSigns();
    ASSERT_EQ(users.size(), 5);
    EXPECT_EQ(users.first(), "admin");
    EXPECT_EQ(QSet<QString>(users.begin(), users.end()).size(), 5);
    // Signs must fit the "sign" column and be valid log-in names.
    for (const QString& sign : users) {
        EXPECT_FALSE(sign.trimmed().isEmpty());
        EXPECT_EQ(sign, sign.trimmed());
    }
    EXPECT_TRUE(YoutubeSettingsModel::defaultServerUrl().startsWith("rtmp://"));
    EXPECT_TRUE(YoutubeSettingsModel::defaultServerUrl().endsWith("/live2"));
}
