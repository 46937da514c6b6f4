#include "AuthHandler.h"

#include "Accounts.h"
#include "RecordStore.h"
#include "RequestError.h"
#include "ServerLog.h"
#include "kvoCore/LogText.h"
#include "kvoModel/model/OwnerGroupModel.h"

#include <QHostAddress>
#include <algorithm>

namespace DevServer {

using KvoCore::LogText;

AuthHandler::AuthHandler(RecordStore& store, Accounts& accounts, const Options& options)
    : _store(store), _accounts(accounts), _options(options) {
    _clock.start();
}

bool AuthHandler::accepts(const Request& request) const {
    return request.group == QLatin1String("auth") &&
           (request.action == QLatin1String("trAuth") || request.action == QLatin1String("trSignup"));
}

Outcome AuthHandler::handle(const Request& request) {
    return request.action == QLatin1String("trAuth") ? logIn(request) : signUp(request);
}

bool AuthHandler::isLoopback(const QString& address) {
    const QHostAddress host(address);
    if (host.isLoopback()) {
        return true;
    }
    // An IPv4 peer on a dual-stack socket shows as ::ffff:127.x.x.x.
    bool ok = false;
    const QHostAddress v4(host.toIPv4Address(&ok));
    return ok && v4.isLoopback();
}

KvoCore::DTO AuthHandler::refused(const Request& request, const QString& error) const {
    KvoCore::DTO reply = failure(request, error);
    reply.params.insert(QStringLiteral("FN"), QStringLiteral("auth_saFailed"));
    return reply;
}

void AuthHandler::noteFailure(const QString& address) {
    Failures& failures = _failures[address];
    ++failures.count;
    const int over = failures.count - _options.freeFailures;
    if (over <= 0) {
        return;
    }
    const qint64 delay = std::min<qint64>(qint64(_options.firstDelayMs) << std::min(over - 1, 20),
                                          qint64(_options.maxDelaySec) * 1000);
    failures.blockedUntilMs = nowMs() + delay;
    serverLog()->warn("{} failed log-ins from '{}': its next log-in is taken in {} ms", failures.count,
                      LogText::value(address), delay);
}

Outcome AuthHandler::logIn(const Request& request) {
    Outcome outcome;
    const QString address = request.peerHost;
    const auto known = _failures.constFind(address);
    if (known != _failures.cend() && known->blockedUntilMs > nowMs()) {
        // The password is not even looked at: guessing gets no faster by asking more often.
        const qint64 waitSec = (known->blockedUntilMs - nowMs() + 999) / 1000;
        outcome.replies.append(
            refused(request, QStringLiteral("Too many failed log-ins; try again in %1 s").arg(waitSec)));
        return outcome;
    }
    const QString sign = request.dto.params.value(QStringLiteral("sign")).toString().trimmed();
    const QString pwd = request.dto.params.value(QStringLiteral("pwd")).toString().trimmed().toLower();
    const auto user = sign.isEmpty() ? std::nullopt : _accounts.bySign(sign);
    // One answer for an unknown user and a wrong password: the reply must not tell which.
    if (!user || pwd.isEmpty() || user->value(QStringLiteral("pwd")).toString().toLower() != pwd) {
        serverLog()->warn("Log-in refused for '{}' from '{}'", LogText::value(sign), LogText::value(address));
        noteFailure(address);
        outcome.replies.append(refused(request, QStringLiteral("Wrong user name or password")));
        return outcome;
    }
    if (user->value(QStringLiteral("blocked")).toBool()) {
        serverLog()->warn("Log-in refused for blocked user '{}'", LogText::value(sign));
        outcome.replies.append(refused(request, QStringLiteral("The user is blocked")));
        return outcome;
    }
    const QString role = _accounts.roleOf(*user);
    if (Accounts::hasEmptyPassword(*user) && (role != Accounts::adminRole || !isLoopback(address))) {
        serverLog()->warn("Log-in refused for '{}' from '{}': the account has no password yet",
                          LogText::value(sign), LogText::value(address));
        outcome.replies.append(
            refused(request, QStringLiteral("A password must be set for this account before it can log in")));
        return outcome;
    }
    _failures.remove(address);
    const qint64 id = user->value(QStringLiteral("id")).toVariant().toLongLong();
    KvoCore::DTO reply = answer(request, true);
    reply.params.insert(QStringLiteral("id"), id);
    reply.params.insert(QStringLiteral("sign"), sign);
    reply.params.insert(QStringLiteral("role"), role);
    outcome.replies.append(reply);
    outcome.loggedInUserId = id;
    outcome.loggedInSign = sign;
    outcome.loggedInRole = role;
    return outcome;
}

Outcome AuthHandler::signUp(const Request& request) {
    Outcome outcome;
    if (!_options.allowSignup) {
        outcome.replies.append(refused(request, QStringLiteral("Sign-up is off on this server")));
        return outcome;
    }
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
    const QJsonValue pwd = fields.value(QStringLiteral("pwd"));
    if (!Accounts::isPasswordHash(pwd.toString()) || Accounts::hasEmptyPassword(QJsonObject{{"pwd", pwd}})) {
        outcome.replies.append(
            refused(request, QStringLiteral("A password hash of a non-empty password is needed in \"pwd\"")));
        return outcome;
    }
    // Self-made accounts are operators, whatever the request says.
    fields.insert(QStringLiteral("rstIdGroup"), KvoModel::OwnerGroupModel::usersGroupId);
    QJsonObject record;
    try {
        record = _store.create(QStringLiteral("users"), fields, 0);
    } catch (const RequestError& e) {
        outcome.replies.append(refused(request, e.reason()));
        return outcome;
    } catch (const std::exception& e) {
        serverLog()->error("Sign-up of '{}' failed: {}", LogText::value(sign),
                           LogText::value(QString::fromUtf8(e.what()), 4096));
        outcome.replies.append(refused(request, QStringLiteral("The account could not be made")));
        return outcome;
    }
    const qint64 id = record.value(QStringLiteral("id")).toVariant().toLongLong();
    KvoCore::DTO reply = answer(request, true);
    reply.params.insert(QStringLiteral("id"), id);
    reply.params.insert(QStringLiteral("sign"), sign);
    reply.params.insert(QStringLiteral("role"), Accounts::operatorRole);
    outcome.replies.append(reply);
    outcome.broadcasts.append(notice(QStringLiteral("users"), QStringLiteral("srInserted"), record));
    outcome.loggedInUserId = id;
    outcome.loggedInSign = sign;
    outcome.loggedInRole = Accounts::operatorRole;
    return outcome;
}

} // namespace DevServer
