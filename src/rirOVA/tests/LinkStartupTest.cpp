#include "rirOVA/Bootstrap.h"

#include "kvoClientController/network/SharedLink.h"
#include "kvoCore/SettingsSimple.h"
#include "kvoCore/SpSingleton.h"
#include "rirOVA/client/network/ClientNetworkQMLProxy.h"
#include "rirOVA/client/network/HandleRecievedMessages.h"
#include "rirOVA/client/network/KvoClientNetworkSimple.h"
#include "rirOVA/p2pclient/network/ClientNetworkQMLProxy.h"
#include "rirOVA/p2pclient/network/HandleRecievedMessages.h"
#include "rirOVA/p2pclient/network/KvoClientNetworkSimple.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using DodEzoviviZudorOzerir::Bootstrap;

// The link singletons live for the whole process, so one test walks through both start-up steps:
// first with the direct link configured, then with the P2P link.
TEST(LinkStartup, CreatesExactlyTheConfiguredLinkStartsItAndPublishesItsProxy) {
    QTemporaryDir dir;
    Bootstrap::initSettings(dir.path());
    auto* settings = SpSingleton<KvoCore::SettingsSimple>::instance();
    settings->setValue("p2pServer/enabled", false);
    settings->setValue("p2pServer/remoteUser", "remote-7");

    Bootstrap::initClientNetworkP2P();
    EXPECT_TRUE(SpSingleton<DodEzoviviZudorOzerirP2P::KvoClientNetworkSimple>::sharedInstance().isNull());
    Bootstrap::initClientNetwork();
    auto direct = SpSingleton<DodEzoviviZudorOzerir::KvoClientNetworkSimple>::sharedInstance();
    ASSERT_FALSE(direct.isNull());
    EXPECT_TRUE(direct->isRunning());
    EXPECT_TRUE(direct->param("use_ping").toBool());
    EXPECT_FALSE(direct->isP2P());
    EXPECT_EQ(ClientBase::SharedLink::get().data(), direct.data());
    EXPECT_NE(
        dynamic_cast<DodEzoviviZudorOzerir::HandleRecievedMessages*>(direct->handleReceivedMessages().get()),
        nullptr);
    EXPECT_EQ(direct->handleReceivedMessages()->thread(), direct.data());
    auto* proxy = SpSingleton<DodEzoviviZudorOzerir::ClientNetworkQMLProxy>::instance();
    // Created after the thread started, the proxy still announces initFinished once.
    QSignalSpy init(proxy, &ClientBase::ClientNetworkQMLProxyBase::initFinished);
    ASSERT_TRUE(init.wait(5000));
    QTest::qWait(50);
    EXPECT_EQ(init.size(), 1);

    // The proxy drives the started link: connect to a loopback peer through it.
    QTcpServer peer;
    ASSERT_TRUE(peer.listen(QHostAddress::LocalHost, 0));
    QSignalSpy state(proxy, &ClientBase::ClientNetworkQMLProxyBase::connectionState);
    proxy->setParam("host", "127.0.0.1");
    proxy->setParam("port", peer.serverPort());
    proxy->makeConnection();
    ASSERT_TRUE(QTest::qWaitFor([&]() { return state.size() == 1; }, 5000));
    EXPECT_TRUE(state[0][0].toBool());
    EXPECT_EQ(proxy->amountConnected(), 1);

    settings->setValue("p2pServer/enabled", true);
    Bootstrap::initClientNetwork(); // does nothing while P2P is configured
    Bootstrap::initClientNetworkP2P();
    auto p2p = SpSingleton<DodEzoviviZudorOzerirP2P::KvoClientNetworkSimple>::sharedInstance();
    ASSERT_FALSE(p2p.isNull());
    EXPECT_TRUE(p2p->isRunning());
    EXPECT_TRUE(p2p->isP2P());
    EXPECT_EQ(p2p->remoteUser().toString(), "remote-7");
    EXPECT_TRUE(p2p->param("use_ping").toBool());
    EXPECT_EQ(ClientBase::SharedLink::get().data(), p2p.data());
    EXPECT_NE(
        dynamic_cast<DodEzoviviZudorOzerirP2P::HandleRecievedMessages*>(p2p->handleReceivedMessages().get()),
        nullptr);
    auto* p2pProxy = SpSingleton<DodEzoviviZudorOzerirP2P::ClientNetworkQMLProxy>::instance();
    EXPECT_EQ(p2pProxy->isP2P(), 1);
    // Both threads are still running here; the process exit has to end them cleanly.
}
