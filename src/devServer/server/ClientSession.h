#pragma once

#include "kvoClientController/network/MessageFraming.h"
#include "kvoCore/DTO.h"

#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

namespace DevServer {

// One connected client: its socket, the reassembly of its frames, who it is once logged in, and the
// watchdog that drops it when it sends nothing valid for too long.
class ClientSession : public QObject {
    Q_OBJECT
public:
    struct Limits {
        int loginTimeoutSec = 30;  // until a successful log-in
        int idleTimeoutSec = 3600; // between valid records once logged in; 0 = never
        int maxPendingBytes = 16 * 1024 * 1024;
        int maxBadFrames = 50; // malformed frames in a row before the client is dropped
    };

    ClientSession(QTcpSocket* socket, const Limits& limits, QObject* parent = nullptr);
    ~ClientSession() override;

    quint64 number() const { return _number; }
    QString peer() const;
    QString peerAddress() const { return _peerAddress; }
    bool isLoggedIn() const { return _userId > 0; }
    qint64 userId() const { return _userId; }
    QString sign() const { return _sign; }
    void setLoggedIn(qint64 userId, const QString& sign);
    // A well-formed request arrived: a logged-in client is kept for another idle period.
    void noteValidRequest();

    // Writes one frame holding the records in order; nothing when the list is empty or the socket
    // is gone.
    void send(const QList<KvoCore::DTO>& records);
    void close(const QString& reason);
    // Waits (at most `msecs`) until everything written has left; used before the server exits.
    void flush(int msecs);

signals:
    void recordReceived(DevServer::ClientSession* session, const KvoCore::DTO& record);
    void closed(DevServer::ClientSession* session);

private slots:
    void onReadyRead();
    void onDisconnected();
    void onWatchdog();

private:
    void handleFrame(const QByteArray& frame);
    void restartWatchdog();
    void countBadFrame();

    QPointer<QTcpSocket> _socket;
    ClientBase::MessageFraming _framing;
    QTimer _watchdog;
    Limits _limits;
    quint64 _number;
    QString _peer;
    QString _peerAddress;
    qint64 _userId = 0;
    QString _sign;
    int _badFramesInRow = 0;
    bool _closed = false;
};

} // namespace DevServer
