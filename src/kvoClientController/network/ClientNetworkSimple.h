#pragma once

#include "kvoClientController/network/MessageFraming.h"
#include "kvoCore/DTO.h"
#include "kvoCore/LogBudget.h"
#include "kvoCore/clientNetwork/ClientNetworkBase.h"

#include <QList>
#include <QMutex>
#include <QVariant>
#include <atomic>
#include <memory>
#include <mutex>

namespace ClientBase {

class HandleReceivedMessagesBase;

// The server link: sends records as compressed JSON frames, reassembles and parses incoming frames
// into records for the message handler, and fires the log-in request after every connection.
class ClientNetworkSimple : public ClientNetworkBase {
    Q_OBJECT
public:
    ClientNetworkSimple();
    ~ClientNetworkSimple() override;

    // Keeps the handler and moves it to this link's thread; replaces an earlier one.
    void setHandleReceivedMessages(std::shared_ptr<HandleReceivedMessagesBase> handler);
    std::shared_ptr<HandleReceivedMessagesBase> handleReceivedMessages() const;

    bool isP2P() const { return m_isP2P; }
    void setIsP2P(bool value);
    bool isWrapMessageForP2P() const { return m_isWrapMessageForP2P; }
    void setIsWrapMessageForP2P(bool value);
    qint64 amountAuthorizedConnections() const { return m_amountAuthorizedConnections; }
    void setAmountAuthorizedConnections(qint64 value);

    QVariant sign() const;
    void setSign(const QVariant& value);
    QVariant pwd() const;
    void setPwd(const QVariant& value);
    QVariant remoteUser() const { return m_remoteUser; }
    void setRemoteUser(const QVariant& value) { m_remoteUser = value; }
    QString defaultActionAfterConnected() const;
    void setDefaultActionAfterConnected(const QString& value);

    // True once the thread has set itself up and emitted initFinished.
    bool isInitFinished() const { return m_initFinished; }

    // Frames written and frames received by all links of the process.
    static qint64 sentFrames();
    static qint64 receivedFrames();

Q_SIGNALS:
    void fireTrAuth();
    void fireTrSignUp();
    void messageReceived(SpDto mapParams);
    void amountAuthorizedConnectionsChanged(qlonglong amountAuthorizedConnections);
    void isWrapMessageForP2PChanged(qlonglong isWrapMessageForP2P);
    void isP2PChanged(bool isP2P);
    void sendMessageSignal(SpDto dto, bool blockTrhead = false, bool isWrapMessageForP2P = false);
    void sendListMessages(QList<SpDto> lstDto, bool blockThread = false);

private Q_SLOTS:
    void onSocketConnected() override;
    void onSocketDisconnected() override;
    void onSocketReadyRead() override;

protected Q_SLOTS:
    virtual void sendMessageSlot(SpDto dto, bool blockTrhead = false, bool isWrapMessageForP2P = false);
    virtual void sendListMessagesSlot(QList<SpDto> lstDto, bool blockThread = false);

protected:
    void run() override;
    // The thread body of a concrete link: set-up, initFinished, event loop until quit, clean-up.
    // `location` names the concrete run() in error texts.
    void runLoop(const char* location);
    // Clears the wrap flag without telling anyone.
    void resetWrapMessageForP2P() { m_isWrapMessageForP2P = false; }

public:
    // A received frame that inflates to more than this is dropped (the connection stays).
    static constexpr qint64 kMaxInflatedBytes = 64LL * 1024 * 1024;

private:
    // Takes a line from the traffic budget, first noting how many were left out before it.
    bool mayLogTraffic();
    void writeFrame(const QByteArray& json, bool block);
    void handleFrame(const QByteArray& frame);
    template <class Body>
    void guarded(const char* function, Body body);

    QVariant m_sign;
    QVariant m_remoteUser;
    QVariant m_pwd;
    mutable QMutex m_signLock;
    mutable QMutex m_pwdLock;
    std::atomic<bool> m_isP2P{false};
    const bool m_compression = true;
    mutable std::mutex m_defaultActionLock;
    std::atomic<bool> m_isWrapMessageForP2P{false};
    std::atomic<qint64> m_amountAuthorizedConnections{0};
    std::shared_ptr<HandleReceivedMessagesBase> m_handler;
    QMetaObject::Connection m_handlerConnection;
    QString m_defaultActionAfterConnected{QStringLiteral("fireTrAuth")};
    std::atomic<bool> m_initFinished{false};
    MessageFraming m_framing;
    // Traffic lines of the link thread: a flood of frames must not flood the log.
    KvoCore::LogBudget m_logBudget{50, 1000};
};

} // namespace ClientBase
