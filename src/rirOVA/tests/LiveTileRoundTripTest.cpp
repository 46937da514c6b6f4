// The road of a live tile over a real loopback link: the device controller asks for the stream
// description through the application's link thread, the peer answers in the device group, and the
// answer, routed by the application's handler, is written to the tile's SDP file.

#include "FeatureTestSupport.h"

#include "kvoClientController/network/MessageFraming.h"
#include "kvoClientController/network/SharedLink.h"
#include "rirOVA/client/controllers/DeviceController.h"
#include "rirOVA/client/network/HandleRecievedMessages.h"
#include "rirOVA/client/network/KvoClientNetworkSimple.h"

#include <QFile>
#include <QHostAddress>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace ClientController;

namespace {

// The server side: collects the records of every frame and answers with frames of its own.
class Peer {
public:
    Peer() {
        QObject::connect(&_server, &QTcpServer::newConnection, [this]() {
            _socket = _server.nextPendingConnection();
            QObject::connect(_socket, &QTcpSocket::readyRead, [this]() { read(); });
        });
        _server.listen(QHostAddress::LocalHost, 0);
    }
    quint16 port() const { return _server.serverPort(); }
    bool connected() const { return _socket && _socket->state() == QAbstractSocket::ConnectedState; }
    QList<QJsonObject>& records() { return _records; }
    void send(const QJsonObject& record) {
        const QJsonArray array{record};
        _socket->write(
            ClientBase::MessageFraming::frame(QJsonDocument(array).toJson(QJsonDocument::Compact)));
        _socket->flush();
    }

private:
    void read() {
        _framing.append(_socket->readAll());
        QByteArray frame;
        while (_framing.next(&frame) == ClientBase::MessageFraming::Next::Frame) {
            QByteArray payload;
            ASSERT_EQ(ClientBase::MessageFraming::inflate(frame, &payload),
                      ClientBase::MessageFraming::Inflate::Ok);
            _records.append(ClientBase::MessageFraming::parse(payload).records);
        }
    }

    QTcpServer _server;
    QTcpSocket* _socket = nullptr; // child of the server
    ClientBase::MessageFraming _framing;
    QList<QJsonObject> _records;
};

} // namespace

TEST(LiveTileRoundTripTest, SdpRequestAnswerAndFile) {
    FeatureTest::ScopedWorkDir work;
    Peer peer;
    ASSERT_NE(peer.port(), 0);
    // This program's environment installed an idle link; this test needs a connected one.
    const SharedPointerEx<ClientBase::ClientNetworkSimple> idle = ClientBase::SharedLink::get();
    SharedPointerEx<ClientBase::ClientNetworkSimple> link(
        new DodEzoviviZudorOzerir::KvoClientNetworkSimple());
    link->setHandleReceivedMessages(std::make_shared<DodEzoviviZudorOzerir::HandleRecievedMessages>());
    link->setDefaultActionAfterConnected(QString());
    link->setParam(QStringLiteral("host"), QStringLiteral("127.0.0.1"));
    link->setParam(QStringLiteral("port"), peer.port());
    ClientBase::SharedLink::set(link);
    link->start();
    ASSERT_TRUE(QTest::qWaitFor([&]() { return link->isInitFinished(); }, 5000));
    Q_EMIT link->makeConnection();
    ASSERT_TRUE(QTest::qWaitFor([&]() { return peer.connected() && link->isConnected(); }, 5000));

    {
        DeviceController device;
        QSignalSpy answers(&device, &DeviceController::saGetSDP);
        QString written;
        QObject::connect(&device, &DeviceController::saGetSDP,
                         [&](const QJsonObject& answer) { written = device.createSDPFile(answer); });

        device.trGetSDP({{"id", 7}});
        const auto request = [&]() {
            for (const QJsonObject& record : peer.records()) {
                if (record.value("FN").toString() == "device_trGetSDP") {
                    return record;
                }
            }
            return QJsonObject();
        };
        ASSERT_TRUE(QTest::qWaitFor([&]() { return !request().isEmpty(); }, 5000));
        const QJsonObject asked = request();
        EXPECT_EQ(asked.value("id").toInt(), 7);
        EXPECT_EQ(asked.value("rtpVideoPort").toInt() % 2, 0);
        EXPECT_EQ(asked.value("rtcpVideoPort").toInt(), asked.value("rtpVideoPort").toInt() + 1);

        const QString sdp =
            QStringLiteral("v=0\r\nm=video %1 RTP/AVP 96\r\n").arg(asked.value("rtpVideoPort").toInt());
        peer.send({{"FN", "device_saGetSDP"},
                   {"_receiver", asked.value("_receiver")},
                   {"id", 7},
                   {"sdpContent", sdp}});
        ASSERT_TRUE(answers.wait(5000));
        ASSERT_FALSE(written.isEmpty());
        QFile file(written);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(file.readAll()), sdp);
        EXPECT_TRUE(written.endsWith("/var/lib/vizEDA/tileSdp/7.sdp"));
    }

    ClientBase::SharedLink::set(idle);
    link.reset();
}
