#include "ControllerTestSupport.h"

#include <QSignalSpy>

using namespace ControllerTest;
using ClientController::ControllerDesktopBase;
using ClientController::ControllerItemBase;

namespace {

QJsonObject row(qint64 id, qint64 dtUpdate, const QString& locked = "1") {
    return QJsonObject{{"id", id},
                       {"name", QString("row %1").arg(id)},
                       {"dtUpdate", dtUpdate},
                       {"rst_id_user_locked", locked}};
}

// Fills the controller's list as the view does for an own answer.
void fill(TestController& controller, const QJsonArray& entries) {
    QSignalSpy spy(&controller, &ControllerItemBase::saGetList);
    peer().send(message("saGetList", {{"_receiver", controller.objectNumber()}, {"entries", entries}}));
    ASSERT_TRUE(spy.wait(5000));
}

void deliver(const QJsonObject& record, QObject& controller, const char* signal) {
    QSignalSpy spy(&controller, signal);
    peer().send(record);
    ASSERT_TRUE(QTest::qWaitFor([&]() { return spy.count() > 0; }, 5000)) << "nothing reached the controller";
}

QJsonObject dtUpdateGroup(qint64 dt) {
    return QJsonObject{
        {"condition", "and"},
        {"expressions", QJsonArray{QJsonObject{
                            {"role", "dtUpdate"}, {"operation", ">"}, {"value", dt}, {"condition", "and"}}}}};
}

const QJsonObject callerCondition{
    {"condition", "and"},
    {"expressions", QJsonArray{QJsonObject{
                        {"role", "name"}, {"operation", "="}, {"value", "row 5"}, {"condition", "and"}}}}};

class ControllerDesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(peer().isConnected());
        peer().clear();
    }
};

} // namespace

TEST_F(ControllerDesktopTest, SaRemoveDropsTheRowWhenDoneOrGoneAndKeepsItOnOtherFailures) {
    TestController controller;
    ModelCheck check(controller);
    fill(controller, QJsonArray{row(12, 1), row(13, 1), row(14, 1)});
    QSignalSpy rowCount(&controller.listModel, &OriginalModel::rowCountChanged);
    QSignalSpy removed(&controller, &ControllerDesktopBase::saRemove);

    deliver(message("saRemove", {{"RES", true}, {"id", 12}}), controller, SIGNAL(saRemove(QJsonObject)));
    EXPECT_EQ(proxyIds(controller.viewModel), (QList<qint64>{14, 13}));
    ASSERT_EQ(rowCount.count(), 1);
    EXPECT_EQ(rowCount.first().first().toInt(), 2);

    deliver(message("saRemove", {{"RES", false}, {"ERRCODE", 7}, {"id", 13}}), controller,
            SIGNAL(saRemove(QJsonObject)));
    EXPECT_EQ(proxyIds(controller.viewModel), (QList<qint64>{14, 13}));

    deliver(message("saRemove", {{"RES", false}, {"ERRCODE", 110}, {"id", "13"}}), controller,
            SIGNAL(saRemove(QJsonObject)));
    EXPECT_EQ(proxyIds(controller.viewModel), (QList<qint64>{14}));
    EXPECT_EQ(rowCount.count(), 2);
    ASSERT_EQ(removed.count(), 3);
    EXPECT_EQ(removed.at(1).first().toJsonObject().value("ERRCODE").toInt(), 7);
}

TEST_F(ControllerDesktopTest, LockAndUnlockRewriteTheLockOwnerOfThatRowOnly) {
    TestController controller;
    ModelCheck check(controller);
    fill(controller, QJsonArray{row(12, 1), row(13, 1)});
    const int row12 = controller.listModel.findId("12");
    QSignalSpy changed(&controller.listModel, &QAbstractItemModel::dataChanged);
    QSignalSpy locked(&controller, &ControllerDesktopBase::saLock);

    deliver(message("saLock", {{"RES", true}, {"id", 12}, {"rst_id_user_locked", 5}}), controller,
            SIGNAL(saLock(QJsonObject)));
    EXPECT_EQ(controller.listModel.originalData(row12, "rst_id_user_locked").toString(), "5");
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.first().at(0).toModelIndex().row(), row12);
    EXPECT_EQ(changed.first().at(1).toModelIndex().row(), row12);
    EXPECT_EQ(locked.count(), 1);

    deliver(message("saUnlock", {{"RES", true}, {"id", "12"}}), controller, SIGNAL(saUnlock(QJsonObject)));
    EXPECT_EQ(controller.listModel.originalData(row12, "rst_id_user_locked").toString(), "1");
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.last().at(0).toModelIndex().row(), row12);
    EXPECT_EQ(
        controller.listModel.originalData(controller.listModel.findId("13"), "rst_id_user_locked").toString(),
        "1");
}

TEST_F(ControllerDesktopTest, EditAnswersReachTheirSignals) {
    TestController controller;
    const QList<QPair<QString, const char*>> answers{{"saCreate", SIGNAL(saCreate(QJsonObject))},
                                                     {"saUpdate", SIGNAL(saUpdate(QJsonObject))},
                                                     {"saDuplicate", SIGNAL(saDuplicate(QJsonObject))}};
    for (const auto& answer : answers) {
        QSignalSpy spy(&controller, answer.second);
        const QJsonObject record = message(answer.first, {{"RES", true}, {"id", 77}});
        peer().send(record);
        ASSERT_TRUE(spy.wait(5000)) << answer.first.toStdString();
        EXPECT_EQ(spy.first().first().toJsonObject(), record);
    }
    QSignalSpy current(&controller, &ControllerDesktopBase::currentIdChanged);
    QMetaObject::invokeMethod(&controller, "onCurrentIdChanged", Q_ARG(QString, "42"));
    ASSERT_EQ(current.count(), 1);
    EXPECT_EQ(current.first().first().toString(), "42");
}

TEST_F(ControllerDesktopTest, NoticesAreIgnoredByDefault) {
    TestController controller;
    controller.setUseTrGetList(true);
    QSignalSpy updated(&controller, &ControllerDesktopBase::srUpdated);
    QSignalSpy inserted(&controller, &ControllerDesktopBase::srInserted);
    QSignalSpy info(&controller, &ControllerItemBase::saInfo);
    QTest::qWait(ControllerDesktopBase::kRefreshThrottleMs + 100);

    peer().send(QList<QJsonObject>{message("srUpdated", {{"id", 1}}), message("srInserted", {{"id", 2}}),
                                   message("saInfo", {{"RES", true}})});
    ASSERT_TRUE(info.wait(5000));
    EXPECT_EQ(updated.count(), 0);
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_TRUE(framesBeforeMarker(controller).isEmpty());
}

TEST_F(ControllerDesktopTest, BurstOfSrUpdatedGivesOneRefreshAtOnceAndOneForTheLastNotice) {
    TestController controller;
    controller.setIgnoreSrUpdated(false);
    controller.setUseTrGetList(true);
    fill(controller, QJsonArray{row(5, 1500)});
    controller.trGetList(QJsonObject{{"where", QJsonArray{callerCondition}}});
    ASSERT_EQ(peer().takeFrame().size(), 1);
    QSignalSpy updated(&controller, &ControllerDesktopBase::srUpdated);
    // Let the throttle window since construction pass.
    QTest::qWait(ControllerDesktopBase::kRefreshThrottleMs + 100);

    for (int n = 1; n <= 5; ++n) {
        peer().send(message("srUpdated", {{"id", 5}, {"notice", n}}));
        QTest::qWait(60);
    }
    ASSERT_TRUE(QTest::qWaitFor([&]() { return updated.count() == 2; }, 5000));
    EXPECT_EQ(updated.at(0).first().toJsonObject().value("notice").toInt(), 1);
    EXPECT_EQ(updated.at(1).first().toJsonObject().value("notice").toInt(), 5);

    const QList<QList<QJsonObject>> frames = framesBeforeMarker(controller);
    ASSERT_EQ(frames.size(), 2);
    for (const QList<QJsonObject>& frame : frames) {
        ASSERT_EQ(frame.size(), 1);
        const QJsonObject& request = frame.first();
        EXPECT_EQ(request.value("FN").toString(), "test_trGetList");
        EXPECT_EQ(request.value("_request").toString(), "srUpdated");
        EXPECT_EQ(request.value("_doNotClearModel"), QJsonValue(true));
        EXPECT_EQ(request.value("where").toArray(), (QJsonArray{callerCondition, dtUpdateGroup(1500)}));
    }
    // The refreshes do not replace the saved parameters.
    EXPECT_EQ(controller.savedListParams(), (QJsonObject{{"where", QJsonArray{callerCondition}}}));
}

TEST_F(ControllerDesktopTest, RefreshesSendOnlyWhileTrGetListIsInUse) {
    TestController controller;
    controller.setIgnoreSrUpdated(false);
    controller.setIgnoreSrInserted(false);
    QSignalSpy updated(&controller, &ControllerDesktopBase::srUpdated);
    QSignalSpy inserted(&controller, &ControllerDesktopBase::srInserted);
    QTest::qWait(ControllerDesktopBase::kRefreshThrottleMs + 100);

    // Not in use: "srUpdated" is still announced, "srInserted" is not, nothing is sent.
    deliver(message("srUpdated", {{"id", 1}}), controller, SIGNAL(srUpdated(QJsonObject)));
    peer().send(message("srInserted", {{"id", 2}}));
    EXPECT_TRUE(framesBeforeMarker(controller).isEmpty());
    QTest::qWait(50);
    EXPECT_EQ(inserted.count(), 0);

    controller.setUseTrGetList(true);
    deliver(message("srInserted", {{"id", 3}}), controller, SIGNAL(srInserted(QJsonObject)));
    EXPECT_EQ(inserted.first().first().toJsonObject().value("id").toInt(), 3);
    const QList<QJsonObject> refresh = peer().takeFrame();
    ASSERT_EQ(refresh.size(), 1);
    EXPECT_EQ(refresh.first().value("_request").toString(), "srInserted");
    EXPECT_EQ(refresh.first().value("where").toArray(), (QJsonArray{dtUpdateGroup(0)}));
    EXPECT_EQ(updated.count(), 1);
}

TEST_F(ControllerDesktopTest, AutoUpdatePeriodFollowsTheProperties) {
    TestController controller;
    QSignalSpy running(&controller, &ControllerDesktopBase::autoUpdateChanged);
    QSignalSpy interval(&controller, &ControllerDesktopBase::autoUpdateIntervalChanged);
    EXPECT_FALSE(controller.isAutoUpdateTimerActive());

    controller.setAutoUpdate(true);
    EXPECT_TRUE(controller.isAutoUpdateTimerActive());
    EXPECT_EQ(controller.autoUpdateTimerIntervalMs(), 30000);
    controller.setAutoUpdate(true);
    ASSERT_EQ(running.count(), 1);

    controller.setAutoUpdateInterval(5);
    EXPECT_TRUE(controller.isAutoUpdateTimerActive());
    EXPECT_EQ(controller.autoUpdateTimerIntervalMs(), 5000);
    ASSERT_EQ(interval.count(), 1);
    EXPECT_EQ(interval.first().first().toInt(), 5);

    // A period of zero would fire without pause.
    controller.setAutoUpdateInterval(0);
    controller.setProperty("autoUpdateInterval", -3);
    EXPECT_EQ(controller.autoUpdateInterval(), 5);
    EXPECT_EQ(controller.autoUpdateTimerIntervalMs(), 5000);
    EXPECT_EQ(interval.count(), 1);

    controller.setAutoUpdate(false);
    EXPECT_FALSE(controller.isAutoUpdateTimerActive());
    ASSERT_EQ(running.count(), 2);
    EXPECT_FALSE(running.last().first().toBool());
}

TEST_F(ControllerDesktopTest, AutoUpdateTicksKeepOneChangedSinceConditionInTheSavedRequest) {
    TestController controller;
    controller.setUseTrGetList(true);
    controller.trGetList(QJsonObject{{"where", QJsonArray{callerCondition}}, {"limit", 50}});
    controller.setUseTrGetList(false);
    ASSERT_EQ(peer().takeFrame().size(), 1);

    for (qint64 newest : {100, 200, 300}) {
        fill(controller, QJsonArray{row(newest, newest)});
        controller.onAutoUpdateTimerTimeout();
        const QList<QJsonObject> frame = peer().takeFrame();
        ASSERT_EQ(frame.size(), 1);
        const QJsonObject& request = frame.first();
        EXPECT_EQ(request.value("FN").toString(), "test_trGetList");
        EXPECT_FALSE(request.contains("_request"));
        EXPECT_EQ(request.value("limit").toInt(), 50);
        EXPECT_EQ(request.value("where").toArray(), (QJsonArray{callerCondition, dtUpdateGroup(newest)}));
        EXPECT_EQ(controller.savedListParams().value("where").toArray(),
                  (QJsonArray{callerCondition, dtUpdateGroup(newest)}));
        EXPECT_FALSE(controller.useTrGetList());
    }

    // A refresh built on the saved request also carries a single such condition.
    EXPECT_EQ(controller.incrementalRequest().value("where").toArray().size(), 2);

    // New parameters from the caller are kept whole; the next tick adds its condition after them.
    controller.setUseTrGetList(true);
    const QJsonObject otherCondition{{"condition", "or"}, {"expressions", QJsonArray()}};
    controller.trGetList(QJsonObject{{"where", QJsonArray{callerCondition, otherCondition}}});
    controller.setUseTrGetList(false);
    peer().takeFrame();
    controller.onAutoUpdateTimerTimeout();
    const QJsonArray expected{callerCondition, otherCondition, dtUpdateGroup(300)};
    EXPECT_EQ(peer().takeFrame().value(0).value("where").toArray(), expected);
    EXPECT_EQ(controller.savedListParams().value("where").toArray(), expected);
}

TEST_F(ControllerDesktopTest, RunningAutoUpdateTimerRequestsTheList) {
    TestController controller;
    controller.setAutoUpdateInterval(1);
    controller.setAutoUpdate(true);
    const QList<QJsonObject> frame = peer().takeFrame(5000);
    ASSERT_EQ(frame.size(), 1);
    EXPECT_EQ(frame.first().value("FN").toString(), "test_trGetList");
    EXPECT_EQ(frame.first().value("_receiver").toString(), controller.objectNumber());
    controller.setAutoUpdate(false);
}

namespace {

class ThrowingController : public TestController {
protected:
    void processSaCreate(const SpDto&) override { throw std::runtime_error("broken feature"); }
};

} // namespace

TEST_F(ControllerDesktopTest, AnExceptionInAFeatureHandlerDropsOnlyThatMessage) {
    ThrowingController controller;
    QSignalSpy updates(&controller, &ControllerDesktopBase::saUpdate);
    peer().send(QList<QJsonObject>{message("saCreate", {{"id", 1}}), message("saUpdate", {{"id", 1}})});
    ASSERT_TRUE(updates.wait(5000));
}
