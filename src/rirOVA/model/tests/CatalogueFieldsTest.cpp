// Every model's field list against the catalogue, written out independently of the model sources so that
// a misspelt name, a wrong flag or a wrong default in any model fails here.
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

#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

using KvoModel::ModelBase;
using namespace KvoModelDesktopMedia;

namespace {

struct F {
    QString name;
    QString title;
    SqlFldType type;
    FieldProprties flags;
    bool notNull;
    QVariant def;
    QString refTable;
    SqlReferenceRelationType onDelete = srtRestrict;
    SqlReferenceRelationType onUpdate = srtRestrict;
    QString joinField;
};

const QVariant NONE;
const QVariant EMPTY = QString();

F plain(const QString& name, const QString& title, SqlFldType type, FieldProprties flags, bool nn,
        const QVariant& def) {
    return F{name, title, type, flags, nn, def, QString()};
}
F ref(const QString& name, const QString& title, FieldProprties flags, const QString& table,
      SqlReferenceRelationType del, SqlReferenceRelationType upd) {
    F f{name, title, sftBigInt, flags, true, 1, table};
    f.onDelete = del;
    f.onUpdate = upd;
    return f;
}
F joined(const QString& name, const QString& title, const QString& table, const QString& column) {
    F f{name, title, sftNone, fpJoined, false, NONE, table};
    f.joinField = column;
    return f;
}

std::vector<F> base() {
    return {plain("id", "Id", sftBigInt, fpPrimaryKey, false, NONE),
            plain("dtUpdate", "Update time", sftBigInt, fpUpdateTime, true, 0),
            plain("dtInsert", "Insert time", sftBigInt, fpInsertTime | fpReadOnly, true, 0)};
}

F owner(bool unique) {
    return ref("rstIdOwner", "Id owner", fpReference | fpReadOnly | (unique ? fpUnique : fpReference),
               ModelBase::tnOwner(), srtCascade, srtCascade);
}

std::vector<F> deviceBase() {
    return {
        ref("rstIdDeviceType", "Device type", fpReference | fpReadOnly, "deviceType", srtCascade, srtCascade),
        plain("deviceName", "Device name", sftText, fpNormal, false, EMPTY),
        plain("uid", "UID", sftText, fpAutoUuid | fpReadOnly, false, NONE),
        plain("onvifUID", "onvifUID", sftVarchar, fpReadOnly, false, NONE),
        plain("source", "Camera real source", sftVarchar, fpNormal, true, "n/a"),
        plain("isDetectMotion", "Detect motion", sftBool, fpNormal, true, false),
        plain("isDetectObjects", "Detect objects", sftBool, fpNormal, true, false),
        plain("isDetectCarNumber", "", sftBool, fpNormal, true, false),
        plain("isDetectFace", "", sftBool, fpNormal, true, false),
        plain("isRecognizeFace", "", sftBool, fpNormal, true, false),
        plain("clipEnabled", "", sftBool, fpNormal, true, false),
        plain("clipRegion", "", sftVarchar, fpNormal, false, EMPTY),
        plain("monitorN", "", sftVarchar, fpNormal, false, EMPTY),
        joined("typeCode", "Type code", "deviceType", "code")};
}

std::vector<F> ownerBase() {
    return {ref("rstIdGroup", "", fpReference, ModelBase::tnGroup(), srtCascade, srtCascade),
            plain("sign", "Sign", sftText, fpUnique | fpReadOnly, true, "n/a"),
            plain("pwd", "Password", sftText, fpPrivate | fpReadOnly, false, NONE),
            plain("blocked", "Blocked", sftBool, fpReadOnly, true, false),
            plain("passCheckVer", "Pass checking new ver.", sftBool, fpNormal, true, false),
            plain("innerNote", "Inner note", sftText, fpNormal, false, NONE),
            plain("firstName", "First name", sftText, fpNormal, false, NONE),
            plain("middleName", "Middle name", sftText, fpNormal, false, NONE),
            plain("lastName", "Last name", sftText, fpNormal, false, NONE),
            joined("groupName", "Group", "userGroup", "name")};
}

struct Entry {
    const char* cls;
    std::function<std::unique_ptr<ModelBase>()> make;
    QString table;
    std::vector<F> fields;
    QList<QStringList> indexes;
};

void PrintTo(const Entry& e, std::ostream* os) {
    *os << e.cls;
}

template <class T>
std::function<std::unique_ptr<ModelBase>()> maker() {
    return [] { return std::unique_ptr<ModelBase>(new T()); };
}

std::vector<F> join(std::initializer_list<std::vector<F>> parts) {
    std::vector<F> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

std::vector<Entry> catalogue() {
    std::vector<Entry> c;
    c.push_back({"ArchiveModel",
                 maker<ArchiveModel>(),
                 "archive",
                 join({base(),
                       {owner(false),
                        ref("rstIDDevice", "", fpReference | fpReadOnly, "device", srtCascade, srtCascade),
                        plain("type", "", sftBigInt, fpReadOnly, true, 0),
                        plain("dtStart", "Time", sftBigInt, fpReadOnly, true, 0),
                        plain("dtEnd", "", sftBigInt, fpNormal, true, 0),
                        plain("duration", "", sftBigInt, fpNormal, true, 0),
                        plain("xOffset", "", sftBigInt, fpReadOnly, true, 0),
                        plain("filePath", "", sftText, fpNormal, true, EMPTY),
                        plain("archiveUuid", "", sftVarchar, fpReadOnly, false, NONE),
                        plain("final", "State", sftBool, fpNormal, true, false),
                        plain("detected", "Detected", sftText, fpNormal, true, "Unidentified object"),
                        plain("deviceName", "Device name", sftText, fpReadOnly, true, "n/a"),
                        plain("youtubeUploadedStatus", "", sftText, fpNormal, true, "created"),
                        plain("tgUploadedStatus", "", sftText, fpNormal, true, "created"),
                        plain("youtubePrivacyType", "", sftBigInt, fpNormal, true, 1),
                        plain("dtStartYoutubeLoad", "", sftBigInt, fpNormal, true, 0),
                        plain("dtStartTgLoad", "", sftBigInt, fpNormal, true, 0),
                        plain("dtEndYoutubeLoad", "", sftBigInt, fpNormal, true, 0),
                        plain("dtEndTgLoad", "", sftBigInt, fpNormal, true, 0),
                        plain("youtubeLoadAttempts", "", sftInt, fpNormal, true, 0),
                        plain("tgLoadAttempts", "", sftInt, fpNormal, true, 0)}}),
                 {{"archiveUuid"}, {"dtStart"}, {"dtEnd"}}});
    c.push_back({"VideoLineListModel",
                 maker<VideoLineListModel>(),
                 "",
                 join({base(),
                       {plain("rstIDDevice", "", sftBigInt, fpNormal, true, 1),
                        plain("deviceName", "Device name", sftText, fpNormal, false, EMPTY),
                        plain("modelOfArchiveLine", "", sftText, fpNormal, false, EMPTY)}}),
                 {}});
    c.push_back({"DeviceModel",
                 maker<DeviceModel>(),
                 "device",
                 join({base(),
                       {owner(false)},
                       deviceBase(),
                       {plain("tileIndex", "", sftInt, fpNormal, false, -1),
                        plain("ctxProducerKey", "", sftVarchar, fpNormal, false, NONE),
                        plain("rtpSenderConsumerKey", "", sftVarchar, fpNormal, false, NONE),
                        plain("enabled", "", sftBool, fpNormal, true, true)}}),
                 {{"uid"}, {"onvifUID"}, {"source"}, {"ctxProducerKey"}, {"rtpSenderConsumerKey"}}});
    c.push_back({"SearchDevicesModel",
                 maker<SearchDevicesModel>(),
                 "searchDevices",
                 join({base(),
                       {owner(false)},
                       deviceBase(),
                       {plain("state", "State", sftInt, fpNormal, false, NONE),
                        plain("ip", "Ip address", sftText, fpNotStored, false, NONE),
                        plain("login", "Login", sftText, fpNotStored, false, NONE),
                        plain("password", "Password", sftText, fpNotStored, false, NONE),
                        plain("num", "Num", sftBigInt, fpReadOnly, false, NONE),
                        plain("picture", "Picture", sftVarchar, fpReadOnly, false, NONE),
                        plain("isNew", "New", sftBool, fpNormal, false, false),
                        plain("isAdd", "Add", sftBool, fpNotStored, false, false)}}),
                 {{"uid"}, {"onvifUID"}, {"source"}}});
    c.push_back({"DevicePasswordModel",
                 maker<DevicePasswordModel>(),
                 "devicePassword",
                 join({base(),
                       {owner(false), plain("login", "Login", sftText, fpNormal, true, EMPTY),
                        plain("password", "Password", sftText, fpNormal, false, EMPTY)}}),
                 {}});
    c.push_back({"DeviceRecStateModel",
                 maker<DeviceRecStateModel>(),
                 "deviceRecState",
                 join({base(),
                       {owner(false),
                        ref("rstIDDevice", "", fpReference | fpReadOnly, "device", srtCascade, srtCascade),
                        plain("recState", "", sftText, fpNormal, true, "recorded"),
                        plain("dtRecStarted", "", sftBigInt, fpNormal, true, 0)}}),
                 {{"rstIDDevice"}}});
    c.push_back({"DeviceTypeModel",
                 maker<DeviceTypeModel>(),
                 "deviceType",
                 join({base(),
                       {plain("code", "Code", sftBigInt, fpUnique | fpReadOnly, true, 1),
                        plain("name", "Type Name", sftText, fpNormal, false, EMPTY)}}),
                 {}});
    c.push_back({"ModuleSystemModel", maker<ModuleSystemModel>(), "", base(), {}});
    c.push_back({"UserModel",
                 maker<UserModel>(),
                 ModelBase::tnOwner(),
                 join({base(), ownerBase()}),
                 {{"sign"}, {"blocked"}}});
    c.push_back({"PrivateYoutubeTypeModel",
                 maker<PrivateYoutubeTypeModel>(),
                 "privateYoutubeType",
                 join({base(),
                       {plain("code", "Code", sftBigInt, fpNormal, true, NONE),
                        plain("name", "Type Name", sftText, fpNormal, false, EMPTY)}}),
                 {}});
    c.push_back({"OnlineAccessSettingsModel",
                 maker<OnlineAccessSettingsModel>(),
                 "onlineAccessSettings",
                 join({base(),
                       {owner(false), plain("login", "", sftText, fpNormal, false, EMPTY),
                        plain("password", "", sftText, fpNormal, false, EMPTY),
                        plain("authKey", "", sftText, fpNormal, false, EMPTY),
                        plain("enabled", "", sftBool, fpNormal, true, true)}}),
                 {}});
    c.push_back(
        {"YoutubeSettingsModel",
         maker<YoutubeSettingsModel>(),
         "youtubeSettings",
         join({base(),
               {owner(true),
                ref("rstIDStreamDevice", "Camera to stream", fpReference, "device", srtSetDefault,
                    srtSetDefault),
                plain("isUploadEvents", "Upload eventes", sftBool, fpNormal, false, false),
                plain("privacyType", "Privacy type", sftBigInt, fpNormal, true, 1),
                plain("isStreamDeviceOnYoutube", "Camera source", sftBool, fpNormal, false, false),
                plain("serverURL", "Server URL", sftText, fpNormal, false, "rtmp://a.rtmp.youtube.com/live2"),
                plain("streamKey", "Stream key", sftText, fpNormal, false, EMPTY),
                plain("channelName", "", sftText, fpNormal, false, "Undefined channel"),
                plain("access_token", "", sftText, fpNormal, false, EMPTY),
                plain("refresh_token", "", sftText, fpNormal, false, EMPTY),
                plain("utc_expired_date", "", sftText, fpNormal, false, EMPTY),
                plain("status", "status", sftText, fpNormal, false, "n/a")}}),
         {}});
    c.push_back({"TelegramSettingsModel",
                 maker<TelegramSettingsModel>(),
                 "telegramSettings",
                 join({base(),
                       {owner(true), plain("phone", "Phone", sftText, fpNormal, false, EMPTY),
                        plain("code", "Code", sftText, fpNormal, false, EMPTY),
                        plain("enabled", "Enabled", sftBool, fpNormal, false, false),
                        plain("groupName", "Group name", sftText, fpNormal, false, EMPTY),
                        plain("isLink", "Is link", sftBool, fpNormal, false, false),
                        plain("status", "status", sftText, fpNormal, false, "n/a"),
                        plain("isNeedToConfirmCode", "", sftBool, fpNormal, false, false),
                        plain("isLinking", "", sftBool, fpNormal, false, false),
                        plain("isCodeChecking", "", sftBool, fpNormal, false, false),
                        plain("ip", "", sftText, fpNormal, false, EMPTY),
                        plain("port", "", sftInt, fpNormal, false, EMPTY),
                        plain("protocol", "", sftText, fpNormal, false, EMPTY),
                        plain("proxyLogin", "", sftText, fpNormal, false, EMPTY),
                        plain("proxyPass", "", sftText, fpNormal, false, EMPTY),
                        plain("forWhiteUpdate", "", sftBool, fpNormal, false, false)}}),
                 {}});
    return c;
}

// What kind of default a field has, so that false is not taken for 0 nor "" for none.
std::string kindOf(const QVariant& v) {
    if (!v.isValid()) {
        return "none";
    }
    switch (v.type()) {
    case QVariant::String:
        return "text";
    case QVariant::Bool:
        return "bool";
    case QVariant::Int:
    case QVariant::LongLong:
    case QVariant::UInt:
    case QVariant::ULongLong:
    case QVariant::Double:
        return "number";
    default:
        return v.typeName();
    }
}

class CatalogueFields : public ::testing::TestWithParam<Entry> {};

} // namespace

TEST_P(CatalogueFields, MatchCatalogue) {
    const Entry& e = GetParam();
    const std::unique_ptr<ModelBase> model = e.make();
    EXPECT_EQ(model->tableName(), e.table);
    EXPECT_EQ(model->tblIndexes(), e.indexes);

    QStringList expectedNames;
    for (const F& f : e.fields) {
        expectedNames.append(f.name);
    }
    ASSERT_EQ(model->fieldNamesInOrder(), expectedNames);

    for (const F& f : e.fields) {
        SCOPED_TRACE(f.name.toStdString());
        const FieldDescr& d = model->getFieldDescr(f.name);
        EXPECT_EQ(d.name(), f.title);
        EXPECT_EQ(d.sqlType, f.type);
        EXPECT_EQ(d.properties, f.flags);
        EXPECT_EQ(d.notNull, f.notNull);
        EXPECT_EQ(kindOf(d.defaultValue), kindOf(f.def));
        EXPECT_EQ(d.defaultValue, f.def);
        EXPECT_EQ(d.refTable, f.refTable);
        EXPECT_EQ(d.joinField, f.joinField);
        EXPECT_EQ(d.size(), 0);
        EXPECT_FALSE(d.value.isValid());
        if (f.flags & fpReference) {
            EXPECT_EQ(d.refField, "id");
            EXPECT_EQ(d.getSqlOnDelete(), f.onDelete);
            EXPECT_EQ(d.getSqlOnUpdate(), f.onUpdate);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllModels, CatalogueFields, ::testing::ValuesIn(catalogue()),
                         [](const ::testing::TestParamInfo<Entry>& info) {
                             return std::string(info.param.cls);
                         });
