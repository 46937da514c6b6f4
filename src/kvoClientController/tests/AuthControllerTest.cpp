#include "ControllerTestSupport.h"
#include "kvoClientController/controller/AuthControllerBase.h"

#include <QSignalSpy>

using namespace ControllerTest;
using ClientController::AuthControllerBase;

TEST(AuthControllerTest, LogInRequestsCarryTheCallersParametersAndAnswersComeBackAsSignals) {
    ASSERT_TRUE(peer().isConnected());
    peer().clear();
    AuthControllerBase auth;
    EXPECT_EQ(auth.controllerName(), "auth");
    const QJsonObject credentials{{"login", "admin"}, {"pwd", "c7ad44cbad762a5da0a452f9e854fdc1"}};

    auth.trAuth(credentials);
    auth.trSignup(QJsonObject{{"login", "new"}});
    QJsonObject expected = credentials;
    expected.insert("FN", "auth_trAuth");
    expected.insert("_receiver", auth.objectNumber());
    EXPECT_EQ(peer().takeFrame(), QList<QJsonObject>{expected});
    EXPECT_EQ(peer().takeFrame(),
              (QList<QJsonObject>{QJsonObject{
                  {"FN", "auth_trSignup"}, {"_receiver", auth.objectNumber()}, {"login", "new"}}}));

    QSignalSpy failed(&auth, &AuthControllerBase::saFailed);
    QSignalSpy authorised(&auth, &AuthControllerBase::saAuth);
    QSignalSpy signedUp(&auth, &AuthControllerBase::saSignup);
    const QJsonObject refusal{{"FN", "auth_saFailed"}, {"RES", false}, {"_receiver", auth.objectNumber()}};
    // Other groups and unknown actions of the group reach no signal.
    peer().send(
        QList<QJsonObject>{message("saAuth", {{"RES", true}}), QJsonObject{{"FN", "auth_saOther"}}, refusal});
    ASSERT_TRUE(failed.wait(5000));
    ASSERT_EQ(failed.count(), 1);
    EXPECT_EQ(failed.first().first().toJsonObject(), refusal);
    EXPECT_EQ(authorised.count(), 0);

    peer().send(QList<QJsonObject>{QJsonObject{{"FN", "auth_saAuth"}, {"RES", true}},
                                   QJsonObject{{"FN", "auth_saSignup"}, {"RES", true}}});
    ASSERT_TRUE(signedUp.wait(5000));
    ASSERT_EQ(authorised.count(), 1);
    EXPECT_EQ(authorised.first().first().toJsonObject().value("FN").toString(), "auth_saAuth");
    EXPECT_EQ(failed.count(), 1);
}

TEST(AuthControllerTest, RefusesToStartWithoutTheLink) {
    const SharedPointerEx<ClientBase::ClientNetworkSimple> link = ClientBase::SharedLink::get();
    ClientBase::SharedLink::set(SharedPointerEx<ClientBase::ClientNetworkSimple>());
    try {
        AuthControllerBase auth;
        ADD_FAILURE() << "constructed without a link";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("Pointer is null!"), std::string::npos) << e.what();
    }
    ClientBase::SharedLink::set(link);
}
