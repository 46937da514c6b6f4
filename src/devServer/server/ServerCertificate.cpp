#include "ServerCertificate.h"

#include "ServerLog.h"
#include "kvoCore/clientNetwork/TlsFingerprint.h"

#include <QDir>
#include <QFile>
#include <QHostInfo>
#include <memory>
#include <openssl/bn.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

namespace DevServer {

namespace {

constexpr long validSeconds = 10L * 365 * 24 * 3600;

template <class T, void (*Free)(T*)>
struct Deleter {
    void operator()(T* p) const { Free(p); }
};
using Key = std::unique_ptr<EVP_PKEY, Deleter<EVP_PKEY, EVP_PKEY_free>>;
using Certificate = std::unique_ptr<X509, Deleter<X509, X509_free>>;
using Bio = std::unique_ptr<BIO, Deleter<BIO, BIO_free_all>>;
using BigNumber = std::unique_ptr<BIGNUM, Deleter<BIGNUM, BN_free>>;

QString openSslError(const char* what) {
    char text[256] = {0};
    ERR_error_string_n(ERR_get_error(), text, sizeof text);
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLatin1(text));
}

QByteArray bioBytes(BIO* bio) {
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio, &data);
    return QByteArray(data, int(size));
}

// Writes `bytes` into a new file that only the server's user may read or write (`ownerOnly`).
bool writeFile(const QString& path, const QByteArray& bytes, bool ownerOnly, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = QStringLiteral("cannot write '%1': %2").arg(path, file.errorString());
        return false;
    }
    // Before anything is in it: the key is never readable by others, not even for a moment.
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner;
    if (!file.setPermissions(ownerOnly ? owner : owner | QFile::ReadGroup | QFile::ReadOther)) {
        *error = QStringLiteral("cannot set the permissions of '%1'").arg(path);
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *error = QStringLiteral("cannot write '%1': %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

QString ServerCertificate::fingerprint() const {
    return KvoCore::TlsFingerprint::of(_certificate);
}

bool ServerCertificate::generate(QByteArray* certificatePem, QByteArray* keyPem, QString* error) {
    Key key(EVP_EC_gen("P-256"));
    if (!key) {
        *error = openSslError("EC key generation failed");
        return false;
    }
    Certificate certificate(X509_new());
    BigNumber serial(BN_new());
    const QByteArray commonName = QHostInfo::localHostName().toUtf8().left(64);
    X509_NAME* name = certificate ? X509_get_subject_name(certificate.get()) : nullptr;
    const bool made =
        certificate && serial && name && X509_set_version(certificate.get(), 2) == 1 &&
        BN_rand(serial.get(), 64, BN_RAND_TOP_ANY, BN_RAND_BOTTOM_ANY) == 1 &&
        BN_to_ASN1_INTEGER(serial.get(), X509_get_serialNumber(certificate.get())) != nullptr &&
        // An hour back: a client whose clock is a little behind still accepts it.
        X509_gmtime_adj(X509_getm_notBefore(certificate.get()), -3600) != nullptr &&
        X509_gmtime_adj(X509_getm_notAfter(certificate.get()), validSeconds) != nullptr &&
        X509_set_pubkey(certificate.get(), key.get()) == 1 &&
        X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_UTF8,
                                   reinterpret_cast<const unsigned char*>(
                                       commonName.isEmpty() ? "okulon-server" : commonName.constData()),
                                   -1, -1, 0) == 1 &&
        X509_set_issuer_name(certificate.get(), name) == 1 &&
        X509_sign(certificate.get(), key.get(), EVP_sha256()) > 0;
    if (!made) {
        *error = openSslError("certificate signing failed");
        return false;
    }
    Bio certificateBio(BIO_new(BIO_s_mem()));
    Bio keyBio(BIO_new(BIO_s_mem()));
    if (!certificateBio || !keyBio || PEM_write_bio_X509(certificateBio.get(), certificate.get()) != 1 ||
        PEM_write_bio_PrivateKey(keyBio.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) != 1) {
        *error = openSslError("PEM encoding failed");
        return false;
    }
    *certificatePem = bioBytes(certificateBio.get());
    *keyPem = bioBytes(keyBio.get());
    return true;
}

std::optional<ServerCertificate> ServerCertificate::load(const QString& folder, QString* error) {
    const QDir dir(folder);
    QFile certificateFile(dir.filePath(QLatin1String(ServerCertificate::certificateFile)));
    QFile keyFile(dir.filePath(QLatin1String(ServerCertificate::keyFile)));
    if (!certificateFile.exists() && !keyFile.exists()) {
        return std::nullopt;
    }
    if (!certificateFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the certificate or key in '%1'").arg(folder);
        return std::nullopt;
    }
    ServerCertificate result;
    result._certificate = QSslCertificate(certificateFile.readAll(), QSsl::Pem);
    result._key = QSslKey(keyFile.readAll(), QSsl::Ec, QSsl::Pem, QSsl::PrivateKey);
    if (result._certificate.isNull() || result._key.isNull()) {
        *error = QStringLiteral("the certificate or key in '%1' cannot be read").arg(folder);
        return std::nullopt;
    }
    return result;
}

std::optional<ServerCertificate> ServerCertificate::loadOrCreate(const QString& folder, QString* error) {
    QString loadError;
    if (auto loaded = load(folder, &loadError)) {
        return loaded;
    }
    if (!loadError.isEmpty()) {
        serverLog()->warn(
            "TLS: {}; a new certificate is made (clients that pinned the old one will refuse it)",
            loadError.toStdString());
    }
    if (!QDir().mkpath(folder) ||
        !QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        *error = QStringLiteral("cannot make the folder '%1'").arg(folder);
        return std::nullopt;
    }
    QByteArray certificatePem;
    QByteArray keyPem;
    if (!generate(&certificatePem, &keyPem, error)) {
        return std::nullopt;
    }
    const QDir dir(folder);
    if (!writeFile(dir.filePath(QLatin1String(keyFile)), keyPem, true, error) ||
        !writeFile(dir.filePath(QLatin1String(certificateFile)), certificatePem, false, error)) {
        return std::nullopt;
    }
    auto made = load(folder, error);
    if (made) {
        made->_new = true;
    } else if (error->isEmpty()) {
        *error = QStringLiteral("the new certificate in '%1' cannot be read back").arg(folder);
    }
    return made;
}

} // namespace DevServer
