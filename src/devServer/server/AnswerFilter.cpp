#include "AnswerFilter.h"

#include "AccessPolicy.h"
#include "Accounts.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace DevServer {

namespace {

// Secret keys by group: operators never get them, administrators only in single-record answers
// (and "login" of camera passwords in lists too); "pwd" is removed for everybody.
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

// Where a record travels: a single record answering its reader's own request, a row of a list, or a
// notice pushed to everybody.
enum class Place { Answer, ListRow, Notice };

void maskSource(QJsonObject& record) {
    const QJsonValue source = record.value(QStringLiteral("source"));
    if (source.isString()) {
        record.insert(QStringLiteral("source"), AnswerFilter::maskUrlPassword(source.toString()));
    }
}

bool ownedBy(const QJsonObject& record, qint64 userId) {
    return record.value(QStringLiteral("rstIdOwner")).toVariant().toLongLong() == userId;
}

// The record cut for the reader; false when the reader may not see it.
bool cut(QJsonObject& record, const Reader& reader, Place place) {
    record.remove(QStringLiteral("pwd"));
    if (reader.admin) {
        // Administrators get secrets where an editor asks for one record; lists and notices, which
        // reach every screen and every administrator, carry none. A user's own settings list keeps
        // them: the client works with its own tokens.
        if (place == Place::Answer || (place == Place::ListRow && AccessPolicy::isOwnerScoped(reader.group) &&
                                       ownedBy(record, reader.userId))) {
            return true;
        }
        for (const QString& key : secretKeys(reader.group)) {
            if (key != QLatin1String("login")) {
                record.remove(key);
            }
        }
        maskSource(record);
        return true;
    }
    if (AccessPolicy::isOwnerScoped(reader.group) && record.contains(QStringLiteral("rstIdOwner")) &&
        !ownedBy(record, reader.userId)) {
        return false;
    }
    for (const QString& key : secretKeys(reader.group)) {
        record.remove(key);
    }
    maskSource(record);
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
    const bool notice = fn.section(QLatin1Char('_'), 1).startsWith(QLatin1String("sr"));
    KvoCore::DTO result(record);
    QJsonObject& params = result.params;
    if (!cut(params, reader, notice ? Place::Notice : Place::Answer)) {
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
            if (cut(object, reader, notice ? Place::Notice : Place::ListRow) &&
                (reader.admin || reader.group != QLatin1String("devicePassword"))) {
                kept.append(object);
            }
        }
        params.insert(QStringLiteral("entries"), kept);
    }
    return result;
}

} // namespace DevServer
