#include "FieldBounds.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace DevServer {

int FieldBounds::maxChars(const QString& key) {
    static const QSet<QString> names{"deviceName",
                                     "sign",
                                     "firstName",
                                     "middleName",
                                     "lastName",
                                     "name",
                                     "title",
                                     "groupName",
                                     "login",
                                     "channelName",
                                     "phone",
                                     "code",
                                     "status",
                                     "recState",
                                     "typeCode",
                                     "proxyLogin",
                                     "protocol",
                                     "plugin_name",
                                     "uid",
                                     "onvifUID",
                                     "archiveUuid",
                                     "detected",
                                     "privacyType",
                                     "ctxProducerKey",
                                     "rtpSenderConsumerKey",
                                     "streamKey"};
    static const QSet<QString> addresses{"source", "serverURL", "ip", "filePath", "path", "picture"};
    static const QSet<QString> notes{"innerNote", "description", "access_token", "refresh_token", "authKey",
                                     "password",  "pwd",         "proxyPass",    "sdpContent"};
    if (names.contains(key)) {
        return nameChars;
    }
    if (addresses.contains(key)) {
        return addressChars;
    }
    if (notes.contains(key)) {
        return noteChars;
    }
    return otherChars;
}

std::optional<QString> FieldBounds::check(const QJsonObject& request) {
    for (auto it = request.constBegin(); it != request.constEnd(); ++it) {
        const QJsonValue& value = it.value();
        if (it.key().startsWith(QLatin1Char('_'))) {
            continue; // bookkeeping: never stored, and not echoed when large
        }
        if (value.isString()) {
            const int limit = maxChars(it.key());
            if (value.toString().size() > limit) {
                return QStringLiteral("\"%1\" is longer than %2 characters").arg(it.key()).arg(limit);
            }
        } else if (value.isArray() || value.isObject()) {
            const QJsonDocument doc =
                value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
            if (doc.toJson(QJsonDocument::Compact).size() > structuredBytes) {
                return QStringLiteral("\"%1\" is larger than %2 bytes").arg(it.key()).arg(structuredBytes);
            }
        }
    }
    return std::nullopt;
}

} // namespace DevServer
