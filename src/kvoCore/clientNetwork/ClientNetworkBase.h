#pragma once

#include "kvoCore/clientNetwork/KvoThreadBase.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <atomic>
#include <memory>

class QTcpSocket;
class QTimer;

// The TCP client under every server link: socket, reconnect watchdog, ping/pong hooks and the raw
// write. Everything it owns lives in its own thread; other threads reach it through its signals and
// the locked accessors of KvoThreadBase.
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

private Q_SLOTS:
    void disconnectByPongTimer();
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
    void connectDisconnectedSignal();

    std::shared_ptr<QTimer> m_reconnectTimer;
    std::shared_ptr<QTimer> m_pingTimer;
    std::shared_ptr<QTcpSocket> m_socket;
    std::shared_ptr<QTimer> m_pongTimer;
    std::atomic<bool> m_connectionMode{false};
    std::atomic<bool> m_connected{false};
    std::atomic<qint64> m_amountConnected{0};
};
