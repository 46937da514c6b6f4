#pragma once

#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <optional>

namespace DevServer {

// The server's TLS identity: an EC P-256 key and a self-signed certificate kept in a folder of their
// own. Made on the first start, read again on every later one, so that clients that pinned its
// fingerprint keep trusting it.
class ServerCertificate {
public:
    static constexpr const char* certificateFile = "server.crt";
    static constexpr const char* keyFile = "server.key";

    // The pair in `folder`, made and stored there first when there is none (or it cannot be read).
    // Empty, with `error` set, when neither works.
    static std::optional<ServerCertificate> loadOrCreate(const QString& folder, QString* error);

    const QSslCertificate& certificate() const { return _certificate; }
    const QSslKey& key() const { return _key; }
    QString fingerprint() const;
    // True when this start made the pair.
    bool isNew() const { return _new; }

private:
    static std::optional<ServerCertificate> load(const QString& folder, QString* error);
    // PEM of a new certificate and key; false with `error` when OpenSSL fails.
    static bool generate(QByteArray* certificatePem, QByteArray* keyPem, QString* error);

    QSslCertificate _certificate;
    QSslKey _key;
    bool _new = false;
};

} // namespace DevServer
