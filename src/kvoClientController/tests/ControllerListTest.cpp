#include "ControllerTestSupport.h"

#include <QSignalSpy>

using namespace ControllerTest;
using ClientController::ControllerItemBase;

namespace {

const ::testing::Environment* const linkEnvironment =
    ::testing::AddGlobalTestEnvironment(new LinkEnvironment);

QJsonObject row(qint64 id, const QString& name, qint64 dtUpdate = 100) {
    return QJsonObject{{"id", id}, {"name", name}, {"dtUpdate", dtUpdate}, {"rst_id_user_locked", "1"}};
}

QJsonObject answer(const ControllerItemBase& to, const QJsonArray& entries, const QJsonObject& extra = {}) {
    QJsonObject params = extra;
    params.insert("_receiver", to.objectNumber());
    params.insert("entries", entries);
    params.insert("RES", true);
    return message("saGetList", params);
}

// Delivers the answer through the link and waits until `controller` has handled it.
void deliver(const QJsonObject& record, ControllerItemBase& controller,
             const char* signal = SIGNAL(saGetList(QJsonObject))) {
    QSignalSpy spy(&controller, signal);
    peer().send(record);
    ASSERT_TRUE(QTest::qWaitFor([&]() { return spy.count() > 0; }, 5000))
        << "no answer reached the controller";
}

class ControllerListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(peer().isConnected());
        peer().clear();
    }
};

} // namespace

TEST_F(ControllerListTest, EveryRequestCarriesTheEnvelopeOfItsController) {
    TestController first;
    TestController second;
    ModelCheck check(first);
    EXPECT_EQ(second.objectNumber().toULongLong(), first.objectNumber().toULongLong() + 1);
    first.setUseTrGetList(true);

    const QJsonObject where{{"where", QJsonArray{QJsonObject{{"condition", "and"}}}}};
    first.trInfo(QJsonObject{{"id", 12}});
    first.trGetList(where);
    first.trCreate(QJsonObject{{"name", "a"}});
    first.trUpdate(QJsonObject{{"id", 12}, {"name", "b"}});
    first.trRemove(QJsonObject{{"id", 12}});
    first.trDuplicate(QJsonObject{{"id", 12}});
    second.trInfo();

    const QStringList actions{"trInfo", "trGetList", "trCreate", "trUpdate", "trRemove", "trDuplicate"};
    for (const QString& action : actions) {
        const QList<QJsonObject> frame = peer().takeFrame();
        ASSERT_EQ(frame.size(), 1) << action.toStdString();
        const QJsonObject& record = frame.first();
        EXPECT_EQ(record.value("FN").toString(), "test_" + action);
        EXPECT_EQ(record.value("_receiver").toString(), first.objectNumber());
    }
    const QList<QJsonObject> last = peer().takeFrame();
    ASSERT_EQ(last.size(), 1);
    EXPECT_EQ(last.first(), (QJsonObject{{"FN", "test_trInfo"}, {"_receiver", second.objectNumber()}}));

    // The caller's keys travel unchanged beside the envelope.
    first.trUpdate(QJsonObject{{"id", 12}, {"name", "b"}, {"nested", QJsonObject{{"x", 1}}}});
    EXPECT_EQ(peer().takeFrame().first(), (QJsonObject{{"FN", "test_trUpdate"},
                                                       {"_receiver", first.objectNumber()},
                                                       {"id", 12},
                                                       {"name", "b"},
                                                       {"nested", QJsonObject{{"x", 1}}}}));
}

TEST_F(ControllerListTest, EnvelopeKeysCopiedFromAReceivedRecordDoNotRedirectTheRequest) {
    TestController controller;
    // A record as QML gets it from an answer, passed back for an update.
    controller.trUpdate(QJsonObject{{"FN", "test_saInfo"}, {"_receiver", "99999"}, {"id", 3}});
    const QJsonObject sent = peer().takeFrame().value(0);
    EXPECT_EQ(sent.value("FN").toString(), "test_trUpdate");
    EXPECT_EQ(sent.value("_receiver").toString(), controller.objectNumber());
    EXPECT_EQ(sent.value("id").toInt(), 3);
}

TEST_F(ControllerListTest, OwnAnswerFillsSortsAndMarksLoadedForeignAnswerLeavesTheListAlone) {
    TestController mine;
    TestController other;
    ModelCheck checkMine(mine);
    ModelCheck checkOther(other);
    QSignalSpy mineLoaded(&mine, &ControllerItemBase::dataAtLeastLoadedChanged);
    QSignalSpy otherLoaded(&other, &ControllerItemBase::dataAtLeastLoadedChanged);

    deliver(answer(other, QJsonArray{row(40, "old")}), other);
    ASSERT_EQ(other.listModel.rowCount(), 1);
    ASSERT_EQ(otherLoaded.count(), 1);
    // Sort by name so that the order tells whether the controller sorted after the rows came.
    mine.viewModel.sortRows("name", Qt::AscendingOrder);
    other.viewModel.sortRows("name", Qt::AscendingOrder);

    QSignalSpy otherSaw(&other, &ControllerItemBase::saGetList);
    deliver(answer(mine, QJsonArray{row(5, "cherry"), row(9, "apple"), row(7, "Banana")}), mine);
    ASSERT_TRUE(QTest::qWaitFor([&]() { return otherSaw.count() == 1; }, 5000));

    EXPECT_EQ(proxyIds(mine.viewModel), (QList<qint64>{9, 7, 5}));
    EXPECT_TRUE(mine.listModel.dataAtLeastLoaded());
    ASSERT_EQ(mineLoaded.count(), 1);
    EXPECT_EQ(mineLoaded.first().first().toBool(), true);

    // The other controller saw the answer but kept its rows and did not count it as its own.
    EXPECT_EQ(otherSaw.first().first().toJsonObject().value("_receiver").toString(), mine.objectNumber());
    EXPECT_EQ(proxyIds(other.viewModel), (QList<qint64>{40}));
    EXPECT_EQ(otherLoaded.count(), 1);

    // A second own answer replaces the rows; the loaded flag stays and is not announced again.
    deliver(answer(mine, QJsonArray{row(11, "kiwi")}), mine);
    EXPECT_EQ(proxyIds(mine.viewModel), (QList<qint64>{11}));
    EXPECT_EQ(mineLoaded.count(), 1);
}

TEST_F(ControllerListTest, AnswerWithDoNotClearModelMergesIntoTheList) {
    TestController controller;
    ModelCheck check(controller);
    deliver(answer(controller, QJsonArray{row(5, "five"), row(7, "seven")}), controller);
    ASSERT_EQ(controller.listModel.rowCount(), 2);

    deliver(answer(controller, QJsonArray{row(7, "seven changed", 200), row(9, "nine", 200)},
                   QJsonObject{{"_doNotClearModel", true}}),
            controller);
    EXPECT_EQ(proxyIds(controller.viewModel), (QList<qint64>{9, 7, 5}));
    EXPECT_EQ(controller.listModel.originalData(controller.listModel.findId("7"), "name").toString(),
              "seven changed");
    EXPECT_EQ(controller.listModel.maxDtUtcLastUpdate(), 200);

    deliver(answer(controller, QJsonArray{row(3, "three")}), controller);
    EXPECT_EQ(proxyIds(controller.viewModel), (QList<qint64>{3}));
}

TEST_F(ControllerListTest, StaticListTakesEveryAnswerOfTheGroupAndIsNeverCleared) {
    TestController shared(true);
    TestController requester;
    ModelCheck check(shared);
    ASSERT_TRUE(shared.isStaticModel());
    shared.viewModel.sortRows("name", Qt::AscendingOrder);

    deliver(answer(requester, QJsonArray{row(5, "b"), row(6, "a")}), shared);
    EXPECT_EQ(proxyIds(shared.viewModel), (QList<qint64>{6, 5}));
    EXPECT_TRUE(shared.listModel.dataAtLeastLoaded());

    deliver(answer(shared, QJsonArray{row(7, "c")}), shared);
    EXPECT_EQ(proxyIds(shared.viewModel), (QList<qint64>{6, 5, 7}));
}

TEST_F(ControllerListTest, SaInfoWithRecordGoneRemovesTheRowOtherFailuresKeepIt) {
    TestController controller;
    ModelCheck check(controller);
    deliver(answer(controller, QJsonArray{row(12, "twelve"), row(13, "thirteen")}), controller);
    QSignalSpy rowCount(&controller.listModel, &OriginalModel::rowCountChanged);
    QSignalSpy info(&controller, &ControllerItemBase::saInfo);

    deliver(message("saInfo", {{"RES", false}, {"ERRCODE", 5}, {"id", 12}}), controller,
            SIGNAL(saInfo(QJsonObject)));
    EXPECT_EQ(controller.listModel.rowCount(), 2);
    EXPECT_EQ(rowCount.count(), 0);

    deliver(message("saInfo", {{"RES", false}, {"ERRCODE", 110}, {"id", 12}}), controller,
            SIGNAL(saInfo(QJsonObject)));
    EXPECT_EQ(proxyIds(controller.viewModel), (QList<qint64>{13}));
    ASSERT_EQ(rowCount.count(), 1);
    EXPECT_EQ(rowCount.first().first().toInt(), 1);

    // Ids also come as text; an id that is not in the list changes nothing.
    deliver(message("saInfo", {{"RES", false}, {"ERRCODE", 110}, {"id", "404"}}), controller,
            SIGNAL(saInfo(QJsonObject)));
    deliver(message("saInfo", {{"RES", false}, {"ERRCODE", 110}, {"id", "13"}}), controller,
            SIGNAL(saInfo(QJsonObject)));
    EXPECT_EQ(controller.listModel.rowCount(), 0);

    ASSERT_EQ(info.count(), 4);
    EXPECT_EQ(info.at(0).first().toJsonObject().value("ERRCODE").toInt(), 5);
}

TEST_F(ControllerListTest, SrSetFieldValueIsHandedToTheView) {
    TestController controller;
    const QJsonObject notice = message("srSetFieldValue", {{"id", 4}, {"role", "name"}, {"value", "x"}});
    QSignalSpy spy(&controller, &ControllerItemBase::srSetFieldValue);
    deliver(notice, controller, SIGNAL(srSetFieldValue(QJsonObject)));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.first().first().toJsonObject(), notice);
}

TEST_F(ControllerListTest, BufferedCommandsLeaveAsOneListOnEverySendBufferCmd) {
    TestController first;
    TestController second;
    first.onBufferCmd();
    first.trInfo(QJsonObject{{"n", 1}});
    second.trCreate(QJsonObject{{"n", 2}});
    first.trRemove(QJsonObject{{"n", 3}});
    EXPECT_TRUE(ControllerItemBase::isBuffering());

    // Had any of the three left on its own, it would arrive before the list.
    second.sendBufferCmd();
    const QList<QJsonObject> list = peer().takeFrame();
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list.at(0),
              (QJsonObject{{"FN", "test_trInfo"}, {"_receiver", first.objectNumber()}, {"n", 1}}));
    EXPECT_EQ(list.at(1),
              (QJsonObject{{"FN", "test_trCreate"}, {"_receiver", second.objectNumber()}, {"n", 2}}));
    EXPECT_EQ(list.at(2),
              (QJsonObject{{"FN", "test_trRemove"}, {"_receiver", first.objectNumber()}, {"n", 3}}));
    EXPECT_TRUE(ControllerItemBase::isBuffering());

    first.sendBufferCmd(true);
    EXPECT_EQ(peer().takeFrame(), list);

    // Starting again empties the buffer: an empty list sends nothing.
    first.onBufferCmd();
    first.sendBufferCmd();
    first.offBufferCmd();
    EXPECT_FALSE(ControllerItemBase::isBuffering());
    EXPECT_TRUE(framesBeforeMarker(first).isEmpty());
}

TEST_F(ControllerListTest, TrGetListSendsOnlyWhenAllowedAndSavesOnlyWhenAsked) {
    TestController controller;
    const QJsonObject saved{{"where", QJsonArray{QJsonObject{{"role", "name"}}}}, {"limit", 10}};

    controller.trGetList(saved);
    EXPECT_TRUE(framesBeforeMarker(controller).isEmpty());
    EXPECT_TRUE(controller.savedListParams().isEmpty());

    controller.setUseTrGetList(true);
    controller.trGetList(saved);
    EXPECT_EQ(controller.savedListParams(), saved);
    controller.trGetList(QJsonObject{{"limit", 1}}, false);
    EXPECT_EQ(controller.savedListParams(), saved);
    const QList<QList<QJsonObject>> frames = framesBeforeMarker(controller);
    ASSERT_EQ(frames.size(), 2);
    EXPECT_EQ(frames.at(0).first().value("where"), saved.value("where"));
    EXPECT_EQ(frames.at(1).first().value("limit").toInt(), 1);
    EXPECT_FALSE(frames.at(1).first().contains("where"));

    controller.removeParamFromTrGetListParams("limit");
    EXPECT_EQ(controller.savedListParams(), (QJsonObject{{"where", saved.value("where")}}));
    controller.clearParam4trGetList();
    EXPECT_TRUE(controller.savedListParams().isEmpty());
}

TEST_F(ControllerListTest, DefaultFieldValueComesFromTheEntityModel) {
    TestController controller;
    EXPECT_EQ(controller.defaultFieldValue("name").toString(), "unnamed");
    EXPECT_EQ(controller.defaultFieldValue("rst_id_user_locked").toInt(), 1);
    EXPECT_FALSE(controller.defaultFieldValue("noSuchField").isValid());
}

TEST_F(ControllerListTest, ControllersFailLoudlyWithoutLinkOrHandler) {
    const SharedPointerEx<ClientBase::ClientNetworkSimple> link = ClientBase::SharedLink::get();
    TestController survivor;

    ClientBase::SharedLink::set(SharedPointerEx<ClientBase::ClientNetworkSimple>());
    EXPECT_THROW(TestController(), std::runtime_error);
    // Sending without a link is logged and dropped, not thrown into QML.
    EXPECT_NO_THROW(survivor.trInfo());

    ClientBase::SharedLink::set(SharedPointerEx<ClientBase::ClientNetworkSimple>(new TestLink()));
    try {
        TestController withoutHandler;
        ADD_FAILURE() << "a link without message handler was accepted";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("Pointer is null!"), std::string::npos) << e.what();
    }

    ClientBase::SharedLink::set(link);
    survivor.trInfo();
    EXPECT_EQ(peer().takeFrame().value(0).value("FN").toString(), "test_trInfo");
}

TEST_F(ControllerListTest, GroupTheLinkDoesNotRouteLeavesTheControllerWithoutMessages) {
    // As a device list under the P2P link, whose handler routes only users and log-in.
    TestController unrouted(false, "deviceMessage");
    TestController routed;
    QSignalSpy unroutedInfo(&unrouted, &ControllerItemBase::saInfo);
    deliver(message("saInfo", {{"RES", true}}), routed, SIGNAL(saInfo(QJsonObject)));
    QTest::qWait(20);
    EXPECT_EQ(unroutedInfo.count(), 0);
    // It still sends.
    EXPECT_TRUE(framesBeforeMarker(unrouted).isEmpty());
}
