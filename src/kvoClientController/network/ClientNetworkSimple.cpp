#include "ClientNetworkSimple.h"

#include "kvoClientController/network/HandleReceivedMessagesBase.h"
#include "kvoCore/Location.h"
#include "kvoCore/LogText.h"

#include <QMetaType>
#include <QTcpSocket>
#include <iostream>
#include <spdlog/spdlog.h>

namespace ClientBase {

namespace {

std::atomic<qint64> sentFrameCount{0};
std::atomic<qint64> receivedFrameCount{0};

std::string location(const char* function) {
    return KVO_LOCATION(function).toStdString();
}

} // namespace

template <class Body>
void ClientNetworkSimple::guarded(const char* function, Body body) {
    try {
        body();
    } catch (const std::exception& e) {
        logger()->error("{} exception, {}, description: '{}'.", location(function), "", e.what());
    } catch (...) {
        std::cerr << location(function) << " UNDEFINED exception, ." << std::endl;
    }
}

ClientNetworkSimple::ClientNetworkSimple() {
    qRegisterMetaType<SpDto>("SpDto");
    qRegisterMetaType<QList<SpDto>>("QList<SpDto>");
    // Through the virtual slots so that the concrete links can override them; made here so that a
    // send emitted before the thread runs waits in its queue.
    connect(this, qOverload<SpDto, bool, bool>(&ClientNetworkSimple::sendMessageSignal), this,
            &ClientNetworkSimple::sendMessageSlot);
    connect(this, qOverload<QList<SpDto>, bool>(&ClientNetworkSimple::sendListMessages), this,
            &ClientNetworkSimple::sendListMessagesSlot);
}

ClientNetworkSimple::~ClientNetworkSimple() {
    stopThread();
}

void ClientNetworkSimple::setHandleReceivedMessages(std::shared_ptr<HandleReceivedMessagesBase> handler) {
    disconnect(m_handlerConnection);
    m_handler = std::move(handler);
    if (m_handler) {
        m_handler->moveToThread(this);
        m_handlerConnection = connect(this, &ClientNetworkSimple::messageReceived, m_handler.get(),
                                      &HandleReceivedMessagesBase::onMessageReceived);
    }
}

std::shared_ptr<HandleReceivedMessagesBase> ClientNetworkSimple::handleReceivedMessages() const {
    return m_handler;
}

void ClientNetworkSimple::setIsP2P(bool value) {
    if (m_isP2P.exchange(value) != value) {
        Q_EMIT isP2PChanged(value);
    }
}

void ClientNetworkSimple::setIsWrapMessageForP2P(bool value) {
    if (m_isWrapMessageForP2P.exchange(value) != value) {
        Q_EMIT isWrapMessageForP2PChanged(value ? 1 : 0);
    }
}

void ClientNetworkSimple::setAmountAuthorizedConnections(qint64 value) {
    if (m_amountAuthorizedConnections.exchange(value) != value) {
        Q_EMIT amountAuthorizedConnectionsChanged(value);
    }
}

QVariant ClientNetworkSimple::sign() const {
    QMutexLocker lock(&m_signLock);
    return m_sign;
}

void ClientNetworkSimple::setSign(const QVariant& value) {
    QMutexLocker lock(&m_signLock);
    m_sign = value;
}

QVariant ClientNetworkSimple::pwd() const {
    QMutexLocker lock(&m_pwdLock);
    return m_pwd;
}

void ClientNetworkSimple::setPwd(const QVariant& value) {
    QMutexLocker lock(&m_pwdLock);
    m_pwd = value;
}

QString ClientNetworkSimple::defaultActionAfterConnected() const {
    std::lock_guard<std::mutex> lock(m_defaultActionLock);
    return m_defaultActionAfterConnected;
}

void ClientNetworkSimple::setDefaultActionAfterConnected(const QString& value) {
    std::lock_guard<std::mutex> lock(m_defaultActionLock);
    m_defaultActionAfterConnected = value;
}

qint64 ClientNetworkSimple::sentFrames() {
    return sentFrameCount;
}

qint64 ClientNetworkSimple::receivedFrames() {
    return receivedFrameCount;
}

void ClientNetworkSimple::run() {
    guarded("ClientBase::ClientNetworkSimple::run", [this]() { ClientNetworkBase::run(); });
}

void ClientNetworkSimple::runLoop(const char* function) {
    try {
        ClientNetworkSimple::run();
        m_initFinished = true;
        Q_EMIT initFinished();
        exec();
    } catch (const std::exception& e) {
        logger()->error("{} exception, {}, description: '{}'.", location(function), "", e.what());
    } catch (...) {
        std::cerr << location(function) << " UNDEFINED exception, ." << std::endl;
    }
    releaseConnectionObjects();
}

void ClientNetworkSimple::sendMessageSlot(SpDto dto, bool blockTrhead, bool isWrapMessageForP2P) {
    Q_UNUSED(isWrapMessageForP2P);
    guarded("ClientBase::ClientNetworkSimple::sendMessageSlot", [&]() {
        if (dto) {
            writeFrame(MessageFraming::recordJson(dto), blockTrhead);
        }
    });
}

void ClientNetworkSimple::sendListMessagesSlot(QList<SpDto> lstDto, bool blockThread) {
    guarded("ClientBase::ClientNetworkSimple::sendListMessagesSlot",
            [&]() { writeFrame(MessageFraming::listJson(lstDto), blockThread); });
}

void ClientNetworkSimple::writeFrame(const QByteArray& json, bool block) {
    // Records sent while disconnected are dropped: there is no queue.
    if (json.isEmpty() || !socket() || socket()->state() != QAbstractSocket::ConnectedState) {
        return;
    }
    const QByteArray frame = MessageFraming::frame(json, m_compression);
    const qint64 written = writeToSocket(frame, block);
    if (written == -1) {
        return;
    }
    const qint64 count = ++sentFrameCount;
    auto log = logger();
    if (log->should_log(spdlog::level::info) && mayLogTraffic()) {
        log->info("SEND '{}' mes. '{}'. SZ:'{}'..\nSize compressed:{} decompressed:{}", count,
                  KvoCore::LogText::frame(MessageFraming::maskSecrets(json)), written, frame.size(),
                  json.size());
    }
}

void ClientNetworkSimple::onSocketConnected() {
    guarded("ClientBase::ClientNetworkSimple::onSocketConnected", [this]() {
        m_framing.clear();
        ClientNetworkBase::onSocketConnected();
        const QString action = defaultActionAfterConnected();
        if (action == QLatin1String("fireTrAuth")) {
            Q_EMIT fireTrAuth();
        } else if (action == QLatin1String("fireTrSignUp")) {
            Q_EMIT fireTrSignUp();
        }
        Q_EMIT connectionState(true);
        slotStartPingTimer();
    });
}

void ClientNetworkSimple::onSocketDisconnected() {
    guarded("ClientBase::ClientNetworkSimple::onSocketDisconnected",
            [this]() { ClientNetworkBase::onSocketDisconnected(); });
}

void ClientNetworkSimple::onSocketReadyRead() {
    guarded("ClientBase::ClientNetworkSimple::onSocketReadyRead", [this]() {
        if (!socket()) {
            return;
        }
        m_framing.append(socket()->readAll());
        QByteArray frame;
        for (;;) {
            switch (m_framing.next(&frame)) {
            case MessageFraming::Next::Frame:
                handleFrame(frame);
                break;
            case MessageFraming::Next::NeedMore:
                return;
            case MessageFraming::Next::Overflow:
                logger()->warn("{}. Incoming frame has not ended after {} bytes; dropped, reconnecting",
                               location("ClientBase::ClientNetworkSimple::onSocketReadyRead"),
                               MessageFraming::kMaxPendingBytes);
                dropAndReconnect();
                return;
            }
        }
    });
}

bool ClientNetworkSimple::mayLogTraffic() {
    if (!m_logBudget.take()) {
        return false;
    }
    if (const int skipped = m_logBudget.takeSkipped()) {
        logger()->info("{} traffic log lines left out", skipped);
    }
    return true;
}

void ClientNetworkSimple::handleFrame(const QByteArray& frame) {
    const char* function = "ClientBase::ClientNetworkSimple::onSocketReadyRead";
    auto log = logger();
    QByteArray payload;
    if (m_compression) {
        // Refused by its declared size before anything is inflated, else stopped at the cap.
        if (MessageFraming::inflate(frame, &payload, kMaxInflatedBytes) ==
            MessageFraming::Inflate::TooLarge) {
            log->warn("{}. Incoming frame inflates to more than {} bytes; skipped", location(function),
                      kMaxInflatedBytes);
            return;
        }
    } else {
        payload = frame;
    }
    const qint64 count = ++receivedFrameCount;
    const bool mayLog = mayLogTraffic();
    if (log->should_log(spdlog::level::info) && mayLog) {
        log->info("RECEIVE '{}' PORT='{}' message: '{}'. SZ: '{}'. \nSize compressed:", count,
                  socket() ? socket()->peerPort() : 0,
                  KvoCore::LogText::frame(MessageFraming::maskSecrets(payload)), payload.size());
    }
    const MessageFraming::Parsed parsed = MessageFraming::parse(payload);
    switch (parsed.error) {
    case MessageFraming::Parsed::Error::NotJson:
        if (log->should_log(spdlog::level::warn) && mayLog) {
            log->warn("{}. Failed to parse incoming message to json. Message: '{}'", location(function),
                      KvoCore::LogText::frame(MessageFraming::maskSecrets(payload)));
        }
        return;
    case MessageFraming::Parsed::Error::NotArray:
        if (mayLog) {
            log->warn("{}. Incoming message is't array", location(function));
        }
        return;
    case MessageFraming::Parsed::Error::None:
        break;
    }
    if (parsed.nonObjects > 0 && mayLog) {
        log->warn("{}. At least 1 item in json array is't object", location(function));
    }
    for (const QJsonObject& record : parsed.records) {
        Q_EMIT messageReceived(std::make_shared<KvoCore::DTO>(record));
    }
}

} // namespace ClientBase
