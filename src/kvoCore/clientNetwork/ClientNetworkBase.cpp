#include "ClientNetworkBase.h"

#include "TlsFingerprint.h"
#include "kvoCore/Location.h"

#include <QSslConfiguration>
#include <QSslSocket>
#include <QTimer>
#include <spdlog/spdlog.h>

namespace {
constexpr int kWaitMs = 30000;
constexpr unsigned long kPauseAfterLossMs = 500;
} // namespace

ClientNetworkBase::ClientNetworkBase() {
    // Made here rather than in run() so that a request emitted before the thread has set itself up
    // is queued for its event loop instead of lost.
    connect(this, &ClientNetworkBase::makeConnection, this, &ClientNetworkBase::makeConnectionSlot);
    connect(this, &ClientNetworkBase::closeConnectionSignal, this, &ClientNetworkBase::closeConnectionSlot);
    connect(this, qOverload<QByteArray, bool>(&ClientNetworkBase::sendMessageSignal), this,
            [this](const QByteArray& msg, bool block) { writeToSocket(msg, block); });
}

ClientNetworkBase::~ClientNetworkBase() {
    stopThread();
}

bool ClientNetworkBase::isConnected() const {
    return m_connected;
}

bool ClientNetworkBase::isConnectionMode() const {
    return m_connectionMode;
}

qlonglong ClientNetworkBase::amountConnected() const {
    return m_amountConnected;
}

void ClientNetworkBase::setAmountConnected(qlonglong value) {
    if (m_amountConnected.exchange(value) != value) {
        Q_EMIT amountConnectedChanged(value);
    }
}

bool ClientNetworkBase::usePing() const {
    return param(QStringLiteral("use_ping")).toBool();
}

void ClientNetworkBase::run() {
    KvoThreadBase::run();
    connect(this, &QThread::finished, this, &ClientNetworkBase::onFinished,
            Qt::ConnectionType(Qt::DirectConnection | Qt::UniqueConnection));
    auto makeTimer = [this]() {
        auto timer = std::make_shared<QTimer>();
        timer->moveToThread(this);
        return timer;
    };
    if (usePing()) {
        m_pingTimer = makeTimer();
        m_pongTimer = makeTimer();
    }
    m_reconnectTimer = makeTimer();

    m_socket = std::make_shared<QSslSocket>();
    m_socket->moveToThread(this);
    m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);

    connect(m_socket.get(), &QTcpSocket::connected, this, &ClientNetworkBase::onTcpConnected);
    connect(m_socket.get(), &QSslSocket::encrypted, this, &ClientNetworkBase::onEncrypted);
    connect(m_socket.get(), qOverload<const QList<QSslError>&>(&QSslSocket::sslErrors), this,
            &ClientNetworkBase::onSslErrors);
    connectDisconnectedSignal();
    connect(m_socket.get(), &QTcpSocket::readyRead, this, &ClientNetworkBase::onSocketReadyRead);
    connect(m_reconnectTimer.get(), &QTimer::timeout, this, &ClientNetworkBase::makeConnectionSlot);
    if (usePing()) {
        connect(m_pingTimer.get(), &QTimer::timeout, this, &ClientNetworkBase::sendPing);
        connect(m_pongTimer.get(), &QTimer::timeout, this, &ClientNetworkBase::disconnectByPongTimer);
        connect(this, &ClientNetworkBase::stopgPongTimer, this, &ClientNetworkBase::slotStopgPongTimer);
    }
}

void ClientNetworkBase::connectDisconnectedSignal() {
    connect(m_socket.get(), &QTcpSocket::disconnected, this, &ClientNetworkBase::onSocketDisconnected,
            Qt::UniqueConnection);
}

void ClientNetworkBase::releaseConnectionObjects() {
    closeConnectionBase();
    m_socket.reset();
    m_reconnectTimer.reset();
    m_pingTimer.reset();
    m_pongTimer.reset();
}

void ClientNetworkBase::makeConnectionSlot() {
    closeConnectionBase();
    if (isStopping()) {
        return;
    }
    if (!m_socket) {
        logger()->warn("{}. No socket: the link thread is not running",
                       KVO_LOCATION("ClientNetworkBase::makeConnectionSlot").toStdString());
        return;
    }
    const QString host = param(QStringLiteral("host")).toString();
    const quint16 port = static_cast<quint16>(param(QStringLiteral("port")).toUInt());
    logger()->info("{}", QStringLiteral("%1. Try to connect to '%2:%3' ...")
                             .arg(KVO_LOCATION("ClientNetworkBase::makeConnectionSlot"), host)
                             .arg(port)
                             .toStdString());
    m_encrypted = KvoCore::TlsFingerprint::encrypts(param(QStringLiteral("tls")).toString(), host);
    if (m_encrypted) {
        if (!QSslSocket::supportsSsl()) {
            // Plain TCP is no fallback: the log-in would cross the network readable.
            logger()->error("{}. '{}' needs TLS, but no TLS library can be loaded (Qt was built with '{}')",
                            KVO_LOCATION("ClientNetworkBase::makeConnectionSlot").toStdString(),
                            host.toStdString(), QSslSocket::sslLibraryBuildVersionString().toStdString());
            m_connectionMode = false;
            return;
        }
        QSslConfiguration configuration = m_socket->sslConfiguration();
        configuration.setProtocol(QSsl::TlsV1_2OrLater);
        m_socket->setSslConfiguration(configuration);
        m_socket->connectToHostEncrypted(host, port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    } else {
        m_socket->connectToHost(host, port, QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    }
    m_connectionMode = true;
    m_reconnectTimer->start(static_cast<int>(m_reconnectInterval * 1000));
}

QString ClientNetworkBase::pinKey() const {
    return QStringLiteral("%1_%2")
        .arg(param(QStringLiteral("host")).toString())
        .arg(param(QStringLiteral("port")).toUInt());
}

void ClientNetworkBase::onTcpConnected() {
    if (m_encrypted) {
        return; // connected once the handshake is done and the certificate is trusted
    }
    Q_EMIT tlsFingerprint(pinKey(), QString());
    onSocketConnected();
}

bool ClientNetworkBase::presentedIsTrusted(QString* presented) const {
    *presented = KvoCore::TlsFingerprint::of(m_socket->peerCertificate());
    const QString pinned = param(QStringLiteral("tlsPin")).toString();
    return !presented->isEmpty() &&
           (pinned.isEmpty() || pinned.compare(*presented, Qt::CaseInsensitive) == 0);
}

void ClientNetworkBase::onSslErrors(const QList<QSslError>& errors) {
    // A self-signed certificate is expected; the pin, not a certificate authority, says whose it is.
    QString presented;
    if (m_socket && presentedIsTrusted(&presented)) {
        m_socket->ignoreSslErrors(errors);
    } else {
        refuseCertificate(presented);
    }
}

void ClientNetworkBase::onEncrypted() {
    QString presented;
    if (!presentedIsTrusted(&presented)) {
        refuseCertificate(presented);
        return;
    }
    const QString key = pinKey();
    if (param(QStringLiteral("tlsPin")).toString().isEmpty()) {
        setParam(QStringLiteral("tlsPin"), presented);
        logger()->info("{}. First connection to '{}': its certificate {} is trusted from now on",
                       KVO_LOCATION("ClientNetworkBase::onEncrypted").toStdString(), key.toStdString(),
                       presented.toStdString());
        Q_EMIT tlsPinLearned(key, presented);
    }
    Q_EMIT tlsFingerprint(key, presented);
    onSocketConnected();
}

void ClientNetworkBase::refuseCertificate(const QString& presented) {
    const QString key = pinKey();
    const QString pinned = param(QStringLiteral("tlsPin")).toString();
    logger()->warn("{}. The certificate of '{}' has changed: {} is trusted, {} was presented. Not connecting "
                   "until the new certificate is trusted",
                   KVO_LOCATION("ClientNetworkBase::refuseCertificate").toStdString(), key.toStdString(),
                   pinned.toStdString(), presented.toStdString());
    // The failed handshake ends the connection: that is no loss to recover from by trying again.
    disconnect(m_socket.get(), &QTcpSocket::disconnected, this, &ClientNetworkBase::onSocketDisconnected);
    if (m_reconnectTimer) {
        m_reconnectTimer->stop();
    }
    m_connectionMode = false;
    // Closed after the socket's own handshake code has returned, not from inside it.
    QMetaObject::invokeMethod(
        this,
        [this]() {
            closeConnectionBase();
            Q_EMIT connectionState(false);
        },
        Qt::QueuedConnection);
    Q_EMIT tlsPinMismatch(key, pinned, presented);
}

void ClientNetworkBase::onSocketConnected() {
    if (m_reconnectTimer) {
        m_reconnectTimer->stop();
    }
    m_connected = true;
    const qint64 count = ++m_amountConnected;
    Q_EMIT amountConnectedChanged(count);
}

void ClientNetworkBase::onSocketDisconnected() {
    m_connected = false;
    Q_EMIT connectionState(false);
    if (isStopping()) {
        return; // the thread is being ended: no new attempt
    }
    QThread::msleep(kPauseAfterLossMs);
    makeConnectionSlot();
}

void ClientNetworkBase::closeConnectionBase() {
    stopPingPongTimers();
    if (m_reconnectTimer) {
        m_reconnectTimer->stop();
    }
    if (!m_socket) {
        return;
    }
    // A close made by the link itself must not trigger the automatic reconnection.
    disconnect(m_socket.get(), &QTcpSocket::disconnected, this, &ClientNetworkBase::onSocketDisconnected);
    if (m_socket->state() == QAbstractSocket::ConnectedState) {
        m_socket->disconnectFromHost();
        if (m_socket->state() == QAbstractSocket::ConnectedState ||
            m_socket->state() == QAbstractSocket::ClosingState) {
            m_socket->waitForDisconnected(kWaitMs);
        }
    }
    // A pending attempt (host look-up, connecting) is dropped at once instead of being waited for.
    if (m_socket->state() != QAbstractSocket::UnconnectedState) {
        m_socket->abort();
    }
    m_connected = false;
    connectDisconnectedSignal();
}

void ClientNetworkBase::closeConnectionSlot() {
    closeConnectionBase();
    m_connectionMode = false;
    Q_EMIT connectionState(false);
}

void ClientNetworkBase::onFinished() {
    closeConnectionSlot();
}

void ClientNetworkBase::disconnectByPongTimer() {
    dropAndReconnect();
}

void ClientNetworkBase::dropAndReconnect() {
    closeConnectionBase();
    onSocketDisconnected();
}

void ClientNetworkBase::onError(QAbstractSocket::SocketError socketError) {
    Q_UNUSED(socketError);
    if (m_socket) {
        logger()->warn("{} {}", KVO_LOCATION("ClientNetworkBase::onError").toStdString(),
                       m_socket->errorString().toStdString());
    }
}

void ClientNetworkBase::slotStartPingTimer() {
    if (usePing() && m_pingTimer) {
        m_pingTimer->start(static_cast<int>(m_pingInterval * 1000));
    }
}

void ClientNetworkBase::stopPingPongTimers() {
    if (!usePing()) {
        return;
    }
    if (m_pingTimer) {
        m_pingTimer->stop();
    }
    if (m_pongTimer) {
        m_pongTimer->stop();
    }
}

void ClientNetworkBase::slotStopgPongTimer() {
    if (m_pongTimer) {
        m_pongTimer->stop();
    }
}

void ClientNetworkBase::sendPing() {}

qint64 ClientNetworkBase::writeToSocket(const QByteArray& bytes, bool block) const {
    if (!m_socket) {
        return -1;
    }
    const qint64 written = m_socket->write(bytes);
    if (block) {
        m_socket->waitForBytesWritten(kWaitMs);
    }
    return written;
}
