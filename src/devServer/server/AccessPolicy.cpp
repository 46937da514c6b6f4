#include "AccessPolicy.h"

#include "Accounts.h"
#include "AnswerFilter.h"
#include "FieldBounds.h"
#include "RecordStore.h"
#include "RequestHandler.h"
#include "ServerLog.h"
#include "VideoFolders.h"
#include "kvoCore/LogText.h"

#include <QHash>
#include <QSet>

namespace DevServer {

const QString AccessPolicy::notAllowed = QStringLiteral("Not allowed");

namespace {

bool isAdmin(const Request& request) {
    return request.role == Accounts::adminRole;
}

qint64 idOf(const Request& request) {
    const QJsonValue value = request.dto.params.value(QStringLiteral("id"));
    return value.isString() ? value.toString().toLongLong() : value.toVariant().toLongLong();
}

// What an operator may ask for, by group; "*" is every action of the group.
const QHash<QString, QSet<QString>>& operatorActions() {
    static const QHash<QString, QSet<QString>> actions{
        {"device", {"trGetList", "trInfo", "trGetSDP"}},
        {"deviceType", {"trGetList", "trInfo"}},
        {"deviceRecState", {"trGetList", "trInfo"}},
        {"archive", {"trGetList", "trInfo"}},
        {"archivePlayer", {"*"}},
        {"moduleSystem", {"trModuleList", "trActiveModuleList", "trGetParams"}},
        {"users", {"trGetList", "trInfo", "trUpdate"}},
        {"youtubeSettings", {"trGetList", "trInfo", "trCreate", "trUpdate"}},
        {"telegramSettings", {"trGetList", "trInfo", "trCreate", "trUpdate"}},
        {"onlineAccessSettings", {"trGetList", "trInfo"}},
        {"app", {"trGetBaseVideoDir"}},
        // Layouts are the user's own: the group's handler keeps each user to their own records.
        {"desktopLayout", {"*"}},
    };
    return actions;
}

} // namespace

AccessPolicy::AccessPolicy(RecordStore& store, Accounts& accounts) : _store(store), _accounts(accounts) {}

bool AccessPolicy::isOwnerScoped(const QString& group) {
    return group == QLatin1String("youtubeSettings") || group == QLatin1String("telegramSettings") ||
           group == QLatin1String("onlineAccessSettings");
}

bool AccessPolicy::changesAccounts(const Request& request) {
    return request.group == QLatin1String("users") &&
           (request.action == QLatin1String("trUpdate") || request.action == QLatin1String("trRemove") ||
            request.action == QLatin1String("trCreate"));
}

std::optional<QString> AccessPolicy::check(Request& request, Outcome& outcome) {
    if (request.group == QLatin1String("auth")) {
        return std::nullopt;
    }
    if (auto tooLong = FieldBounds::check(request.dto.params)) {
        return tooLong;
    }
    if (!isAdmin(request)) {
        if (auto refused = checkOperator(request)) {
            if (!_refusalLog.take()) {
                return refused;
            }
            serverLog()->warn("Session {}: '{}_{}' refused to operator '{}'", request.sessionNumber,
                              KvoCore::LogText::value(request.group), KvoCore::LogText::value(request.action),
                              KvoCore::LogText::value(request.sign));
            return refused;
        }
    }
    const QJsonValue filePath = request.dto.params.value(QStringLiteral("filePath"));
    if (request.group == QLatin1String("archive") && !filePath.isUndefined() &&
        !VideoFolders::contains(filePath.toString())) {
        return QStringLiteral("\"filePath\" must name a file in the server's video folder");
    }
    if (request.group == QLatin1String("users")) {
        return checkAccountChange(request, outcome);
    }
    keepMaskedPassword(request);
    return std::nullopt;
}

void AccessPolicy::keepMaskedPassword(Request& request) {
    const QJsonValue source = request.dto.params.value(QStringLiteral("source"));
    if (request.action != QLatin1String("trUpdate") || !source.isString() ||
        !source.toString().contains(QLatin1String(":***@")) || idOf(request) <= 1) {
        return;
    }
    const auto stored = _store.info(request.group, idOf(request));
    if (!stored) {
        return;
    }
    // A listed record sent back as it was: its address reads "***" where the password is.
    const QString storedSource = stored->value(QStringLiteral("source")).toString();
    if (storedSource != source.toString() &&
        AnswerFilter::maskUrlPassword(storedSource) == source.toString()) {
        request.dto.params.insert(QStringLiteral("source"), storedSource);
    }
}

bool AccessPolicy::ownsRecord(const Request& request) const {
    const qint64 id = idOf(request);
    if (id <= 1) {
        return true; // the handler answers a bad id
    }
    const auto record = _store.info(request.group, id);
    // A record that is gone is the handler's answer (ERRCODE 110), which tells nothing of others'.
    return !record || record->value(QStringLiteral("rstIdOwner")).toVariant().toLongLong() == request.userId;
}

std::optional<QString> AccessPolicy::checkOperator(Request& request) {
    const auto group = operatorActions().constFind(request.group);
    if (group == operatorActions().cend() ||
        (!group->contains(QStringLiteral("*")) && !group->contains(request.action))) {
        return notAllowed;
    }
    if (request.group == QLatin1String("users") && request.action == QLatin1String("trUpdate")) {
        if (idOf(request) != request.userId) {
            return notAllowed;
        }
        // Their own names and password; not their group, block state or log-in name.
        for (const char* key : {"rstIdGroup", "blocked", "sign"}) {
            request.dto.params.remove(QLatin1String(key));
        }
    }
    if (isOwnerScoped(request.group) && request.action != QLatin1String("trGetList") &&
        request.action != QLatin1String("trCreate") && !ownsRecord(request)) {
        return notAllowed;
    }
    return std::nullopt;
}

std::optional<QString> AccessPolicy::checkAccountChange(Request& request, Outcome& outcome) {
    const QJsonObject& params = request.dto.params;
    const bool update = request.action == QLatin1String("trUpdate");
    const bool remove = request.action == QLatin1String("trRemove");
    if (!update && !remove) {
        return std::nullopt;
    }
    const QJsonValue pwd = params.value(QStringLiteral("pwd"));
    if (update && !pwd.isUndefined() && !Accounts::isPasswordHash(pwd.toString())) {
        return QStringLiteral("\"pwd\" must be the SHA-512 hash of the password (128 hexadecimal digits)");
    }
    const qint64 id = idOf(request);
    const auto account = id > 1 ? _accounts.byId(id) : std::nullopt;
    if (!account) {
        return std::nullopt; // the handler answers a bad or gone id
    }
    const bool activeAdmin = _accounts.roleOf(*account) == Accounts::adminRole &&
                             !account->value(QStringLiteral("blocked")).toBool();
    bool losesAdmin = remove;
    if (update) {
        const QJsonValue blocked = params.value(QStringLiteral("blocked"));
        const QJsonValue group = params.value(QStringLiteral("rstIdGroup"));
        losesAdmin = (blocked.isBool() && blocked.toBool()) ||
                     (!group.isUndefined() && group.toVariant().toLongLong() != _accounts.adminGroupId());
    }
    if (activeAdmin && losesAdmin && _accounts.activeAdministrators() <= 1) {
        return QStringLiteral("The last administrator cannot be removed, blocked or made an operator");
    }
    if (remove && id != request.userId) {
        // What the account owns (cameras, clips, passwords) stays, with the remover as its owner.
        for (const QString& group : _accounts.handOver(id, request.userId)) {
            serverLog()->info("Records of group '{}' of account {} handed over to account {}",
                              group.toStdString(), id, request.userId);
            outcome.broadcasts.append(
                RequestHandler::notice(group, QStringLiteral("srUpdated"),
                                       QJsonObject{{"handedOverFrom", id}, {"rstIdOwner", request.userId}}));
        }
    }
    return std::nullopt;
}

void AccessPolicy::complete(const Request& request, Outcome& outcome) {
    if (request.group != QLatin1String("users") || request.action != QLatin1String("trUpdate") ||
        outcome.replies.isEmpty() || !outcome.replies.first().params.value(QStringLiteral("RES")).toBool()) {
        return;
    }
    const qint64 id = idOf(request);
    const QJsonObject& params = request.dto.params;
    if (params.value(QStringLiteral("blocked")).isBool()) {
        _accounts.setBlocked(id, params.value(QStringLiteral("blocked")).toBool());
    }
    if (params.contains(QStringLiteral("pwd"))) {
        _accounts.setPasswordHash(id, params.value(QStringLiteral("pwd")).toString());
    }
    const auto account = _accounts.byId(id);
    if (!account) {
        return;
    }
    // The answer and the notice carry what is stored.
    const QJsonValue blocked = account->value(QStringLiteral("blocked"));
    for (KvoCore::DTO& reply : outcome.replies) {
        reply.params.insert(QStringLiteral("blocked"), blocked);
    }
    for (KvoCore::DTO& notice : outcome.broadcasts) {
        if (notice.params.value(QStringLiteral("id")).toVariant().toLongLong() == id) {
            notice.params.insert(QStringLiteral("blocked"), blocked);
        }
    }
}

} // namespace DevServer
