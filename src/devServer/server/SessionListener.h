#pragma once

#include "ServerCertificate.h"

#include <QTcpServer>
#include <memory>

namespace DevServer {

// The listening socket: hands out plain sockets, or, where the link is encrypted, TLS sockets that
// have begun their server handshake with the server's certificate.
class SessionListener : public QTcpServer {
    Q_OBJECT
public:
    using QTcpServer::QTcpServer;

    // `mode` "on", "off" or "auto" (encrypted unless the connection arrives at a loopback address).
    // Without a certificate every connection is plain.
    void setTls(const QString& mode, std::shared_ptr<const ServerCertificate> certificate);
    // True when some connection to the current listening address may be encrypted.
    bool mayEncrypt() const;

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    QString _mode = QStringLiteral("off");
    std::shared_ptr<const ServerCertificate> _certificate;
};

} // namespace DevServer
