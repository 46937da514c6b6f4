#pragma once

// A real server link on loopback for the controller tests: the link thread connects to a peer that
// records every frame it receives (decoded back into records) and answers with frames of its own.

#include "kvoClientController/controller/ControllerDesktopBase.h"
#include "kvoClientController/network/ClientNetworkSimple.h"
#include "kvoClientController/network/HandleReceivedMessagesBase.h"
#include "kvoClientController/network/MessageFraming.h"
#include "kvoClientController/network/SharedLink.h"
#include "kvoModel/model/ModelBase.h"

#include <QAbstractItemModelTester>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <memory>

#include <gtest/gtest.h>

namespace ControllerTest {

// Routes the groups the tests use, as the application's handler does for its groups.
class TestHandler : public ClientBase::HandleReceivedMessagesBase {
    Q_OBJECT
public:
    using HandleReceivedMessagesBase::HandleReceivedMessagesBase;

Q_SIGNALS:
    void testMessage(QString action, SpDto mapParams);
    void otherMessage(QString action, SpDto mapParams);
    void authMessage(const QString& action, SpDto mapParams);

protected:
    void handleMessage(const QString& group, const QString& action, const SpDto& dto) override;
};

// The link thread body the application's concrete links have.
class TestLink : public ClientBase::ClientNetworkSimple {
    Q_OBJECT
public:
    ~TestLink() override { stopThread(); }

protected:
    void run() override { runLoop("ControllerTest::TestLink::run"); }
};

// The server side of the loopback connection.
class Peer : public QObject {
    Q_OBJECT
public:
    Peer();
    quint16 port() const { return _server.serverPort(); }
    bool isConnected() const { return _socket && _socket->state() == QAbstractSocket::ConnectedState; }

    // Frames received so far, each the list of its records, in order of arrival.
    const QList<QList<QJsonObject>>& frames() const { return _frames; }
    // Waits until at least `count` frames are there.
    bool waitForFrames(int count, int timeoutMs = 5000);
    // Waits for the next frame and takes it off the list; empty when none came.
    QList<QJsonObject> takeFrame(int timeoutMs = 5000);
    void clear() { _frames.clear(); }
    // Drops the connection as a server that goes away would; the link connects again by itself.
    void drop();

    // Sends one frame holding the records.
    void send(const QList<QJsonObject>& records);
    void send(const QJsonObject& record) { send(QList<QJsonObject>{record}); }

private:
    void onNewConnection();
    void onReadyRead();

    QTcpServer _server;
    QTcpSocket* _socket = nullptr; // child of the server
    ClientBase::MessageFraming _framing;
    QList<QList<QJsonObject>> _frames;
};

// One link, handler and peer for the whole test program, installed as the shared link.
class LinkEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

    static LinkEnvironment& instance();
    Peer& peer() { return *_peer; }
    const SharedPointerEx<ClientBase::ClientNetworkSimple>& link() const { return _link; }
    TestHandler& handler() { return *_handler; }

private:
    std::unique_ptr<Peer> _peer;
    SharedPointerEx<ClientBase::ClientNetworkSimple> _link;
    std::shared_ptr<TestHandler> _handler;
};

// A record schema with the fields the base controllers touch.
class TestEntity : public KvoModel::ModelBase {
public:
    TestEntity();
};

// A list controller of the group "test" written the way feature controllers are. Like the table
// component of the view, it adds the "entries" of every answer addressed to it (or of every answer
// when its list is static) inside saGetList.
class TestController : public ClientController::ControllerDesktopBase {
    Q_OBJECT
public:
    explicit TestController(bool isStatic = false, const char* handlerSignal = "testMessage");

    OriginalModel listModel;
    ProxyModel viewModel;

    using ControllerDesktopBase::incrementalRequest;
    using ControllerDesktopBase::send;

private:
    void addEntries(const QJsonObject& answer);
};

// QAbstractItemModelTester on a controller's two models for the lifetime of the object.
class ModelCheck {
public:
    explicit ModelCheck(ClientController::ControllerItemBase& controller);

private:
    QAbstractItemModelTester _original;
    QAbstractItemModelTester _proxy;
};

Peer& peer();

// A record of group "test" with the action and extra keys.
QJsonObject message(const QString& action, const QJsonObject& extra = QJsonObject());

// Sends a marker request through `controller` and waits for it; returns the frames that arrived before
// it (it is itself removed). Everything sent earlier through the link has then been delivered.
QList<QList<QJsonObject>> framesBeforeMarker(ClientController::ControllerItemBase& controller);

// Row ids of the proxy in view order.
QList<qint64> proxyIds(const ProxyModel& model);

} // namespace ControllerTest
