#include "Utils.h"

#include <QCryptographicHash>

namespace KvoCore {

QString Utils::getSHA512(const QString& data) {
    return QString::fromLatin1(QCryptographicHash::hash(data.toUtf8(), QCryptographicHash::Sha512).toHex());
}

QString Utils::getPwdHash(const QString& data) { return getSHA512(data); }

} // namespace KvoCore
