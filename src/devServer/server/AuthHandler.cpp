#include "AuthHandler.h"

#include "RecordStore.h"
#include "ServerLog.h"

namespace DevServer {

AuthHandler::AuthHandler(RecordStore& store) : _store(store) {}

bool AuthHandler::accepts(const Request& request) const {
    return request.group == QLatin1String("auth") &&
           (request.action == QLatin1String("trAuth") || request.action == QLatin1String("trSignup"));
}

Outcome AuthHandler::handle(const Request& request) {
    return request.action == QLatin1String("trAuth") ? logIn(request) : signUp(request);
}

KvoCore::DTO AuthHandler::refused(const Request& request, const QString& error) const {
    KvoCore::DTO reply = failure(request, error);
    reply.params.insert(QStringLiteral("FN"), QStringLiteral("auth_saFailed"));
    return reply;
}

Outcome AuthHandler::logIn(const Request& request) {
    Outcome outcome;
    const QString sign = request.dto.params.value(QStringLiteral("sign")).toString().trimmed();
    const QString pwd = request.dto.params.value(QStringLiteral("pwd")).toString().trimmed().toLower();
    const auto user = sign.isEmpty() ? std::nullopt : _store.userBySign(sign);
    // One answer for an unknown user and a wrong password: the reply must not tell which.
    if (!user || pwd.isEmpty() || user->value(QStringLiteral("pwd")).toString().toLower() != pwd) {
        serverLog()->warn("Log-in refused for '{}'", sign.toStdString());
        outcome.replies.append(refused(request, QStringLiteral("Wrong user name or password")));
        return outcome;
    }
    if (user->value(QStringLiteral("blocked")).toBool()) {
        serverLog()->warn("Log-in refused for blocked user '{}'", sign.toStdString());
        outcome.replies.append(refused(request, QStringLiteral("The user is blocked")));
        return outcome;
    }
    const qint64 id = user->value(QStringLiteral("id")).toVariant().toLongLong();
    KvoCore::DTO reply = answer(request, true);
    reply.params.insert(QStringLiteral("id"), id);
    reply.params.insert(QStringLiteral("sign"), sign);
    outcome.replies.append(reply);
    outcome.loggedInUserId = id;
    outcome.loggedInSign = sign;
    return outcome;
}

Outcome AuthHandler::signUp(const Request& request) {
    Outcome outcome;
    const QString sign = request.dto.params.value(QStringLiteral("sign")).toString().trimmed();
    if (sign.isEmpty()) {
        outcome.replies.append(refused(request, QStringLiteral("A user name is needed")));
        return outcome;
    }
    if (_store.userBySign(sign)) {
        outcome.replies.append(refused(request, QStringLiteral("The user '%1' already exists").arg(sign)));
        return outcome;
    }
    QJsonObject fields{{"sign", sign}};
    for (const char* key : {"pwd", "firstName", "middleName", "lastName"}) {
        const QJsonValue value = request.dto.params.value(QLatin1String(key));
        if (!value.isUndefined()) {
            fields.insert(QLatin1String(key), value);
        }
    }
    if (!fields.contains("pwd")) {
        outcome.replies.append(refused(request, QStringLiteral("A password hash is needed in \"pwd\"")));
        return outcome;
    }
    QJsonObject record;
    try {
        record = _store.create(QStringLiteral("users"), fields, 0);
    } catch (const std::exception& e) {
        outcome.replies.append(refused(request, QString::fromUtf8(e.what())));
        return outcome;
    }
    const qint64 id = record.value(QStringLiteral("id")).toVariant().toLongLong();
    KvoCore::DTO reply = answer(request, true);
    reply.params.insert(QStringLiteral("id"), id);
    reply.params.insert(QStringLiteral("sign"), sign);
    outcome.replies.append(reply);
    outcome.broadcasts.append(notice(QStringLiteral("users"), QStringLiteral("srInserted"), record));
    outcome.loggedInUserId = id;
    outcome.loggedInSign = sign;
    return outcome;
}

} // namespace DevServer
