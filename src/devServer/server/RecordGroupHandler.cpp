#include "RecordGroupHandler.h"

#include "RecordStore.h"

#include <QJsonArray>

namespace DevServer {

RecordGroupHandler::RecordGroupHandler(RecordStore& store, const QStringList& groups)
    : _store(store), _groups(groups) {}

QStringList RecordGroupHandler::listActions() {
    return {"trGetList", "trInfo", "trCreate", "trUpdate", "trRemove", "trDuplicate"};
}

bool RecordGroupHandler::accepts(const Request& request) const {
    return _groups.contains(request.group) && listActions().contains(request.action);
}

Outcome RecordGroupHandler::handle(const Request& request) {
    const QString& action = request.action;
    if (action == QLatin1String("trGetList")) {
        return getList(request);
    }
    if (action == QLatin1String("trInfo")) {
        return info(request);
    }
    if (action == QLatin1String("trCreate")) {
        return create(request);
    }
    if (action == QLatin1String("trUpdate")) {
        return update(request);
    }
    if (action == QLatin1String("trRemove")) {
        return remove(request);
    }
    return duplicate(request);
}

QJsonObject RecordGroupHandler::recordFields(const Request& request) {
    QJsonObject fields;
    for (auto it = request.dto.params.constBegin(); it != request.dto.params.constEnd(); ++it) {
        if (it.key() != QLatin1String("FN") && !it.key().startsWith(QLatin1Char('_'))) {
            fields.insert(it.key(), it.value());
        }
    }
    return fields;
}

bool RecordGroupHandler::readId(const Request& request, qint64* id) {
    const QJsonValue value = request.dto.params.value(QStringLiteral("id"));
    bool ok = value.isDouble();
    *id = value.toVariant().toLongLong();
    if (value.isString()) {
        *id = value.toString().toLongLong(&ok);
    }
    return ok && *id > 1;
}

KvoCore::DTO RecordGroupHandler::recordAnswer(const Request& request, const QJsonObject& record) {
    KvoCore::DTO reply = answer(request, true);
    for (auto it = record.constBegin(); it != record.constEnd(); ++it) {
        reply.params.insert(it.key(), it.value());
    }
    return reply;
}

KvoCore::DTO RecordGroupHandler::changeNotice(const QString& group, const QString& action,
                                              const QJsonObject& record) {
    return notice(group, action, record);
}

Outcome RecordGroupHandler::getList(const Request& request) {
    Outcome outcome;
    const QJsonObject& params = request.dto.params;
    const QJsonValue where = params.value(QStringLiteral("where"));
    const QJsonValue orderBy = params.value(QStringLiteral("orderBy"));
    const QJsonValue limit = params.value(QStringLiteral("limit"));
    if (!where.isUndefined() && !where.isArray()) {
        outcome.replies.append(
            failure(request, QStringLiteral("\"where\" must be a list of condition groups")));
        return outcome;
    }
    if (!orderBy.isUndefined() && !orderBy.isObject()) {
        outcome.replies.append(
            failure(request, QStringLiteral("\"orderBy\" must map fields to ASC or DESC")));
        return outcome;
    }
    if (!limit.isUndefined() && (!limit.isDouble() || limit.toDouble() < 0)) {
        outcome.replies.append(failure(request, QStringLiteral("\"limit\" must be a number of rows")));
        return outcome;
    }
    quint64 rows = limit.isUndefined() ? 0 : quint64(limit.toDouble());
    if (rows == 0 || rows > maxListRows) {
        rows = maxListRows;
    }
    const QJsonArray entries = _store.list(request.group, where.toArray(), orderBy.toObject(), rows);
    KvoCore::DTO reply = answer(request, true);
    reply.params.insert(QStringLiteral("entries"), entries);
    outcome.replies.append(reply);
    return outcome;
}

KvoCore::DTO RecordGroupHandler::badIdReply(const Request& request) {
    return failure(request, QStringLiteral("A record id greater than 1 is expected in \"id\""));
}

// The record was removed meanwhile: the client drops its row on this code.
KvoCore::DTO RecordGroupHandler::goneReply(const Request& request, qint64 id) {
    KvoCore::DTO reply = failure(request, QStringLiteral("The record no longer exists"), errRecordGone);
    reply.params.insert(QStringLiteral("id"), id);
    return reply;
}

Outcome RecordGroupHandler::info(const Request& request) {
    Outcome outcome;
    qint64 id = 0;
    if (!readId(request, &id)) {
        outcome.replies.append(badIdReply(request));
        return outcome;
    }
    const auto record = _store.info(request.group, id);
    if (!record) {
        outcome.replies.append(goneReply(request, id));
        return outcome;
    }
    outcome.replies.append(recordAnswer(request, *record));
    return outcome;
}

Outcome RecordGroupHandler::create(const Request& request) {
    Outcome outcome;
    const QJsonObject record = _store.create(request.group, recordFields(request), request.userId);
    outcome.replies.append(recordAnswer(request, record));
    outcome.broadcasts.append(changeNotice(request.group, QStringLiteral("srInserted"), record));
    return outcome;
}

Outcome RecordGroupHandler::update(const Request& request) {
    Outcome outcome;
    qint64 id = 0;
    if (!readId(request, &id)) {
        outcome.replies.append(badIdReply(request));
        return outcome;
    }
    const auto record = _store.update(request.group, id, recordFields(request));
    if (!record) {
        outcome.replies.append(goneReply(request, id));
        return outcome;
    }
    outcome.replies.append(recordAnswer(request, *record));
    outcome.broadcasts.append(changeNotice(request.group, QStringLiteral("srUpdated"), *record));
    return outcome;
}

Outcome RecordGroupHandler::remove(const Request& request) {
    Outcome outcome;
    qint64 id = 0;
    if (!readId(request, &id)) {
        outcome.replies.append(badIdReply(request));
        return outcome;
    }
    if (request.group == QLatin1String("users") && id == request.userId) {
        // The session would go on as a user that no longer exists.
        outcome.replies.append(
            failure(request, QStringLiteral("You cannot remove the account you are logged in with")));
        return outcome;
    }
    if (!_store.remove(request.group, id)) {
        outcome.replies.append(goneReply(request, id));
        return outcome;
    }
    KvoCore::DTO reply = answer(request, true);
    reply.params.insert(QStringLiteral("id"), id);
    outcome.replies.append(reply);
    // Lists refresh on "srUpdated"; "removed" tells the ones that look which row went away.
    outcome.broadcasts.append(
        changeNotice(request.group, QStringLiteral("srUpdated"), QJsonObject{{"id", id}, {"removed", true}}));
    return outcome;
}

Outcome RecordGroupHandler::duplicate(const Request& request) {
    Outcome outcome;
    qint64 id = 0;
    if (!readId(request, &id)) {
        outcome.replies.append(badIdReply(request));
        return outcome;
    }
    const auto record = _store.duplicate(request.group, id, request.userId);
    if (!record) {
        outcome.replies.append(goneReply(request, id));
        return outcome;
    }
    outcome.replies.append(recordAnswer(request, *record));
    outcome.broadcasts.append(changeNotice(request.group, QStringLiteral("srInserted"), *record));
    return outcome;
}

} // namespace DevServer
