#include "AnswerFilter.h"

#include "AccessPolicy.h"
#include "Accounts.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace DevServer {

namespace {

// Keys that operators never get, by group; "pwd" is removed for everybody.
QStringList secretKeys(const QString& group) {
    if (group == QLatin1String("youtubeSettings")) {
        return {"access_token", "refresh_token", "streamKey"};
    }
    if (group == QLatin1String("onlineAccessSettings")) {
        return {"password", "authKey"};
    }
    if (group == QLatin1String("telegramSettings")) {
        return {"proxyPass", "code"};
    }
    if (group == QLatin1String("searchDevices")) {
        return {"password"};
    }
    if (group == QLatin1String("devicePassword")) {
        return {"login", "password"};
    }
    return {};
}

struct Reader {
    QString group;
    bool admin;
    qint64 userId;
};

// The record cut for the reader; false when the reader may not see it.
bool cut(QJsonObject& record, const Reader& reader) {
    record.remove(QStringLiteral("pwd"));
    if (reader.admin) {
        return true;
    }
    if (AccessPolicy::isOwnerScoped(reader.group) && record.contains(QStringLiteral("rstIdOwner")) &&
        record.value(QStringLiteral("rstIdOwner")).toVariant().toLongLong() != reader.userId) {
        return false;
    }
    for (const QString& key : secretKeys(reader.group)) {
        record.remove(key);
    }
    const QJsonValue source = record.value(QStringLiteral("source"));
    if (source.isString()) {
        record.insert(QStringLiteral("source"), AnswerFilter::maskUrlPassword(source.toString()));
    }
    return true;
}

} // namespace

QString AnswerFilter::maskUrlPassword(const QString& text) {
    static const QRegularExpression credentials(
        QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*://[^/:@]*):[^/@]*@"));
    QString masked = text;
    return masked.replace(credentials, QStringLiteral("\\1:***@"));
}

std::optional<KvoCore::DTO> AnswerFilter::forSession(const KvoCore::DTO& record, const QString& role,
                                                     qint64 userId) {
    const QString fn = record.params.value(QStringLiteral("FN")).toString();
    const Reader reader{fn.section(QLatin1Char('_'), 0, 0), role == Accounts::adminRole, userId};
    KvoCore::DTO result(record);
    QJsonObject& params = result.params;
    if (!cut(params, reader)) {
        return std::nullopt;
    }
    const QJsonValue entries = params.value(QStringLiteral("entries"));
    if (entries.isArray()) {
        QJsonArray kept;
        for (const QJsonValue& entry : entries.toArray()) {
            if (!entry.isObject()) {
                kept.append(entry);
                continue;
            }
            QJsonObject object = entry.toObject();
            // Camera passwords are not listed for operators at all.
            if (cut(object, reader) && (reader.admin || reader.group != QLatin1String("devicePassword"))) {
                kept.append(object);
            }
        }
        params.insert(QStringLiteral("entries"), kept);
    }
    return result;
}

} // namespace DevServer
