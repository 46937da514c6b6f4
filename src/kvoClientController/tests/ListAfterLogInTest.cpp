#include "ControllerTestSupport.h"
#include "kvoClientController/controller/AuthControllerBase.h"
#include "kvoClientController/controller/SessionGate.h"

#include <QSignalSpy>

using namespace ControllerTest;
using ClientController::AuthControllerBase;
using ClientController::SessionGate;

namespace {

// The list requests among the frames, as (receiver, parameters without the envelope).
QList<QPair<QString, QJsonObject>> listRequests(const QList<QList<QJsonObject>>& frames) {
    QList<QPair<QString, QJsonObject>> result;
    for (const QList<QJsonObject>& frame : frames) {
        for (QJsonObject record : frame) {
            if (record.value("FN").toString() != "test_trGetList") {
                continue;
            }
            const QString receiver = record.take("_receiver").toString();
            record.remove("FN");
            result.append({receiver, record});
        }
    }
    return result;
}

void logInAnswered(AuthControllerBase& auth) {
    QSignalSpy answered(&auth, &AuthControllerBase::saAuth);
    peer().send(QJsonObject{{"FN", "auth_saAuth"}, {"RES", true}, {"_receiver", auth.objectNumber()}});
    ASSERT_TRUE(answered.wait(5000));
}

// Turns the gate on for one test and leaves it off and logged out for the others.
class ListAfterLogInTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(peer().isConnected());
        peer().clear();
        SessionGate::instance().logOut();
        auth.setListsWaitForLogIn(true);
    }
    void TearDown() override {
        auth.setListsWaitForLogIn(false);
        SessionGate::instance().logOut();
    }
    AuthControllerBase auth;
};

} // namespace

TEST_F(ListAfterLogInTest, ListsAskedBeforeTheLogInGoOutOnceAfterItAndAgainAfterEachReconnection) {
    TestController events;
    TestController devices;
    TestController idle; // never asks for its list: nothing is sent for it
    events.setUseTrGetList(true);
    devices.setUseTrGetList(true);
    idle.setUseTrGetList(true);
    const QJsonObject today{{"where", QJsonArray{QJsonObject{{"condition", "and"}}}}};

    events.trGetList(today);
    devices.trGetList(QJsonObject{{"limit", 5}});
    devices.trGetList(QJsonObject{{"limit", 9}}); // the latest parameters win
    EXPECT_TRUE(listRequests(framesBeforeMarker(events)).isEmpty()) << "a list was asked before the log-in";

    // A screen that asks in its own log-in handler is not asked a second time by the gate.
    QObject::connect(&auth, &AuthControllerBase::saAuth, &devices, [&]() {
        devices.trGetList(QJsonObject{{"limit", 9}});
    });
    logInAnswered(auth);
    QCoreApplication::processEvents();
    auto sent = listRequests(framesBeforeMarker(events));
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(sent.at(0), qMakePair(devices.objectNumber(), QJsonObject{{"limit", 9}}));
    EXPECT_EQ(sent.at(1), qMakePair(events.objectNumber(), today));

    // While logged in a request goes out at once, and a refresh without saving keeps the list asked
    // again after a reconnection.
    events.trGetList(QJsonObject{{"_request", "srInserted"}}, false);
    sent = listRequests(framesBeforeMarker(events));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent.first().second, (QJsonObject{{"_request", "srInserted"}}));

    // The server goes away: the link reconnects by itself, and until the new log-in is answered
    // nothing is asked.
    QObject::disconnect(&auth, &AuthControllerBase::saAuth, &devices, nullptr);
    peer().drop();
    ASSERT_TRUE(QTest::qWaitFor([]() { return !SessionGate::instance().isLoggedIn(); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([]() { return peer().isConnected(); }, 10000));
    peer().clear();
    devices.trGetList(QJsonObject{{"limit", 3}});
    EXPECT_TRUE(listRequests(framesBeforeMarker(events)).isEmpty()) << "a list was asked before the log-in";

    logInAnswered(auth);
    QCoreApplication::processEvents();
    sent = listRequests(framesBeforeMarker(events));
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(sent.at(0), qMakePair(events.objectNumber(), today));
    EXPECT_EQ(sent.at(1), qMakePair(devices.objectNumber(), QJsonObject{{"limit", 3}}));
}

TEST_F(ListAfterLogInTest, AFailedLogInOpensNothingAndAnOpenGateSendsAtOnce) {
    TestController list;
    list.setUseTrGetList(true);
    list.trGetList(QJsonObject{{"limit", 1}});
    QSignalSpy answered(&auth, &AuthControllerBase::saAuth);
    peer().send(QJsonObject{{"FN", "auth_saAuth"}, {"RES", false}, {"_receiver", auth.objectNumber()}});
    ASSERT_TRUE(answered.wait(5000));
    QCoreApplication::processEvents();
    EXPECT_FALSE(SessionGate::instance().isLoggedIn());
    EXPECT_TRUE(listRequests(framesBeforeMarker(list)).isEmpty());

    // Without the gate (a program that does not log in) requests are never held back.
    auth.setListsWaitForLogIn(false);
    list.trGetList(QJsonObject{{"limit", 2}});
    const auto sent = listRequests(framesBeforeMarker(list));
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent.first().second, (QJsonObject{{"limit", 2}}));
}
