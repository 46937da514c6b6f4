// Clients that misbehave on the wire, seen through a raw loopback socket.
#include "ServerProcess.h"

#include "kvoClientController/network/MessageFraming.h"
#include "kvoCore/Utils.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using ClientBase::MessageFraming;

QByteArray frameOf(const QByteArray& json) {
    return MessageFraming::frame(json);
}

// Reads frames until one holds a record with this "FN"; empty object on time-out or loss.
QJsonObject readRecord(QTcpSocket& socket, MessageFraming& framing, const QString& fn, int msecs = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < msecs) {
        QByteArray frame;
        while (framing.next(&frame) == MessageFraming::Next::Frame) {
            QByteArray payload;
            if (MessageFraming::inflate(frame, &payload) != MessageFraming::Inflate::Ok) {
                continue;
            }
            for (const QJsonObject& record : MessageFraming::parse(payload).records) {
                if (record.value("FN").toString() == fn) {
                    return record;
                }
            }
        }
        if (socket.state() != QAbstractSocket::ConnectedState) {
            return {};
        }
        socket.waitForReadyRead(100);
        framing.append(socket.readAll());
    }
    return {};
}

bool waitForDrop(QTcpSocket& socket, int msecs) {
    QElapsedTimer clock;
    clock.start();
    while (socket.state() == QAbstractSocket::ConnectedState && clock.elapsed() < msecs) {
        socket.waitForReadyRead(100);
        socket.readAll();
    }
    return socket.state() != QAbstractSocket::ConnectedState;
}

class DevServerSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        server =
            std::make_unique<ServerProcess>(false, QMap<QString, QVariant>{{"server/maxPendingBytes", 65536},
                                                                           {"server/loginTimeoutSec", 2},
                                                                           {"server/maxBadFrames", 5}});
        ASSERT_TRUE(server->start()) << server->error().toStdString();
    }

    bool connectSocket(QTcpSocket& socket) {
        socket.connectToHost(QStringLiteral("127.0.0.1"), server->port());
        return socket.waitForConnected(5000);
    }

    std::unique_ptr<ServerProcess> server;
};

TEST_F(DevServerSessionTest, MalformedFramesAreSkippedAndTheSessionGoesOn) {
    QTcpSocket socket;
    ASSERT_TRUE(connectSocket(socket));
    MessageFraming framing;
    const QByteArray logIn = QJsonDocument(QJsonObject{{"FN", "auth_trAuth"},
                                                       {"sign", "admin"},
                                                       {"pwd", KvoCore::Utils::getPwdHash(QString())}})
                                 .toJson(QJsonDocument::Compact);
    // Not compressed, compressed non-JSON, JSON that is not an array, an element that is no object,
    // a record without a usable "FN": all skipped; the log-in after them is answered.
    socket.write("plain text#ENDMSG");
    socket.write(frameOf("not json"));
    socket.write(frameOf("{\"FN\":\"auth_trAuth\"}"));
    socket.write(frameOf("[1, \"two\", {\"FN\":\"noUnderscore\"}, {\"FN\":\"a_b_c\"}]"));
    socket.write(frameOf("[" + logIn + "]"));
    const QJsonObject answer = readRecord(socket, framing, "auth_saAuth");
    EXPECT_TRUE(answer.value("RES").toBool()) << "the session did not survive malformed frames";
}

TEST_F(DevServerSessionTest, FloodsSilenceAndGarbageDropTheClient) {
    QTcpSocket flood;
    ASSERT_TRUE(connectSocket(flood));
    flood.write(QByteArray(100 * 1024, 'x'));
    EXPECT_TRUE(waitForDrop(flood, 10000)) << "an endless frame was buffered";

    QTcpSocket silent;
    ASSERT_TRUE(connectSocket(silent));
    EXPECT_TRUE(waitForDrop(silent, 15000)) << "a client that never logged in was kept";

    QTcpSocket garbage;
    ASSERT_TRUE(connectSocket(garbage));
    for (int i = 0; i < 6; ++i) {
        garbage.write("garbage#ENDMSG");
    }
    garbage.flush();
    EXPECT_TRUE(waitForDrop(garbage, 1500)) << "a client sending only malformed frames was kept";

    // The server itself is unharmed.
    QTcpSocket fine;
    ASSERT_TRUE(connectSocket(fine));
    MessageFraming framing;
    fine.write(frameOf(R"([{"FN":"device_trGetList","_receiver":"9"}])"));
    const QJsonObject refused = readRecord(fine, framing, "device_saGetList");
    EXPECT_FALSE(refused.value("RES").toBool(true));
    EXPECT_EQ(refused.value("_receiver").toString(), "9");
}

TEST_F(DevServerSessionTest, ASecondCopyOnTheSamePortExitsWithoutTouchingItsDatabase) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess second;
    second.start(QStringLiteral(DEVSERVER_BINARY),
                 {"--settings", dir.filePath("etc/second.conf"), "--host", "127.0.0.1", "--port",
                  QString::number(server->port()), "--db", dir.filePath("db"), "--log-dir",
                  dir.filePath("log")});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("db/main.db")));

    // The first copy still serves.
    QTcpSocket socket;
    ASSERT_TRUE(connectSocket(socket));
    MessageFraming framing;
    socket.write(frameOf(R"([{"FN":"app_trGetBaseVideoDir"}])"));
    EXPECT_EQ(readRecord(socket, framing, "app_saGetBaseVideoDir").value("error").toString(), "Log in first");
}

} // namespace
