#include "SessionListener.h"

#include "kvoCore/clientNetwork/TlsFingerprint.h"

#include <QSslConfiguration>
#include <QSslSocket>

namespace DevServer {

void SessionListener::setTls(const QString& mode, std::shared_ptr<const ServerCertificate> certificate) {
    _mode = mode;
    _certificate = std::move(certificate);
}

bool SessionListener::mayEncrypt() const {
    if (!_certificate || _mode == QLatin1String("off")) {
        return false;
    }
    // Listening on every address: connections to a loopback one stay plain, the others not.
    const QHostAddress address = serverAddress();
    return _mode == QLatin1String("on") || address == QHostAddress::Any || address == QHostAddress::AnyIPv4 ||
           address == QHostAddress::AnyIPv6 || KvoCore::TlsFingerprint::encrypts(_mode, address);
}

void SessionListener::incomingConnection(qintptr descriptor) {
    if (!mayEncrypt()) {
        QTcpServer::incomingConnection(descriptor);
        return;
    }
    auto socket = std::make_unique<QSslSocket>(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        return;
    }
    if (KvoCore::TlsFingerprint::encrypts(_mode, socket->localAddress())) {
        QSslConfiguration configuration = socket->sslConfiguration();
        configuration.setLocalCertificate(_certificate->certificate());
        configuration.setPrivateKey(_certificate->key());
        configuration.setProtocol(QSsl::TlsV1_2OrLater);
        configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
        socket->setSslConfiguration(configuration);
        socket->startServerEncryption();
    }
    // The server takes it with nextPendingConnection(); until then the listener owns it.
    addPendingConnection(socket.release());
}

} // namespace DevServer
