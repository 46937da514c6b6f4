#include "TlsFingerprint.h"

#include <QHostAddress>
#include <QSslCertificate>

namespace KvoCore {

QString TlsFingerprint::of(const QSslCertificate& certificate) {
    if (certificate.isNull()) {
        return {};
    }
    const QByteArray hex = certificate.digest(QCryptographicHash::Sha256).toHex().toUpper();
    QStringList pairs;
    for (int i = 0; i + 1 < hex.size(); i += 2) {
        pairs.append(QString::fromLatin1(hex.mid(i, 2)));
    }
    return pairs.join(QLatin1Char(':'));
}

bool TlsFingerprint::encrypts(const QString& mode, const QHostAddress& address) {
    if (mode == QLatin1String("on")) {
        return true;
    }
    if (mode == QLatin1String("off")) {
        return false;
    }
    bool mapped = false;
    const quint32 ipv4 = address.toIPv4Address(&mapped);
    return !(mapped ? QHostAddress(ipv4) : address).isLoopback();
}

bool TlsFingerprint::encrypts(const QString& mode, const QString& host) {
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) {
        return encrypts(mode, QHostAddress(QHostAddress::LocalHost));
    }
    // A host name that is no address is taken for another machine.
    return encrypts(mode, QHostAddress(host));
}

} // namespace KvoCore
