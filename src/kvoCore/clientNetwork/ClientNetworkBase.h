#pragma once

#include "kvoCore/clientNetwork/KvoThreadBase.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QList>
#include <QSslError>
#include <QSslSocket>
#include <atomic>
#include <memory>

class QTimer;

// The TCP client under every server link: socket, reconnect watchdog, ping/pong hooks and the raw
// write. Everything it owns lives in its own thread; other threads reach it through its signals and
// the locked accessors of KvoThreadBase.
//
// The link is encrypted (TLS) when the parameter "tls" is "on", or "auto"/unset and "host" is not a
// loopback address. The server's certificate is pinned: parameter "tlsPin" holds the SHA-256
// fingerprint trusted for this host and port; without one the first certificate seen is trusted and
// announced (tlsPinLearned) for the caller to keep. A different certificate ends the attempt before
// anything is sent (tlsPinMismatch) and the link does not try again until asked to connect.
class ClientNetworkBase : public KvoCore::KvoThreadBase {
    Q_OBJECT
    Q_PROPERTY(
        qlonglong amountConnected READ amountConnected WRITE setAmountConnected NOTIFY amountConnectedChanged)
public:
    ClientNetworkBase();
    ~ClientNetworkBase() override;

    // Safe from any thread.
    bool isConnected() const;
    bool isConnectionMode() const;
    qlonglong amountConnected() const;
    void setAmountConnected(qlonglong value);

public Q_SLOTS:
    void closeConnectionSlot();

Q_SIGNALS:
    void sendMessageSignal(QByteArray msg, bool block4write = false);
    void makeConnection();
    void closeConnectionSignal();
    void stopgPongTimer();
    void amountConnectedChanged(qlonglong amountConnected);
    void connectionState(bool isConnected);
    // `pinKey` is "<host>_<port>". The fingerprint of every encrypted connection ("" when plain).
    void tlsFingerprint(QString pinKey, QString fingerprint);
    void tlsPinLearned(QString pinKey, QString fingerprint);
    void tlsPinMismatch(QString pinKey, QString pinned, QString presented);

private Q_SLOTS:
    void disconnectByPongTimer();
    void onTcpConnected();
    void onEncrypted();
    void onSslErrors(const QList<QSslError>& errors);
    void slotStopgPongTimer();

protected Q_SLOTS:
    virtual void onSocketConnected();
    virtual void onSocketDisconnected();
    virtual void onError(QAbstractSocket::SocketError socketError);
    virtual void onSocketReadyRead() = 0;
    void makeConnectionSlot();
    void slotStartPingTimer();
    virtual void onFinished();
    virtual void sendPing();

protected:
    void run() override;

    // Writes to the socket and returns what QTcpSocket::write returned (-1 without a socket); when
    // `block` is set, waits up to 30 s for the bytes to leave.
    qint64 writeToSocket(const QByteArray& bytes, bool block) const;
    void stopPingPongTimers();
    // Closes the connection and treats it as lost: connectionState(false), pause, new attempt.
    void dropAndReconnect();
    bool usePing() const;
    QTcpSocket* socket() const { return m_socket.get(); }
    // Closes and deletes the socket and timers; called in the link thread when its loop has ended so
    // that nothing of it is destroyed from another thread.
    void releaseConnectionObjects();

    qint64 m_pingInterval = 20;
    qint64 m_pongTimeout = 5;
    qint64 m_reconnectInterval = 5;

private:
    void closeConnectionBase();
    // True when the certificate presented now may be used: it is the pinned one, or none is pinned.
    bool presentedIsTrusted(QString* presented) const;
    void refuseCertificate(const QString& presented);
    QString pinKey() const;
    void connectDisconnectedSignal();

    std::shared_ptr<QTimer> m_reconnectTimer;
    std::shared_ptr<QTimer> m_pingTimer;
    std::shared_ptr<QSslSocket> m_socket;
    std::shared_ptr<QTimer> m_pongTimer;
    std::atomic<bool> m_connectionMode{false};
    std::atomic<bool> m_connected{false};
    bool m_encrypted = false; // the current attempt uses TLS (link thread only)
    std::atomic<qint64> m_amountConnected{0};
};
