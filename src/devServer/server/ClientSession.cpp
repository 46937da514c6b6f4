#include "ClientSession.h"

#include "ServerLog.h"
#include "kvoCore/LogText.h"

#include <QHostAddress>
#include <QMetaObject>
#include <QSslSocket>
#include <algorithm>
#include <atomic>

namespace DevServer {

namespace {
std::atomic<quint64> sessionCounter{0};

// Secrets masked, control characters escaped and long texts (large list answers) cut: the log must
// stay readable and true.
std::string loggable(const QByteArray& json) {
    return KvoCore::LogText::frame(ClientBase::MessageFraming::maskSecrets(json));
}
} // namespace

ClientSession::ClientSession(QTcpSocket* socket, const Limits& limits, QObject* parent)
    : QObject(parent), _socket(socket), _framing(limits.maxPendingBytesBeforeLogIn), _limits(limits),
      _number(++sessionCounter) {
    socket->setParent(this);
    _tls = qobject_cast<QSslSocket*>(socket);
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    _peerAddress = socket->peerAddress().toString();
    _peer = QStringLiteral("%1:%2").arg(_peerAddress).arg(socket->peerPort());
    connect(socket, &QTcpSocket::readyRead, this, &ClientSession::onReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, &ClientSession::onDisconnected);
    if (_tls && _tls->mode() != QSslSocket::UnencryptedMode) {
        // A client that speaks no TLS (plain frames on this port) or a failed handshake ends here.
        connect(_tls, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
            if (error == QAbstractSocket::SslHandshakeFailedError ||
                error == QAbstractSocket::SslInternalError ||
                error == QAbstractSocket::SslInvalidUserDataError) {
                close(QStringLiteral("TLS failed: %1").arg(_tls->errorString()));
            }
        });
    }
    // A paused client goes on once its answers have left.
    auto resume = [this]() {
        if (unsentBytes() < pauseUnsentBytes) {
            schedulePump();
        }
    };
    connect(socket, &QTcpSocket::bytesWritten, this, resume);
    if (_tls) {
        // Over TLS bytesWritten tells of encryption; the network takes the encrypted bytes later.
        connect(_tls, &QSslSocket::encryptedBytesWritten, this, resume);
    }
    _watchdog.setSingleShot(true);
    connect(&_watchdog, &QTimer::timeout, this, &ClientSession::onWatchdog);
    restartWatchdog();
    serverLog()->info("Session {} opened from '{}'", _number, _peer.toStdString());
}

ClientSession::~ClientSession() = default;

QString ClientSession::peer() const {
    return _peer;
}

void ClientSession::setLoggedIn(qint64 userId, const QString& sign, const QString& role) {
    _userId = userId;
    _sign = sign;
    _role = role;
    _framing.setMaxPendingBytes(_limits.maxPendingBytes);
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
    if (_logBudget.take()) {
        serverLog()->info("Session {} SEND '{}'", _number, loggable(json));
    }
    if (unsentBytes() > _limits.maxUnsentBytes) {
        close(QStringLiteral("it does not read its answers (%1 bytes unsent)").arg(unsentBytes()));
    }
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
    serverLog()->warn("Session {} from '{}' closed: {}", _number, _peer.toStdString(),
                      KvoCore::LogText::value(reason));
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

qint64 ClientSession::unsentBytes() const {
    if (!_socket) {
        return 0;
    }
    // Over TLS: what waits to be encrypted and what waits, encrypted, for the network.
    return _socket->bytesToWrite() + (_tls ? _tls->encryptedBytesToWrite() : 0);
}

void ClientSession::onReadyRead() {
    // While paused the requests wait in the socket; a client that keeps sending without reading its
    // answers is not buffered without end.
    if (_socket && _socket->bytesAvailable() > qint64(_framing.maxPendingBytes()) + pauseUnsentBytes) {
        close(QStringLiteral("it sends without reading its answers"));
        return;
    }
    schedulePump();
}

void ClientSession::schedulePump() {
    if (_pumpScheduled || _closed) {
        return;
    }
    _pumpScheduled = true;
    // Queued: every client's turn comes from the event loop, none runs the others dry.
    QMetaObject::invokeMethod(this, &ClientSession::pump, Qt::QueuedConnection);
}

void ClientSession::pump() {
    _pumpScheduled = false;
    if (!_socket || _closed) {
        return;
    }
    if (unsentBytes() >= pauseUnsentBytes) {
        return; // resumed by bytesWritten
    }
    _framing.append(_socket->read(_framing.maxPendingBytes() + ClientBase::MessageFraming::kMarkerSize));
    QByteArray frame;
    for (int handled = 0; handled < framesPerTurn; ++handled) {
        const auto next = _framing.next(&frame);
        if (next == ClientBase::MessageFraming::Next::NeedMore) {
            if (_socket && _socket->bytesAvailable() > 0) {
                schedulePump();
            }
            return;
        }
        if (next == ClientBase::MessageFraming::Next::Overflow) {
            close(QStringLiteral("an unfinished frame passed %1 bytes").arg(_framing.maxPendingBytes()));
            return;
        }
        handleFrame(frame);
        if (_closed || !_socket) {
            return;
        }
    }
    schedulePump();
}

void ClientSession::handleFrame(const QByteArray& frame) {
    QByteArray payload;
    const qint64 cap = isLoggedIn() ? _limits.maxInflatedBytes : _limits.maxInflatedBytesBeforeLogIn;
    const auto inflated = ClientBase::MessageFraming::inflate(frame, &payload, cap);
    const bool log = _logBudget.take();
    if (log) {
        if (const int skipped = _logBudget.takeSkipped()) {
            serverLog()->info("Session {}: {} log lines left out", _number, skipped);
        }
    }
    if (inflated != ClientBase::MessageFraming::Inflate::Ok) {
        if (log) {
            serverLog()->warn("Session {}: {} frame of {} bytes skipped", _number,
                              inflated == ClientBase::MessageFraming::Inflate::TooLarge ? "oversized"
                                                                                        : "corrupt",
                              frame.size());
        }
        countBadFrame();
        return;
    }
    const auto parsed = ClientBase::MessageFraming::parse(payload);
    if (log) {
        serverLog()->info("Session {} RECEIVE '{}'", _number, loggable(payload));
    }
    if (parsed.error != ClientBase::MessageFraming::Parsed::Error::None) {
        if (log) {
            serverLog()->warn("Session {}: frame skipped, {}", _number,
                              parsed.error == ClientBase::MessageFraming::Parsed::Error::NotJson
                                  ? "not JSON"
                                  : "not a JSON array");
        }
        countBadFrame();
        return;
    }
    if (parsed.nonObjects > 0 && log) {
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
