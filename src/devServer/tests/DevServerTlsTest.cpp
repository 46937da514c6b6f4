// The encrypted link between the program's own client link and the server: log-in over TLS, the
// certificate kept across restarts, a changed certificate refused before anything is sent, and a
// plain client turned away from a TLS port. The server is forced to TLS on loopback.
#include "LinkClient.h"
#include "RawClient.h"
#include "ServerProcess.h"

#include "kvoCore/Utils.h"
#include "kvoCore/clientNetwork/TlsFingerprint.h"
#include "rirOVA/client/network/KvoClientNetworkSimple.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString emptyPasswordHash = KvoCore::Utils::getPwdHash(QString());

class DevServerTlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QSslSocket::supportsSsl())
            << "Qt finds no TLS library (built with "
            << QSslSocket::sslLibraryBuildVersionString().toStdString() << ")";
        server = std::make_unique<ServerProcess>(false, QMap<QString, QVariant>{{"server/tls", "on"}});
        ASSERT_TRUE(server->start()) << server->error().toStdString();
    }

    QString tlsFolder() const { return QDir(server->folder()).filePath("db/tls"); }

    // The fingerprint of the server's last start, from its log ("" when it logged none).
    QString loggedFingerprint(int* starts = nullptr) const {
        static const QRegularExpression line(QStringLiteral("SHA-256 fingerprint ([0-9A-F:]{95})"));
        QString last;
        int count = 0;
        auto it = line.globalMatch(server->logText());
        while (it.hasNext()) {
            last = it.next().captured(1);
            ++count;
        }
        if (starts) {
            *starts = count;
        }
        return last;
    }

    // Waits until the server's log (flushed every 2 s) has its start lines.
    QString waitForFingerprint(int starts) const {
        for (int i = 0; i < 60; ++i) {
            int seen = 0;
            const QString fingerprint = loggedFingerprint(&seen);
            if (seen >= starts) {
                return fingerprint;
            }
            QThread::msleep(100);
        }
        return {};
    }

    std::unique_ptr<LinkClient> encryptedClient(const QString& pin) {
        auto client = std::make_unique<LinkClient>();
        client->setParam("tls", "on");
        client->setParam("tlsPin", pin);
        return client;
    }

    std::unique_ptr<ServerProcess> server;
};

TEST_F(DevServerTlsTest, LogsInOverTlsAndKeepsItsCertificateAcrossRestarts) {
    const QString fingerprint = waitForFingerprint(1);
    ASSERT_FALSE(fingerprint.isEmpty()) << server->logText().right(2000).toStdString();
    const QFileInfo key(QDir(tlsFolder()).filePath("server.key"));
    ASSERT_TRUE(key.exists());
    EXPECT_EQ(key.permissions() &
                  (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions())
        << "the key is the server user's only";
    QFile certificateFile(QDir(tlsFolder()).filePath("server.crt"));
    ASSERT_TRUE(certificateFile.open(QIODevice::ReadOnly));
    const QSslCertificate certificate(certificateFile.readAll(), QSsl::Pem);
    EXPECT_EQ(KvoCore::TlsFingerprint::of(certificate).toStdString(), fingerprint.toStdString());
    EXPECT_EQ(certificate.publicKey().algorithm(), QSsl::Ec);
    EXPECT_GT(certificate.expiryDate(), QDateTime::currentDateTimeUtc().addYears(9));

    // First use: the certificate is learned and announced for the settings.
    auto first = encryptedClient(QString());
    QSignalSpy learned(&first->link(), &ClientNetworkBase::tlsPinLearned);
    ASSERT_TRUE(first->connectTo(server->port()));
    ASSERT_TRUE(first->logIn("admin", emptyPasswordHash));
    EXPECT_TRUE(first->request({{"FN", "device_trGetList"}, {"_receiver", "1"}}, "device_saGetList")
                    .value("RES")
                    .toBool());
    ASSERT_EQ(learned.size(), 1);
    EXPECT_EQ(learned.first().at(0).toString().toStdString(),
              QString("127.0.0.1_%1").arg(server->port()).toStdString());
    EXPECT_EQ(learned.first().at(1).toString().toStdString(), fingerprint.toStdString());
    first.reset();

    // The same certificate after a restart: the pinned client goes on as before.
    ASSERT_TRUE(server->restart()) << server->error().toStdString();
    EXPECT_EQ(waitForFingerprint(2).toStdString(), fingerprint.toStdString());
    EXPECT_TRUE(server->logText().contains("certificate read from"));
    auto pinned = encryptedClient(fingerprint);
    QSignalSpy learnedAgain(&pinned->link(), &ClientNetworkBase::tlsPinLearned);
    ASSERT_TRUE(pinned->connectTo(server->port()));
    EXPECT_TRUE(pinned->logIn("admin", emptyPasswordHash));
    EXPECT_EQ(learnedAgain.size(), 0);
}

TEST_F(DevServerTlsTest, APinnedClientRefusesAChangedCertificateAndSendsNoLogIn) {
    const QString old = waitForFingerprint(1);
    ASSERT_FALSE(old.isEmpty());
    server->stop();
    ASSERT_TRUE(QDir(tlsFolder()).removeRecursively());
    ASSERT_TRUE(server->restart()) << server->error().toStdString();
    const QString renewed = waitForFingerprint(2);
    ASSERT_FALSE(renewed.isEmpty());
    ASSERT_NE(renewed.toStdString(), old.toStdString()) << "a new key pair was made";

    auto client = encryptedClient(old);
    client->link().setDefaultActionAfterConnected(QStringLiteral("fireTrAuth"));
    QSignalSpy mismatch(&client->link(), &ClientNetworkBase::tlsPinMismatch);
    QSignalSpy logIn(&client->link(), &ClientBase::ClientNetworkSimple::fireTrAuth);
    EXPECT_FALSE(client->connectTo(server->port()));
    ASSERT_TRUE(client->certificateRefused());
    ASSERT_EQ(mismatch.size(), 1);
    EXPECT_EQ(mismatch.first().at(1).toString().toStdString(), old.toStdString());
    EXPECT_EQ(mismatch.first().at(2).toString().toStdString(), renewed.toStdString());
    // No second attempt follows the refusal (a loss is retried after half a second).
    QThread::msleep(2500);
    EXPECT_EQ(logIn.size(), 0) << "the log-in is not sent";
    EXPECT_FALSE(client->isConnected());
    const QString log = server->logText();
    EXPECT_EQ(log.count(QRegularExpression("Session \\d+ opened")), 1) << log.right(3000).toStdString();
    EXPECT_FALSE(log.contains("logged in as"));

    // Once the user trusts the new certificate, the same link connects and logs in.
    client->setParam("tlsPin", renewed);
    emit client->link().makeConnection();
    QElapsedTimer clock;
    clock.start();
    while (!client->isConnected() && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    ASSERT_TRUE(client->isConnected());
    EXPECT_EQ(logIn.size(), 1);
    EXPECT_TRUE(client->logIn("admin", emptyPasswordHash));
}

TEST_F(DevServerTlsTest, APlainClientIsClosedByATlsPortAndTheWireCarriesNoPlainFrames) {
    RawClient plain;
    ASSERT_TRUE(plain.connectTo(server->port()));
    plain.send(QJsonObject{
        {"FN", "auth_trAuth"}, {"_receiver", "1"}, {"sign", "admin"}, {"pwd", emptyPasswordHash}});
    EXPECT_TRUE(plain.waitForDrop(5000)) << "a plain client is closed";
    EXPECT_TRUE(plain.readAll(100).isEmpty()) << "and gets no answer";

    // A relay between an encrypted client and the server records what crosses the wire.
    QTcpServer relay;
    ASSERT_TRUE(relay.listen(QHostAddress::LocalHost, 0));
    QByteArray wire;
    std::unique_ptr<QTcpSocket> upstream;
    QObject::connect(&relay, &QTcpServer::newConnection, [&]() {
        QTcpSocket* downstream = relay.nextPendingConnection();
        upstream = std::make_unique<QTcpSocket>();
        upstream->connectToHost(QHostAddress::LocalHost, server->port());
        QObject::connect(downstream, &QTcpSocket::readyRead, [&, downstream]() {
            const QByteArray bytes = downstream->readAll();
            wire += bytes;
            upstream->write(bytes);
        });
        QObject::connect(upstream.get(), &QTcpSocket::readyRead, [&, downstream]() {
            const QByteArray bytes = upstream->readAll();
            wire += bytes;
            downstream->write(bytes);
        });
    });
    auto client = encryptedClient(QString());
    ASSERT_TRUE(client->connectTo(relay.serverPort()));
    ASSERT_TRUE(client->logIn("admin", emptyPasswordHash));
    EXPECT_FALSE(wire.isEmpty());
    EXPECT_FALSE(wire.contains("#ENDMSG")) << "no frame end marker in the clear";
    EXPECT_EQ(wire.left(2).toHex().toStdString(), "1603") << "it begins with a TLS handshake record";
}

// Where the client encrypts: everything off the machine, nothing on loopback, unless told.
TEST(TlsFingerprintTest, EncryptsOffLoopbackUnlessTold) {
    using KvoCore::TlsFingerprint;
    for (const char* host : {"127.0.0.1", "::1", "localhost", "LOCALHOST", "::ffff:127.0.0.1", "127.3.4.5"}) {
        EXPECT_FALSE(TlsFingerprint::encrypts("auto", QString(host))) << host;
        EXPECT_FALSE(TlsFingerprint::encrypts(QString(), QString(host))) << host << " with no setting";
        EXPECT_TRUE(TlsFingerprint::encrypts("on", QString(host))) << host;
    }
    for (const char* host : {"192.168.1.20", "10.0.0.1", "fe80::1", "cameras.example.org", ""}) {
        EXPECT_TRUE(TlsFingerprint::encrypts("auto", QString(host))) << host;
        EXPECT_FALSE(TlsFingerprint::encrypts("off", QString(host))) << host;
    }
    EXPECT_TRUE(TlsFingerprint::of(QSslCertificate()).isEmpty());
}

} // namespace
