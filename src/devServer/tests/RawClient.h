#pragma once

#include "kvoClientController/network/MessageFraming.h"

#include <QJsonObject>
#include <QList>
#include <QTcpSocket>
#include <memory>

// A client of the server on a bare loopback socket: it writes whatever bytes a test wants (broken or
// hostile frames included) and reads the answers back with the real framing.
class RawClient {
public:
    bool connectTo(quint16 port, int msecs = 5000);
    // The same over TLS, trusting whatever certificate the server shows.
    bool connectEncrypted(quint16 port, int msecs = 5000);
    QTcpSocket& socket() { return *_socket; }

    // Writes and waits (at most `msecs`) until the kernel has taken the bytes.
    void sendBytes(const QByteArray& bytes, int msecs = 5000);
    // One frame holding these records.
    void send(const QList<QJsonObject>& records);
    void send(const QJsonObject& record) { send(QList<QJsonObject>{record}); }
    // The first record with this "FN" among what arrives; empty object on time-out or loss.
    QJsonObject read(const QString& fn, int msecs = 10000);
    // Every record that arrives within `msecs` (or until the connection drops).
    QList<QJsonObject> readAll(int msecs);
    // The answer to a log-in: "auth_saAuth" or "auth_saFailed"; empty on time-out.
    QJsonObject logIn(const QString& sign, const QString& pwdHash);
    static bool loggedIn(const QJsonObject& answer);
    // True when the server has closed the connection within `msecs`.
    bool waitForDrop(int msecs);
    bool isConnected() const { return _socket->state() == QAbstractSocket::ConnectedState; }

    static QByteArray frame(const QList<QJsonObject>& records);

private:
    // Records of the frames complete so far.
    QList<QJsonObject> takeRecords();

    // A QSslSocket once connectEncrypted was called.
    std::unique_ptr<QTcpSocket> _socket = std::make_unique<QTcpSocket>();
    ClientBase::MessageFraming _framing;
    QList<QJsonObject> _unread;
};
