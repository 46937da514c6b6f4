#include "ClientSession.h"

#include "ServerLog.h"
#include <QHostAddress>
#include <atomic>

namespace DevServer {

namespace {
std::atomic<quint64> sessionCounter{0};

// Secrets masked, and long texts (large list answers) cut: the log must stay readable.
std::string loggable(const QByteArray& json) {
    constexpr int maxLogged = 4096;
    const QByteArray masked = ClientBase::MessageFraming::maskSecrets(json);
    if (masked.size() <= maxLogged) {
        return masked.toStdString();
    }
    return masked.left(maxLogged).toStdString() + "... (" + std::to_string(masked.size()) + " bytes)";
}
} // namespace

ClientSession::ClientSession(QTcpSocket* socket, const Limits& limits, QObject* parent)
    : QObject(parent), _socket(socket), _framing(limits.maxPendingBytes), _limits(limits),
      _number(++sessionCounter) {
    socket->setParent(this);
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    _peerAddress = socket->peerAddress().toString();
    _peer = QStringLiteral("%1:%2").arg(_peerAddress).arg(socket->peerPort());
    connect(socket, &QTcpSocket::readyRead, this, &ClientSession::onReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, &ClientSession::onDisconnected);
    _watchdog.setSingleShot(true);
    connect(&_watchdog, &QTimer::timeout, this, &ClientSession::onWatchdog);
    restartWatchdog();
    serverLog()->info("Session {} opened from '{}'", _number, _peer.toStdString());
}

ClientSession::~ClientSession() = default;

QString ClientSession::peer() const {
    return _peer;
}

void ClientSession::setLoggedIn(qint64 userId, const QString& sign) {
    _userId = userId;
    _sign = sign;
    restartWatchdog();
}

void ClientSession::noteValidRequest() {
    if (isLoggedIn()) {
        restartWatchdog();
    }
}

void ClientSession::restartWatchdog() {
    const int seconds = isLoggedIn() ? _limits.idleTimeoutSec : _limits.loginTimeoutSec;
    if (seconds > 0) {
        _watchdog.start(seconds * 1000);
    } else {
        _watchdog.stop();
    }
}

void ClientSession::send(const QList<KvoCore::DTO>& records) {
    if (records.isEmpty() || !_socket || _socket->state() != QAbstractSocket::ConnectedState) {
        return;
    }
    QList<SpDto> list;
    for (const KvoCore::DTO& record : records) {
        list.append(std::make_shared<KvoCore::DTO>(record));
    }
    const QByteArray json = ClientBase::MessageFraming::listJson(list);
    _socket->write(ClientBase::MessageFraming::frame(json));
    serverLog()->info("Session {} SEND '{}'", _number, loggable(json));
}

void ClientSession::flush(int msecs) {
    if (_socket && _socket->state() == QAbstractSocket::ConnectedState && _socket->bytesToWrite() > 0) {
        _socket->waitForBytesWritten(msecs);
    }
}

void ClientSession::close(const QString& reason) {
    if (_closed) {
        return;
    }
    _closed = true;
    _watchdog.stop();
    serverLog()->warn("Session {} from '{}' closed: {}", _number, _peer.toStdString(), reason.toStdString());
    if (_socket) {
        _socket->disconnect(this);
        _socket->abort();
    }
    emit closed(this);
}

void ClientSession::onDisconnected() {
    if (_closed) {
        return;
    }
    _closed = true;
    _watchdog.stop();
    serverLog()->info("Session {} from '{}' disconnected", _number, _peer.toStdString());
    emit closed(this);
}

void ClientSession::onWatchdog() {
    close(isLoggedIn() ? QStringLiteral("nothing valid received for %1 s").arg(_limits.idleTimeoutSec)
                       : QStringLiteral("no log-in within %1 s").arg(_limits.loginTimeoutSec));
}

void ClientSession::countBadFrame() {
    if (++_badFramesInRow >= _limits.maxBadFrames) {
        close(QStringLiteral("%1 malformed frames in a row").arg(_badFramesInRow));
    }
}

void ClientSession::onReadyRead() {
    if (!_socket || _closed) {
        return;
    }
    _framing.append(_socket->readAll());
    QByteArray frame;
    for (;;) {
        const auto next = _framing.next(&frame);
        if (next == ClientBase::MessageFraming::Next::NeedMore) {
            return;
        }
        if (next == ClientBase::MessageFraming::Next::Overflow) {
            close(QStringLiteral("an unfinished frame passed %1 bytes").arg(_limits.maxPendingBytes));
            return;
        }
        handleFrame(frame);
        if (_closed) {
            return;
        }
    }
}

void ClientSession::handleFrame(const QByteArray& frame) {
    QByteArray payload;
    const auto inflated = ClientBase::MessageFraming::inflate(frame, &payload);
    if (inflated != ClientBase::MessageFraming::Inflate::Ok) {
        serverLog()->warn("Session {}: {} frame of {} bytes skipped", _number,
                          inflated == ClientBase::MessageFraming::Inflate::TooLarge ? "oversized" : "corrupt",
                          frame.size());
        countBadFrame();
        return;
    }
    const auto parsed = ClientBase::MessageFraming::parse(payload);
    serverLog()->info("Session {} RECEIVE '{}'", _number, loggable(payload));
    if (parsed.error != ClientBase::MessageFraming::Parsed::Error::None) {
        serverLog()->warn("Session {}: frame skipped, {}", _number,
                          parsed.error == ClientBase::MessageFraming::Parsed::Error::NotJson
                              ? "not JSON"
                              : "not a JSON array");
        countBadFrame();
        return;
    }
    if (parsed.nonObjects > 0) {
        serverLog()->warn("Session {}: {} element(s) of a frame are not objects and were skipped", _number,
                          parsed.nonObjects);
    }
    if (parsed.records.isEmpty()) {
        return;
    }
    _badFramesInRow = 0;
    for (const QJsonObject& record : parsed.records) {
        emit recordReceived(this, KvoCore::DTO(record));
        if (_closed) {
            return;
        }
    }
}

} // namespace DevServer
