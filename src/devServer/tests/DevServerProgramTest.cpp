// The server program on a free loopback port with a fresh database, talked to through the client's
// own link classes. Every test runs on SQLite and, when the environment names one, on PostgreSQL.
#include "LinkClient.h"
#include "ServerProcess.h"

#include "kvoCore/Utils.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <gtest/gtest.h>
#include <memory>

namespace {

QString hashOf(const QString& password) {
    return KvoCore::Utils::getPwdHash(password);
}

QStringList names(const QJsonArray& entries, const QString& key = QStringLiteral("deviceName")) {
    QStringList result;
    for (const QJsonValue& entry : entries) {
        result.append(entry.toObject().value(key).toString());
    }
    return result;
}

QJsonArray whereOne(const QString& role, const QString& operation, const QJsonValue& value) {
    return QJsonArray{QJsonObject{
        {"condition", "and"},
        {"expressions",
         QJsonArray{QJsonObject{
             {"role", role}, {"operation", operation}, {"value", value}, {"condition", "and"}}}}}};
}

// Lets queued deliveries arrive, for checks that something did NOT arrive.
void settle(int msecs = 300) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < msecs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

class DevServerTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (GetParam() && !ServerProcess::postgresAvailable()) {
            GTEST_SKIP() << "OKULON_TEST_PG_HOST/PORT/USER/DB are not set: no PostgreSQL server for this run";
        }
    }

    void startServer(const QMap<QString, QVariant>& settings = {}) {
        server = std::make_unique<ServerProcess>(GetParam(), settings);
        ASSERT_TRUE(server->start()) << server->error().toStdString();
    }

    std::unique_ptr<LinkClient> connectClient() {
        auto client = std::make_unique<LinkClient>();
        EXPECT_TRUE(client->connectTo(server->port()));
        return client;
    }

    std::unique_ptr<LinkClient> adminClient() {
        auto client = connectClient();
        EXPECT_TRUE(client->logIn("admin", hashOf(QString())));
        return client;
    }

    qint64 deviceTypeId(LinkClient& client, int code) {
        const QJsonObject answer = client.request(
            {{"FN", "deviceType_trGetList"}, {"where", whereOne("code", "=", code)}}, "deviceType_saGetList");
        return answer.value("entries").toArray().first().toObject().value("id").toVariant().toLongLong();
    }

    QJsonObject createDevice(LinkClient& client, const QString& name, const QString& source = QString()) {
        return client.request({{"FN", "device_trCreate"},
                               {"deviceName", name},
                               {"source", source.isEmpty() ? "rtsp://127.0.0.1:8554/" + name : source},
                               {"rstIdDeviceType", deviceTypeId(client, 2)}},
                              "device_saCreate");
    }

    std::unique_ptr<ServerProcess> server;
};

TEST_P(DevServerTest, LogInDecidesWhatAClientMayDo) {
    startServer({{"server/allowSignup", true}});
    auto stranger = connectClient();

    // Before log-in: refused, and nothing is stored.
    const QJsonObject early = stranger->request(
        {{"FN", "device_trCreate"}, {"_receiver", "4"}, {"deviceName", "sneaky"}}, "device_saCreate");
    EXPECT_FALSE(early.value("RES").toBool(true));
    EXPECT_EQ(early.value("_receiver").toString(), "4");
    EXPECT_FALSE(early.value("error").toString().isEmpty());

    EXPECT_FALSE(stranger->logIn("admin", hashOf("wrong")));
    EXPECT_FALSE(stranger->logIn("nobody", hashOf(QString())));
    const QJsonObject failed = stranger->received("auth_saFailed").value(0);
    EXPECT_FALSE(failed.value("RES").toBool(true));

    ASSERT_TRUE(stranger->logIn("admin", hashOf(QString())));
    const qint64 adminId = stranger->received("auth_saAuth").last().value("id").toVariant().toLongLong();
    EXPECT_FALSE(stranger->request({{"FN", "users_trRemove"}, {"id", adminId}}, "users_saRemove")
                     .value("RES")
                     .toBool(true))
        << "the logged-in account removed itself";
    const QJsonObject list = stranger->request({{"FN", "device_trGetList"}}, "device_saGetList");
    EXPECT_TRUE(list.value("RES").toBool());
    EXPECT_TRUE(list.value("entries").toArray().isEmpty()) << "a request before log-in changed the data";

    // Sign-up creates an account that can log in; everybody logged in hears of the new user.
    auto newcomer = connectClient();
    const QJsonObject signup = newcomer->request(
        {{"FN", "auth_trSignup"}, {"sign", "olga"}, {"pwd", hashOf("pw")}}, "auth_saSignup");
    ASSERT_TRUE(signup.value("RES").toBool()) << QJsonDocument(signup).toJson().toStdString();
    EXPECT_GT(signup.value("id").toVariant().toLongLong(), 1);
    EXPECT_EQ(stranger->waitFor("users_srInserted").value("sign").toString(), "olga");
    // Signed up means logged in.
    EXPECT_TRUE(newcomer->request({{"FN", "users_trGetList"}}, "users_saGetList").value("RES").toBool());

    auto again = connectClient();
    again->send({{"FN", "auth_trSignup"}, {"sign", "olga"}, {"pwd", hashOf("other")}});
    EXPECT_FALSE(again->waitForAny({"auth_saFailed", "auth_saSignup"}).value("RES").toBool(true));
    again->send({{"FN", "auth_trSignup"}, {"sign", "plain"}, {"pwd", "secret"}});
    EXPECT_FALSE(again->waitForAny({"auth_saFailed", "auth_saSignup"}).value("RES").toBool(true))
        << "a password that is not a hash was stored";
    EXPECT_FALSE(again->logIn("olga", hashOf("other")));
    EXPECT_TRUE(again->logIn("olga", hashOf("pw")));

    // A blocked account cannot log in, whatever its password.
    const QJsonObject blocked = stranger->request(
        {{"FN", "users_trCreate"}, {"sign", "bob"}, {"pwd", hashOf("pw")}, {"blocked", true}},
        "users_saCreate");
    ASSERT_TRUE(blocked.value("RES").toBool()) << QJsonDocument(blocked).toJson().toStdString();
    EXPECT_TRUE(blocked.value("blocked").toBool());
    auto bob = connectClient();
    EXPECT_FALSE(bob->logIn("bob", hashOf("pw")));

    // Lists of users never carry password hashes.
    const QJsonArray users =
        again->request({{"FN", "users_trGetList"}}, "users_saGetList").value("entries").toArray();
    EXPECT_TRUE(names(users, "sign").contains("admin"));
    for (const QJsonValue& user : users) {
        EXPECT_FALSE(user.toObject().contains("pwd"));
    }
}

TEST_P(DevServerTest, RecordChangesReachEveryLoggedInClient) {
    startServer();
    auto editor = adminClient();
    auto watcher = adminClient();
    auto outsider = connectClient();

    QJsonObject created = editor->request({{"FN", "device_trCreate"},
                                           {"_receiver", "7"},
                                           {"deviceName", "Gate"},
                                           {"source", "rtsp://127.0.0.1:8554/gate"},
                                           {"rstIdDeviceType", deviceTypeId(*editor, 2)}},
                                          "device_saCreate");
    ASSERT_TRUE(created.value("RES").toBool()) << QJsonDocument(created).toJson().toStdString();
    EXPECT_EQ(created.value("_receiver").toString(), "7");
    const qint64 id = created.value("id").toVariant().toLongLong();
    EXPECT_GT(id, 1);
    EXPECT_FALSE(created.value("uid").toString().isEmpty());
    EXPECT_EQ(watcher->waitFor("device_srInserted").value("id").toVariant().toLongLong(), id);

    const QJsonObject updated =
        editor->request({{"FN", "device_trUpdate"}, {"id", id}, {"deviceName", "Gate 2"}}, "device_saUpdate");
    EXPECT_TRUE(updated.value("RES").toBool());
    EXPECT_EQ(updated.value("deviceName").toString(), "Gate 2");
    EXPECT_EQ(updated.value("uid").toString(), created.value("uid").toString());
    const QJsonObject updateNotice = watcher->waitFor("device_srUpdated");
    EXPECT_EQ(updateNotice.value("id").toVariant().toLongLong(), id);
    EXPECT_EQ(updateNotice.value("deviceName").toString(), "Gate 2");

    const QJsonObject copy =
        editor->request({{"FN", "device_trDuplicate"}, {"id", id}}, "device_saDuplicate");
    ASSERT_TRUE(copy.value("RES").toBool()) << QJsonDocument(copy).toJson().toStdString();
    const qint64 copyId = copy.value("id").toVariant().toLongLong();
    EXPECT_NE(copyId, id);
    EXPECT_EQ(copy.value("deviceName").toString(), "Gate 2");
    EXPECT_NE(copy.value("uid").toString(), created.value("uid").toString());
    EXPECT_EQ(watcher->waitFor("device_srInserted").value("id").toVariant().toLongLong(), copyId);

    const QJsonObject info = editor->request({{"FN", "device_trInfo"}, {"id", id}}, "device_saInfo");
    EXPECT_TRUE(info.value("RES").toBool());
    EXPECT_EQ(info.value("deviceName").toString(), "Gate 2");
    EXPECT_EQ(info.value("typeCode").toVariant().toInt(), 2);

    const QJsonObject removed = editor->request({{"FN", "device_trRemove"}, {"id", id}}, "device_saRemove");
    EXPECT_TRUE(removed.value("RES").toBool());
    EXPECT_EQ(removed.value("id").toVariant().toLongLong(), id);
    const QJsonObject removeNotice = watcher->waitFor("device_srUpdated");
    EXPECT_EQ(removeNotice.value("id").toVariant().toLongLong(), id);
    EXPECT_TRUE(removeNotice.value("removed").toBool());

    // The record is gone: every action on it says so with ERRCODE 110.
    for (const QString action : {"Info", "Update", "Remove", "Duplicate"}) {
        const QJsonObject gone = editor->request(
            {{"FN", "device_tr" + action}, {"id", id}, {"deviceName", "x"}}, "device_sa" + action);
        EXPECT_FALSE(gone.value("RES").toBool(true)) << action.toStdString();
        EXPECT_EQ(gone.value("ERRCODE").toInt(), 110) << action.toStdString();
        EXPECT_EQ(gone.value("id").toVariant().toLongLong(), id) << action.toStdString();
    }
    // The placeholder row is not a user record.
    EXPECT_FALSE(
        editor->request({{"FN", "device_trRemove"}, {"id", 1}}, "device_saRemove").value("RES").toBool(true));

    settle();
    EXPECT_TRUE(outsider->received("device_srInserted").isEmpty())
        << "a client that never logged in got notices";
    EXPECT_TRUE(outsider->received("device_srUpdated").isEmpty());
}

TEST_P(DevServerTest, ListRequestsFilterOrderAndLimit) {
    startServer();
    auto client = adminClient();
    for (const char* name : {"cam-3", "cam-1", "door", "cam-2"}) {
        ASSERT_TRUE(createDevice(*client, name).value("RES").toBool());
    }

    const QJsonObject all = client->request({{"FN", "device_trGetList"}}, "device_saGetList");
    EXPECT_EQ(names(all.value("entries").toArray()), QStringList({"cam-2", "door", "cam-1", "cam-3"}))
        << "newest first when no order is given";

    const QJsonObject some = client->request({{"FN", "device_trGetList"},
                                              {"_receiver", "12"},
                                              {"_doNotClearModel", true},
                                              {"where", whereOne("deviceName", "like", "cam%")},
                                              {"orderBy", QJsonObject{{"deviceName", "ASC"}}},
                                              {"limit", 2}},
                                             "device_saGetList");
    EXPECT_TRUE(some.value("RES").toBool());
    EXPECT_EQ(some.value("_receiver").toString(), "12");
    EXPECT_TRUE(some.value("_doNotClearModel").toBool());
    EXPECT_EQ(names(some.value("entries").toArray()), QStringList({"cam-1", "cam-2"}));

    // Input that could reach the SQL is refused before anything runs.
    const QList<QJsonObject> unsafe{
        {{"FN", "device_trGetList"}, {"where", whereOne("deviceName; DROP TABLE device", "=", "x")}},
        {{"FN", "device_trGetList"}, {"where", whereOne("deviceName", "= 1 OR 1=1 --", "x")}},
        {{"FN", "device_trGetList"},
         {"where", QJsonArray{QJsonObject{{"condition", "and 1=1"}, {"expressions", QJsonArray{}}}}}},
        {{"FN", "device_trGetList"}, {"orderBy", QJsonObject{{"deviceName", "ASC; DROP TABLE device"}}}},
        {{"FN", "device_trGetList"}, {"orderBy", QJsonObject{{"id) --", "ASC"}}}},
        {{"FN", "device_trGetList"}, {"where", "deviceName = 'x'"}},
        {{"FN", "device_trGetList"}, {"limit", "10; DELETE FROM device"}},
    };
    for (const QJsonObject& request : unsafe) {
        const QJsonObject answer = client->request(request, "device_saGetList");
        EXPECT_FALSE(answer.value("RES").toBool(true)) << QJsonDocument(request).toJson().toStdString();
        EXPECT_FALSE(answer.value("error").toString().isEmpty());
        EXPECT_FALSE(answer.contains("entries"));
    }
    EXPECT_EQ(
        client->request({{"FN", "device_trGetList"}}, "device_saGetList").value("entries").toArray().size(),
        4);

    // Unknown actions and groups get an answer, not silence.
    const QJsonObject unknown = client->request({{"FN", "device_trFly"}}, "device_saFly");
    EXPECT_FALSE(unknown.value("RES").toBool(true));
    const QJsonObject video = client->request({{"FN", "device_trGetSDP"}, {"id", 2}}, "device_saGetSDP");
    EXPECT_FALSE(video.value("RES").toBool(true));
    EXPECT_FALSE(video.value("error").toString().isEmpty());
}

TEST_P(DevServerTest, ModuleCatalogueAndPerDeviceState) {
    startServer();
    auto client = adminClient();
    auto other = adminClient();

    const QJsonObject list = client->request({{"FN", "moduleSystem_trModuleList"}, {"_receiver", "3"}},
                                             "moduleSystem_saModuleList");
    EXPECT_EQ(list.value("_receiver").toString(), "3");
    const QJsonArray modules = list.value("entries").toArray();
    const QStringList expected{"motionsDetection", "objectsDetection",     "licensePlateRecognitionLight",
                               "faceDetection",    "faceRecognitionLight", "dummyDetectionOfAbandonedObjects",
                               "dummyQueueLength", "dummyPeopleCounter",   "dummyFireFlameAndSmokeDetection"};
    EXPECT_EQ(names(modules, "plugin_name"), expected);
    QSet<QString> types;
    for (const QJsonValue& module : modules) {
        EXPECT_FALSE(module.toObject().value("description").toString().isEmpty());
        for (const QJsonValue& param : module.toObject().value("params").toArray()) {
            types.insert(param.toObject().value("type").toString());
        }
    }
    EXPECT_EQ(types, QSet<QString>({"roi", "check_box", "interval", "value_field", "list"}));

    const qint64 device = createDevice(*client, "hall").value("id").toVariant().toLongLong();
    const qint64 second = createDevice(*client, "yard").value("id").toVariant().toLongLong();
    const QJsonObject on = client->request({{"FN", "moduleSystem_trModuleOn"},
                                            {"rstIDDevice", device},
                                            {"plugin_name", "motionsDetection"},
                                            {"new_state", true}},
                                           "moduleSystem_saModuleOn");
    EXPECT_TRUE(on.value("RES").toBool());
    EXPECT_TRUE(on.value("new_state").toBool());
    const auto active = [&](qint64 id) {
        return client
            ->request({{"FN", "moduleSystem_trActiveModuleList"}, {"rstIDDevice", id}},
                      "moduleSystem_saActiveModuleList")
            .value("active_module_list")
            .toArray();
    };
    EXPECT_EQ(active(device), QJsonArray({"motionsDetection"}));
    EXPECT_TRUE(active(second).isEmpty()) << "module state leaked to another device";
    // The motion module is the server's motion detection of the device: its record follows.
    const auto detectsMotion = [&](qint64 id) {
        return client->request({{"FN", "device_trInfo"}, {"id", id}}, "device_saInfo")
            .value("isDetectMotion")
            .toBool();
    };
    EXPECT_TRUE(detectsMotion(device));
    EXPECT_FALSE(detectsMotion(second));

    const QJsonObject set =
        client->request({{"FN", "moduleSystem_trSetParams"},
                         {"rstIDDevice", device},
                         {"plugin_name", "motionsDetection"},
                         {"params", QJsonArray{QJsonObject{{"name", "sensitivity"}, {"value", 80}},
                                               QJsonObject{{"name", "showMask"}, {"value", true}}}}},
                        "moduleSystem_saSetParams");
    EXPECT_TRUE(set.value("RES").toBool()) << QJsonDocument(set).toJson().toStdString();
    const QJsonObject got = client->request(
        {{"FN", "moduleSystem_trGetParams"}, {"rstIDDevice", device}, {"plugin_name", "motionsDetection"}},
        "moduleSystem_saGetParams");
    QJsonObject values;
    for (const QJsonValue& param : got.value("params").toArray()) {
        values.insert(param.toObject().value("name").toString(), param.toObject().value("value"));
    }
    EXPECT_EQ(values.value("sensitivity").toInt(), 80);
    EXPECT_TRUE(values.value("showMask").toBool());
    EXPECT_EQ(values.value("minArea").toDouble(), 0.5) << "an untouched parameter lost its default";

    const QList<QJsonArray> badParams{
        {QJsonObject{{"name", "sensitivity"}, {"value", 500}}},
        {QJsonObject{{"name", "noSuchParam"}, {"value", 1}}},
        {QJsonObject{{"name", "roi"}, {"value", QJsonArray{QJsonObject{{"x", 0}, {"y", 0}}}}}},
        {QJsonObject{{"name", "showMask"}, {"value", "yes"}}},
    };
    for (const QJsonArray& params : badParams) {
        const QJsonObject answer = client->request({{"FN", "moduleSystem_trSetParams"},
                                                    {"rstIDDevice", device},
                                                    {"plugin_name", "motionsDetection"},
                                                    {"params", params}},
                                                   "moduleSystem_saSetParams");
        EXPECT_FALSE(answer.value("RES").toBool(true)) << QJsonDocument(params).toJson().toStdString();
    }
    const QJsonObject wrongList =
        client->request({{"FN", "moduleSystem_trSetParams"},
                         {"rstIDDevice", device},
                         {"plugin_name", "objectsDetection"},
                         {"params", QJsonObject{{"classes", QJsonArray{"person", "dragon"}}}}},
                        "moduleSystem_saSetParams");
    EXPECT_FALSE(wrongList.value("RES").toBool(true));

    const QJsonObject gone = client->request(
        {{"FN", "moduleSystem_trModuleOff"}, {"rstIDDevice", 999}, {"plugin_name", "motionsDetection"}},
        "moduleSystem_saModuleOff");
    EXPECT_EQ(gone.value("ERRCODE").toInt(), 110);

    client->request(
        {{"FN", "moduleSystem_trModuleOff"}, {"rstIDDevice", device}, {"plugin_name", "motionsDetection"}},
        "moduleSystem_saModuleOff");
    EXPECT_TRUE(active(device).isEmpty());
    EXPECT_FALSE(detectsMotion(device));

    settle();
    EXPECT_FALSE(other->received("device_srUpdated").isEmpty())
        << "every client learns that the device's motion detection changed";
    EXPECT_TRUE(other->received("moduleSystem_saModuleList").isEmpty())
        << "module answers went to another client";
    EXPECT_TRUE(other->received("moduleSystem_saModuleOn").isEmpty());
}

TEST_P(DevServerTest, TelegramLinkingFollowsTheCode) {
    startServer({{"telegram/acceptedCode", "4242"}});
    auto client = adminClient();

    // The state flags are the server's: a client cannot declare itself linked.
    const QJsonObject created =
        client->request({{"FN", "telegramSettings_trCreate"}, {"phone", "+100200300"}, {"isLink", true}},
                        "telegramSettings_saCreate");
    ASSERT_TRUE(created.value("RES").toBool()) << QJsonDocument(created).toJson().toStdString();
    EXPECT_FALSE(created.value("isLink").toBool(true));
    EXPECT_TRUE(created.value("isNeedToConfirmCode").toBool());
    EXPECT_TRUE(created.value("isLinking").toBool());
    const qint64 id = created.value("id").toVariant().toLongLong();
    EXPECT_EQ(client->waitFor("telegramSettings_srCode").value("phone").toString(), "+100200300");

    client->send({{"FN", "telegramSettings_trUpdate"}, {"id", id}, {"code", "1111"}});
    const QJsonObject refused = client->waitFor("telegramSettings_srLinked");
    EXPECT_FALSE(refused.value("isLink").toBool(true));
    const QJsonObject stillWaiting =
        client->request({{"FN", "telegramSettings_trInfo"}, {"id", id}}, "telegramSettings_saInfo");
    EXPECT_TRUE(stillWaiting.value("isNeedToConfirmCode").toBool());
    EXPECT_FALSE(stillWaiting.value("isLink").toBool(true));

    client->send({{"FN", "telegramSettings_trUpdate"}, {"id", id}, {"code", "4242"}});
    const QJsonObject linked = client->waitFor("telegramSettings_srLinked");
    EXPECT_TRUE(linked.value("isLink").toBool());
    EXPECT_EQ(linked.value("id").toVariant().toLongLong(), id);
    const QJsonObject record =
        client->request({{"FN", "telegramSettings_trInfo"}, {"id", id}}, "telegramSettings_saInfo");
    EXPECT_TRUE(record.value("isLink").toBool());
    EXPECT_FALSE(record.value("isLinking").toBool(true));
    EXPECT_FALSE(record.value("isNeedToConfirmCode").toBool(true));
    EXPECT_EQ(record.value("code").toString(), "") << "the confirmation code was kept";

    // Clearing the phone number unlinks.
    const QJsonObject unlinked = client->request(
        {{"FN", "telegramSettings_trUpdate"}, {"id", id}, {"phone", ""}}, "telegramSettings_saUpdate");
    EXPECT_FALSE(unlinked.value("isLink").toBool(true));
}

TEST_P(DevServerTest, AdministratorsBlockAccountsAndSetPasswords) {
    startServer();
    auto admin = adminClient();
    const qint64 adminId = admin->received("auth_saAuth").last().value("id").toVariant().toLongLong();
    const QJsonObject created = admin->request(
        {{"FN", "users_trCreate"}, {"sign", "watcher"}, {"pwd", hashOf("one")}, {"lastName", "Petrova"}},
        "users_saCreate");
    ASSERT_TRUE(created.value("RES").toBool()) << QJsonDocument(created).toJson().toStdString();
    const qint64 id = created.value("id").toVariant().toLongLong();
    EXPECT_TRUE(connectClient()->logIn("watcher", hashOf("one")));

    const QJsonObject blocked =
        admin->request({{"FN", "users_trUpdate"}, {"id", id}, {"blocked", true}}, "users_saUpdate");
    EXPECT_TRUE(blocked.value("RES").toBool());
    EXPECT_TRUE(blocked.value("blocked").toBool()) << "the answer does not show the block";
    EXPECT_FALSE(connectClient()->logIn("watcher", hashOf("one"))) << "a blocked user logged in";

    admin->request({{"FN", "users_trUpdate"}, {"id", id}, {"blocked", false}, {"pwd", hashOf("two")}},
                   "users_saUpdate");
    EXPECT_FALSE(connectClient()->logIn("watcher", hashOf("one"))) << "the old password still works";
    EXPECT_TRUE(connectClient()->logIn("watcher", hashOf("two")));

    // Refused: blocking oneself, a password that is no hash, a block that is no boolean.
    for (const QJsonObject& bad :
         {QJsonObject{{"id", adminId}, {"blocked", true}}, QJsonObject{{"id", id}, {"pwd", "two"}},
          QJsonObject{{"id", id}, {"blocked", "yes"}}}) {
        QJsonObject request = bad;
        request.insert("FN", "users_trUpdate");
        const QJsonObject answer = admin->request(request, "users_saUpdate");
        EXPECT_FALSE(answer.value("RES").toBool(true)) << QJsonDocument(bad).toJson().toStdString();
        EXPECT_FALSE(answer.value("error").toString().isEmpty());
    }
    EXPECT_TRUE(connectClient()->logIn("admin", hashOf(QString()))) << "the administrator locked himself out";
    EXPECT_TRUE(connectClient()->logIn("watcher", hashOf("two")));
    const QJsonObject list = admin->request({{"FN", "users_trGetList"}}, "users_saGetList");
    for (const QJsonValue& user : list.value("entries").toArray()) {
        EXPECT_FALSE(user.toObject().contains("pwd")) << "a password hash is listed";
    }
}

TEST_P(DevServerTest, OnlineAccessSignsInWithAHashAndOut) {
    startServer();
    auto client = adminClient();
    const QJsonObject plain =
        client->request({{"FN", "onlineAccessSettings_trCreate"}, {"login", "site"}, {"password", "plain"}},
                        "onlineAccessSettings_saCreate");
    EXPECT_FALSE(plain.value("RES").toBool(true)) << "a plain password was taken";

    const QJsonObject signedIn = client->request({{"FN", "onlineAccessSettings_trCreate"},
                                                  {"login", "site"},
                                                  {"password", hashOf("pw")},
                                                  {"authKey", "chosen-by-client"}},
                                                 "onlineAccessSettings_saCreate");
    ASSERT_TRUE(signedIn.value("RES").toBool()) << QJsonDocument(signedIn).toJson().toStdString();
    const QString key = signedIn.value("authKey").toString();
    EXPECT_FALSE(key.isEmpty());
    EXPECT_NE(key, "chosen-by-client");
    EXPECT_EQ(signedIn.value("password").toString(), "") << "the password hash was kept";

    const QJsonObject out = client->request(
        {{"FN", "onlineAccessSettings_trUpdate"}, {"id", signedIn.value("id")}, {"signOut", true}},
        "onlineAccessSettings_saUpdate");
    EXPECT_TRUE(out.value("RES").toBool());
    EXPECT_EQ(out.value("authKey").toString(), "");
    EXPECT_EQ(out.value("login").toString(), "");
    EXPECT_FALSE(out.value("enabled").toBool(true));
}

TEST_P(DevServerTest, SearchFindsTheConfiguredCameras) {
    startServer();
    auto client = adminClient();
    createDevice(*client, "known", "rtsp://127.0.0.3:8554/live");

    const QJsonObject answer =
        client->request({{"FN", "searchDevices_trSearch"}, {"_receiver", "5"}}, "searchDevices_saSearch");
    EXPECT_TRUE(answer.value("RES").toBool());
    const QJsonObject results = client->waitFor("searchDevices_srSearch");
    const QJsonArray entries = results.value("entries").toArray();
    ASSERT_EQ(entries.size(), 4);
    for (const QJsonValue& entry : entries) {
        const QJsonObject camera = entry.toObject();
        EXPECT_EQ(camera.value("isNew").toBool(),
                  camera.value("source").toString() != "rtsp://127.0.0.3:8554/live")
            << camera.value("source").toString().toStdString();
        EXPECT_TRUE(camera.value("typeCode").toVariant().toInt() == 2 ||
                    camera.value("typeCode").toVariant().toInt() == 3);
    }
    client->request({{"FN", "searchDevices_trSearch"}}, "searchDevices_saSearch");
    client->waitFor("searchDevices_srSearch");
    EXPECT_EQ(client->request({{"FN", "searchDevices_trGetList"}}, "searchDevices_saGetList")
                  .value("entries")
                  .toArray()
                  .size(),
              4)
        << "a new search must replace the old results";
}

TEST_P(DevServerTest, VideoFolderAndShutdown) {
    startServer();
    auto client = adminClient();

    const QJsonObject current = client->request({{"FN", "app_trGetBaseVideoDir"}}, "app_saGetBaseVideoDir");
    EXPECT_TRUE(current.value("RES").toBool());
    EXPECT_TRUE(QFileInfo(current.value("path").toString()).isDir());

    const QString wanted = QDir(server->folder()).filePath("new/videos");
    const QJsonObject set =
        client->request({{"FN", "app_trSetBaseVideoDir"}, {"path", wanted}}, "app_saSetBaseVideoDir");
    EXPECT_TRUE(set.value("RES").toBool());
    EXPECT_TRUE(QFileInfo(wanted).isDir());
    EXPECT_EQ(
        client->request({{"FN", "app_trGetBaseVideoDir"}}, "app_saGetBaseVideoDir").value("path").toString(),
        wanted);

    EXPECT_FALSE(
        client
            ->request({{"FN", "app_trSetBaseVideoDir"}, {"path", "relative/videos"}}, "app_saSetBaseVideoDir")
            .value("RES")
            .toBool(true));
    const QString file = QDir(server->folder()).filePath("etc/vorozizevodidureruziz.conf");
    EXPECT_FALSE(client->request({{"FN", "app_trSetBaseVideoDir"}, {"path", file}}, "app_saSetBaseVideoDir")
                     .value("RES")
                     .toBool(true));

    const QJsonObject bye = client->request({{"FN", "app_trShutdownServer"}}, "app_saShutdownServer");
    EXPECT_TRUE(bye.value("RES").toBool());
    ASSERT_TRUE(server->waitForExit(10000));
    EXPECT_EQ(server->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(server->exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(Backends, DevServerTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "PostgreSQL" : "SQLite";
                         });

} // namespace
