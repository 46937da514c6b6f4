#pragma once

#include <QString>

class QHostAddress;
class QSslCertificate;

namespace KvoCore {

// How both ends name a server certificate and decide where the link is encrypted.
class TlsFingerprint {
public:
    // SHA-256 of the certificate (DER) as upper-case hex pairs joined by ':', the form
    // `openssl x509 -fingerprint -sha256` prints; empty for a null certificate.
    static QString of(const QSslCertificate& certificate);
    // "auto" (or anything else but "on"/"off"): encrypted unless the address is loopback.
    static bool encrypts(const QString& mode, const QString& host);
    static bool encrypts(const QString& mode, const QHostAddress& address);
};

} // namespace KvoCore
