#pragma once

#include <QObject>
#include <QString>

namespace KvoCore {

// Helpers shared by C++ and QML.
class Utils : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE static QString getSHA512(const QString& data);
    // Every stored or sent password hash: the plain SHA-512, lower-case hexadecimal.
    Q_INVOKABLE static QString getPwdHash(const QString& data);
};

} // namespace KvoCore
