#include "OnlineAccessHandler.h"

#include "RecordStore.h"

#include <QUuid>

namespace DevServer {

OnlineAccessHandler::OnlineAccessHandler(RecordStore& store)
    : RecordGroupHandler(store, {QStringLiteral("onlineAccessSettings")}) {}

Request OnlineAccessHandler::signInFields(const Request& request, QString* error) {
    Request changed = request;
    QJsonObject& params = changed.dto.params;
    // The key is the server's to give.
    params.remove(QStringLiteral("authKey"));
    if (params.take(QStringLiteral("signOut")).toBool()) {
        params.insert(QStringLiteral("authKey"), QString());
        params.insert(QStringLiteral("login"), QString());
        params.insert(QStringLiteral("password"), QString());
        params.insert(QStringLiteral("enabled"), false);
        return changed;
    }
    const QJsonValue login = params.value(QStringLiteral("login"));
    const QJsonValue password = params.value(QStringLiteral("password"));
    if (login.isUndefined() && password.isUndefined()) {
        return changed;
    }
    if (login.toString().trimmed().isEmpty()) {
        *error = QStringLiteral("The account name is empty");
        return changed;
    }
    if (!RecordStore::isPasswordHash(password.toString())) {
        *error =
            QStringLiteral("\"password\" must be the SHA-512 hash of the password (128 hexadecimal digits)");
        return changed;
    }
    params.insert(QStringLiteral("login"), login.toString().trimmed());
    params.insert(QStringLiteral("password"), QString());
    params.insert(QStringLiteral("authKey"), QUuid::createUuid().toString(QUuid::WithoutBraces));
    return changed;
}

Outcome OnlineAccessHandler::store(const Request& request, bool isNew) {
    QString error;
    const Request changed = signInFields(request, &error);
    if (!error.isEmpty()) {
        Outcome outcome;
        outcome.replies.append(failure(request, error));
        return outcome;
    }
    return isNew ? RecordGroupHandler::create(changed) : RecordGroupHandler::update(changed);
}

Outcome OnlineAccessHandler::create(const Request& request) {
    return store(request, true);
}

Outcome OnlineAccessHandler::update(const Request& request) {
    return store(request, false);
}

} // namespace DevServer
