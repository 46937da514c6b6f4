#pragma once

#include "kvoClientController/network/MessageFraming.h"
#include "kvoCore/DTO.h"
#include "kvoCore/LogBudget.h"

#include <QObject>
#include <QPointer>
#include <QSslSocket>
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
        // Until a log-in the unfinished frame and what one frame may inflate to are kept small.
        int maxPendingBytesBeforeLogIn = 64 * 1024;
        qint64 maxInflatedBytesBeforeLogIn = 1024 * 1024;
        qint64 maxInflatedBytes = 64LL * 1024 * 1024;
        // Answers the client has not read yet: past this it is dropped.
        qint64 maxUnsentBytes = 16LL * 1024 * 1024;
        // Connections of one address that have not logged in yet; more are closed at once.
        int maxGuestsPerAddress = 16;
    };

    // Frames handled in one go before the other clients get their turn.
    static constexpr int framesPerTurn = 16;
    // With this much unsent, the client's further requests wait until it reads.
    static constexpr qint64 pauseUnsentBytes = 1024 * 1024;

    ClientSession(QTcpSocket* socket, const Limits& limits, QObject* parent = nullptr);
    ~ClientSession() override;

    quint64 number() const { return _number; }
    QString peer() const;
    QString peerAddress() const { return _peerAddress; }
    bool isLoggedIn() const { return _userId > 0; }
    qint64 userId() const { return _userId; }
    QString sign() const { return _sign; }
    QString role() const { return _role; }
    void setLoggedIn(qint64 userId, const QString& sign, const QString& role);
    void setRole(const QString& role) { _role = role; }
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
    // Reads and handles a share of what the client sent; called again while there is more.
    void pump();
    void onDisconnected();
    void onWatchdog();

private:
    void handleFrame(const QByteArray& frame);
    void restartWatchdog();
    void countBadFrame();
    void schedulePump();
    qint64 unsentBytes() const;

    QPointer<QTcpSocket> _socket;
    QPointer<QSslSocket> _tls; // the same socket when it is a TLS one

    ClientBase::MessageFraming _framing;
    QTimer _watchdog;
    Limits _limits;
    quint64 _number;
    QString _peer;
    QString _peerAddress;
    qint64 _userId = 0;
    QString _sign;
    QString _role;
    int _badFramesInRow = 0;
    bool _closed = false;
    bool _pumpScheduled = false;
    KvoCore::LogBudget _logBudget;
};

} // namespace DevServer
