#include "FeatureTestSupport.h"

#include "rirOVA/client/controllers/AppController.h"
#include "rirOVA/client/controllers/OnlineAccessSettingsController.h"
#include "rirOVA/client/controllers/PrivateYoutubeTypeController.h"
#include "rirOVA/client/controllers/TelegramSettingsController.h"
#include "rirOVA/client/controllers/UserController.h"
#include "rirOVA/client/controllers/YoutubeSettingsController.h"

#include <QElapsedTimer>
#include <QSignalSpy>

using namespace ClientController;
using namespace FeatureTest;

TEST(AppControllerTest, HasNoListModels) {
    AppController app;
    EXPECT_EQ(app.originalModel(), nullptr);
    EXPECT_EQ(app.proxyModel(), nullptr);
    EXPECT_EQ(app.property("originalModel").value<QObject*>(), nullptr);
    EXPECT_EQ(app.property("proxyModel").value<QObject*>(), nullptr);
    // A list answer of the group must not touch the missing models.
    deliver({{"FN", "app_saGetList"}, {"_receiver", app.objectNumber()}, {"entries", ids({2})}});
}

TEST(AppControllerTest, ServerRequestsBecomeSignals) {
    AppController app;
    QSignalSpy stop(&app, &AppController::srStopClient);
    QSignalSpy show(&app, &AppController::srShowClient);
    QSignalSpy setDir(&app, &AppController::saSetBaseVideoDir);
    QSignalSpy getDir(&app, &AppController::saGetBaseVideoDir);

    deliver({{"FN", "app_trShutdownServer"}});
    EXPECT_EQ(show.count(), 1);
    EXPECT_EQ(stop.count(), 0);
    deliver({{"FN", "app_srShowClient"}});
    EXPECT_EQ(show.count(), 2);
    deliver({{"FN", "app_srStopClient"}});
    EXPECT_EQ(stop.count(), 1);
    deliver({{"FN", "app_saGetBaseVideoDir"}, {"dir", "D:/video"}});
    deliver({{"FN", "app_saSetBaseVideoDir"}, {"RES", true}});
    ASSERT_EQ(getDir.count(), 1);
    EXPECT_EQ(getDir.at(0).at(0).toJsonObject().value("dir").toString(), "D:/video");
    EXPECT_EQ(setDir.count(), 1);
}

TEST(AppControllerTest, RequestsAndShutdownWait) {
    AppController app;
    clearSent();
    app.trGetBaseVideoDir({});
    app.trSetBaseVideoDir({{"dir", "/srv/video"}});
    QElapsedTimer clock;
    clock.start();
    app.trShutdownServer({{"force", true}});
    // The request leaves before the caller goes on quitting.
    EXPECT_GE(clock.elapsed(), AppController::kShutdownWaitMs - 10);
    const QList<QJsonObject> messages = sent();
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages.at(0).value("FN").toString(), "app_trGetBaseVideoDir");
    EXPECT_EQ(messages.at(1).value("dir").toString(), "/srv/video");
    EXPECT_EQ(messages.at(2).value("FN").toString(), "app_trShutdownServer");
    EXPECT_EQ(messages.at(2).value("_receiver").toString(), app.objectNumber());
}

TEST(UserControllerTest, InstancesShareRows) {
    UserController first;
    UserController second;
    addEntriesLikeTheView(first);
    ModelCheck check(second);
    EXPECT_EQ(first.controllerName(), "users");
    ASSERT_EQ(first.originalModel(), second.originalModel());
    deliver({{"FN", "users_saGetList"}, {"_receiver", first.objectNumber()}, {"entries", ids({2, 3, 4})}});
    EXPECT_EQ(second.proxyModel()->rowCount(), 3);
    EXPECT_TRUE(second.originalModel()->dataAtLeastLoaded());
}

TEST(PrivateYoutubeTypeControllerTest, ThreeFixedRowsWithoutTraffic) {
    clearSent();
    {
        PrivateYoutubeTypeController first;
        ModelCheck check(first);
        EXPECT_EQ(first.proxyModel()->rowCount(), 3);
        PrivateYoutubeTypeController second;
        EXPECT_EQ(second.originalModel(), first.originalModel());
        EXPECT_EQ(second.proxyModel()->rowCount(), 3);
        OriginalModel* rows = first.originalModel();
        const int publicRow = rows->checkValueByRole("id", "2");
        ASSERT_GE(publicRow, 0);
        EXPECT_EQ(rows->originalData(publicRow, "code").toInt(), 2);
        EXPECT_EQ(rows->originalData(publicRow, "name").toString(), "Public");
        EXPECT_EQ(rows->originalData(rows->checkValueByRole("id", "1"), "name").toString(), "unlisted");
        EXPECT_EQ(rows->originalData(rows->checkValueByRole("id", "3"), "name").toString(), "Private");
        first.trGetList();
    }
    EXPECT_TRUE(sent().isEmpty());
    PrivateYoutubeTypeController later;
    EXPECT_EQ(later.proxyModel()->rowCount(), 3);
}

TEST(TelegramSettingsControllerTest, LinkingNoticesBecomeSignals) {
    TelegramSettingsController telegram;
    EXPECT_TRUE(telegram.isStaticModel());
    QSignalSpy code(&telegram, &TelegramSettingsController::srCode);
    QSignalSpy linked(&telegram, &TelegramSettingsController::srLinked);
    deliver({{"FN", "telegramSettings_srCode"}, {"phone", "+70000000000"}});
    deliver({{"FN", "telegramSettings_srLinked"}, {"isLink", true}, {"phone", "+70000000000"}});
    ASSERT_EQ(code.count(), 1);
    ASSERT_EQ(linked.count(), 1);
    EXPECT_EQ(linked.at(0).at(0).toJsonObject().value("isLink"), QJsonValue(true));
    EXPECT_EQ(code.at(0).at(0).toJsonObject().value("phone").toString(), "+70000000000");
}

TEST(SettingsControllersTest, GroupsAndSharedLists) {
    YoutubeSettingsController youtube;
    YoutubeSettingsController youtube2;
    OnlineAccessSettingsController online;
    addEntriesLikeTheView(online);
    EXPECT_EQ(youtube.originalModel(), youtube2.originalModel());
    EXPECT_EQ(youtube.controllerName(), "youtubeSettings");
    deliver({{"FN", "onlineAccessSettings_saGetList"}, {"_receiver", "999999"}, {"entries", ids({2})}});
    // A static list takes every answer of its group.
    EXPECT_EQ(online.originalModel()->rowCount(), 1);
    EXPECT_EQ(youtube.originalModel()->rowCount(), 0);
}
