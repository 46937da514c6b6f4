#include "DesktopLayoutHandler.h"

#include "RecordStore.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace DevServer {

namespace {

const QString ownerKey = QStringLiteral("rstIdOwner");
constexpr int maxNameLength = 64;

qint64 idOf(const QJsonObject& record) {
    return record.value(QStringLiteral("id")).toVariant().toLongLong();
}

} // namespace

DesktopLayoutHandler::DesktopLayoutHandler(RecordStore& store) : RecordGroupHandler(store, {group()}) {}

std::optional<QJsonObject> DesktopLayoutHandler::ownRecord(const Request& request, qint64 id) const {
    auto record = _store.info(group(), id);
    if (!record || record->value(ownerKey).toVariant().toLongLong() != request.userId) {
        return std::nullopt;
    }
    return record;
}

QString DesktopLayoutHandler::checkFields(const Request& request, const QJsonObject& fields,
                                          qint64 selfId) const {
    if (fields.contains(QStringLiteral("name")) || selfId == 0) {
        const QString name = fields.value(QStringLiteral("name")).toString().trimmed();
        if (name.isEmpty()) {
            return QStringLiteral("A layout needs a name");
        }
        if (name.size() > maxNameLength) {
            return QStringLiteral("A layout name has at most %1 characters").arg(maxNameLength);
        }
        const QJsonArray same = _store.list(group(), RecordStore::whereEquals(ownerKey, request.userId));
        for (const QJsonValue& other : same) {
            const QJsonObject record = other.toObject();
            if (idOf(record) != selfId && record.value(QStringLiteral("name")).toString().trimmed() == name) {
                return QStringLiteral("A layout named '%1' already exists").arg(name);
            }
        }
    }
    if (fields.contains(QStringLiteral("tiles"))) {
        const QJsonValue tiles = fields.value(QStringLiteral("tiles"));
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(tiles.toString().toUtf8(), &error);
        if (!tiles.isString() || error.error != QJsonParseError::NoError || !doc.isArray()) {
            return QStringLiteral("\"tiles\" must be the text of a JSON array");
        }
    }
    if (fields.contains(QStringLiteral("gridSize")) &&
        fields.value(QStringLiteral("gridSize")).toString().isEmpty()) {
        return QStringLiteral("\"gridSize\" must name a grid size");
    }
    return QString();
}

Outcome DesktopLayoutHandler::handle(const Request& request) {
    Outcome outcome;
    if (request.action == QLatin1String("trDuplicate")) {
        // A copy would carry the same name, which must stay unique.
        outcome.replies.append(failure(request, QStringLiteral("Save the layout under a new name instead")));
        return outcome;
    }
    qint64 id = 0;
    const bool byId =
        request.action != QLatin1String("trGetList") && request.action != QLatin1String("trCreate");
    // Another user's layout is answered as a record that is gone.
    if (byId && readId(request, &id) && !ownRecord(request, id)) {
        outcome.replies.append(goneReply(request, id));
        return outcome;
    }
    Request own = request;
    own.dto.params.remove(ownerKey);
    if (request.action == QLatin1String("trCreate") || request.action == QLatin1String("trUpdate")) {
        const QJsonObject fields = recordFields(request);
        const QString error = checkFields(request, fields, id);
        if (!error.isEmpty()) {
            outcome.replies.append(failure(request, error));
            return outcome;
        }
        if (fields.contains(QStringLiteral("name"))) {
            own.dto.params.insert(QStringLiteral("name"),
                                  fields.value(QStringLiteral("name")).toString().trimmed());
        }
    }
    outcome = RecordGroupHandler::handle(own);
    // Everybody hears that a list changed, only its owner what is in it.
    for (KvoCore::DTO& notice : outcome.broadcasts) {
        QJsonObject onlyId{{"id", notice.params.value(QStringLiteral("id"))}};
        if (notice.params.contains(QStringLiteral("removed"))) {
            onlyId.insert(QStringLiteral("removed"), true);
        }
        notice = changeNotice(group(), notice.params.value(QStringLiteral("FN")).toString().section('_', 1),
                              onlyId);
    }
    return outcome;
}

Outcome DesktopLayoutHandler::getList(const Request& request) {
    Request own = request;
    if (request.dto.params.value(QStringLiteral("where")).isArray()) {
        QJsonArray where = request.dto.params.value(QStringLiteral("where")).toArray();
        for (const QJsonValue& condition : RecordStore::whereEquals(ownerKey, request.userId)) {
            where.append(condition);
        }
        own.dto.params.insert(QStringLiteral("where"), where);
    } else if (!request.dto.params.contains(QStringLiteral("where"))) {
        own.dto.params.insert(QStringLiteral("where"), RecordStore::whereEquals(ownerKey, request.userId));
    }
    if (!own.dto.params.contains(QStringLiteral("orderBy"))) {
        own.dto.params.insert(QStringLiteral("orderBy"), QJsonObject{{"position", "ASC"}, {"id", "ASC"}});
    }
    Outcome outcome = RecordGroupHandler::getList(own);
    // The client's own groups may be joined with "or": only the user's rows leave the server.
    for (KvoCore::DTO& reply : outcome.replies) {
        if (!reply.params.contains(QStringLiteral("entries"))) {
            continue;
        }
        QJsonArray mine;
        for (const QJsonValue& entry : reply.params.value(QStringLiteral("entries")).toArray()) {
            if (entry.toObject().value(ownerKey).toVariant().toLongLong() == request.userId) {
                mine.append(entry);
            }
        }
        reply.params.insert(QStringLiteral("entries"), mine);
    }
    return outcome;
}

} // namespace DevServer
