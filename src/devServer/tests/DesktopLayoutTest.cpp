// Saved desktop layouts on the server program: each user sees and changes only the own layouts,
// and bad layouts are refused before they are stored.
#include "LinkClient.h"
#include "ServerProcess.h"

#include "kvoCore/Utils.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <gtest/gtest.h>
#include <memory>

namespace {

class DesktopLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        server = std::make_unique<ServerProcess>();
        ASSERT_TRUE(server->start()) << server->error().toStdString();
    }

    std::unique_ptr<LinkClient> client(const QString& sign, const QString& password = QString()) {
        auto c = std::make_unique<LinkClient>();
        EXPECT_TRUE(c->connectTo(server->port()));
        EXPECT_TRUE(c->logIn(sign, KvoCore::Utils::getPwdHash(password)));
        return c;
    }
    // A second account, made by the administrator (sample accounts cannot log in without a password).
    std::unique_ptr<LinkClient> operatorClient(LinkClient& admin, const QString& sign) {
        const QJsonObject made = admin.request(
            {{"FN", "users_trCreate"}, {"sign", sign}, {"pwd", KvoCore::Utils::getPwdHash("pw-" + sign)}},
            "users_saCreate");
        EXPECT_TRUE(made.value("RES").toBool()) << made.value("error").toString().toStdString();
        return client(sign, "pw-" + sign);
    }

    static QJsonObject create(LinkClient& c, const QString& name, const QString& tiles = "[]") {
        return c.request(
            {{"FN", "desktopLayout_trCreate"}, {"name", name}, {"gridSize", "S3_3"}, {"tiles", tiles}},
            "desktopLayout_saCreate");
    }
    static QStringList names(LinkClient& c) {
        const QJsonObject answer = c.request({{"FN", "desktopLayout_trGetList"}}, "desktopLayout_saGetList");
        EXPECT_TRUE(answer.value("RES").toBool()) << answer.value("error").toString().toStdString();
        QStringList result;
        for (const QJsonValue& entry : answer.value("entries").toArray()) {
            result << entry.toObject().value("name").toString();
        }
        return result;
    }

    std::unique_ptr<ServerProcess> server;
};

TEST_F(DesktopLayoutTest, EachUserSeesAndChangesOnlyTheOwnLayouts) {
    auto admin = client("admin");
    auto anna = operatorClient(*admin, "anna");
    const QJsonObject first = create(*admin, "Entrance", R"([{"slot":0,"deviceId":"2","rotateAngle":90}])");
    ASSERT_TRUE(first.value("RES").toBool()) << first.value("error").toString().toStdString();
    ASSERT_TRUE(create(*admin, "  Parking ").value("RES").toBool());
    ASSERT_TRUE(create(*anna, "Entrance").value("RES").toBool()) << "names are unique per user only";

    EXPECT_EQ(names(*admin), (QStringList{"Entrance", "Parking"}));
    EXPECT_EQ(names(*anna), (QStringList{"Entrance"}));
    // A "where" of the client cannot widen the list to other users' layouts.
    const QJsonObject anyId{{"role", "id"}, {"operation", ">"}, {"value", 1}, {"condition", "or"}};
    const QJsonObject orGroup{{"condition", "or"}, {"expressions", QJsonArray{anyId}}};
    const QJsonObject widened =
        anna->request({{"FN", "desktopLayout_trGetList"}, {"where", QJsonArray{orGroup, orGroup}}},
                      "desktopLayout_saGetList");
    EXPECT_TRUE(widened.value("RES").toBool());
    EXPECT_EQ(widened.value("entries").toArray().size(), 1);

    const qint64 id = first.value("id").toVariant().toLongLong();
    EXPECT_EQ(first.value("tiles").toString(), R"([{"slot":0,"deviceId":"2","rotateAngle":90}])");
    for (const QString& action : {QString("trInfo"), QString("trUpdate"), QString("trRemove")}) {
        const QJsonObject answer =
            anna->request({{"FN", "desktopLayout_" + action}, {"id", id}, {"name", "Mine now"}},
                          "desktopLayout_sa" + action.mid(2));
        EXPECT_FALSE(answer.value("RES").toBool(true)) << action.toStdString();
        EXPECT_EQ(answer.value("ERRCODE").toInt(), 110) << action.toStdString();
    }
    EXPECT_EQ(names(*admin), (QStringList{"Entrance", "Parking"}));

    // The other user only learns that some list changed.
    const QJsonObject notice = anna->waitFor("desktopLayout_srInserted");
    EXPECT_EQ(notice.value("id").toVariant().toLongLong() > 1, true);
    EXPECT_FALSE(notice.contains("name"));
    EXPECT_FALSE(notice.contains("tiles"));

    const QJsonObject renamed = admin->request(
        {{"FN", "desktopLayout_trUpdate"}, {"id", id}, {"name", "Gate"}}, "desktopLayout_saUpdate");
    EXPECT_TRUE(renamed.value("RES").toBool());
    const QJsonObject removed =
        admin->request({{"FN", "desktopLayout_trRemove"}, {"id", id}}, "desktopLayout_saRemove");
    EXPECT_TRUE(removed.value("RES").toBool());
    EXPECT_EQ(names(*admin), (QStringList{"Parking"}));
    EXPECT_EQ(names(*anna), (QStringList{"Entrance"}));
}

TEST_F(DesktopLayoutTest, BadLayoutsAreRefusedWithAReason) {
    auto admin = client("admin");
    ASSERT_TRUE(create(*admin, "Hall").value("RES").toBool());
    const struct {
        QJsonObject request;
        const char* what;
    } bad[] = {
        {{{"name", "   "}, {"gridSize", "S2_2"}, {"tiles", "[]"}}, "a blank name"},
        {{{"gridSize", "S2_2"}, {"tiles", "[]"}}, "no name"},
        {{{"name", "Hall"}, {"gridSize", "S2_2"}, {"tiles", "[]"}}, "a name the user has already"},
        {{{"name", "Yard"}, {"gridSize", "S2_2"}, {"tiles", "{\"slot\":1}"}}, "tiles that are not a list"},
        {{{"name", "Yard"}, {"gridSize", "S2_2"}, {"tiles", "[{"}}, "tiles that are not JSON"},
        {{{"name", "Yard"}, {"gridSize", ""}, {"tiles", "[]"}}, "no grid size"},
        {{{"name", QString(65, QChar('x'))}, {"gridSize", "S2_2"}, {"tiles", "[]"}}, "a too long name"},
    };
    for (const auto& c : bad) {
        QJsonObject request = c.request;
        request.insert("FN", "desktopLayout_trCreate");
        const QJsonObject answer = admin->request(request, "desktopLayout_saCreate");
        EXPECT_FALSE(answer.value("RES").toBool(true)) << c.what;
        EXPECT_FALSE(answer.value("error").toString().isEmpty()) << c.what;
    }
    const qint64 yard = create(*admin, "Yard").value("id").toVariant().toLongLong();
    const QJsonObject clash = admin->request(
        {{"FN", "desktopLayout_trUpdate"}, {"id", yard}, {"name", "Hall"}}, "desktopLayout_saUpdate");
    EXPECT_FALSE(clash.value("RES").toBool(true)) << "renaming onto another layout's name";
    const QJsonObject copy =
        admin->request({{"FN", "desktopLayout_trDuplicate"}, {"id", yard}}, "desktopLayout_saDuplicate");
    EXPECT_FALSE(copy.value("RES").toBool(true));
    EXPECT_EQ(names(*admin), (QStringList{"Hall", "Yard"}));
}

} // namespace
