#include "UserAccountsHandler.h"

#include "RecordStore.h"
#include "ServerLog.h"

#include "kvoModel/dao/DAO.h"

namespace DevServer {

UserAccountsHandler::UserAccountsHandler(RecordStore& store)
    : RecordGroupHandler(store, {QStringLiteral("users")}) {}

bool UserAccountsHandler::writeGuarded(qint64 id, const QJsonValue& blocked, const QJsonValue& pwd) {
    auto model = RecordStore::createModel(QStringLiteral("users"));
    // Both are written at insert only by the plain update; here they are meant to change.
    model->resetFieldProperties(QStringLiteral("blocked"), fpReadOnly);
    model->resetFieldProperties(QStringLiteral("pwd"), fpReadOnly | fpPrivate);
    model->setIdValue(id);
    KvoModel::DAO dao(model, _store.db());
    if (!dao.getByID()) {
        return false;
    }
    if (!blocked.isUndefined()) {
        model->setValue(QStringLiteral("blocked"), blocked.toBool());
    }
    if (!pwd.isUndefined()) {
        model->setValue(QStringLiteral("pwd"), pwd.toString().toLower());
    }
    return dao.updateByID();
}

Outcome UserAccountsHandler::update(const Request& request) {
    qint64 id = 0;
    if (!readId(request, &id)) {
        return RecordGroupHandler::update(request);
    }
    const QJsonValue blocked = request.dto.params.value(QStringLiteral("blocked"));
    const QJsonValue pwd = request.dto.params.value(QStringLiteral("pwd"));
    Outcome outcome;
    if (!blocked.isUndefined() && !blocked.isBool()) {
        outcome.replies.append(failure(request, QStringLiteral("\"blocked\" must be true or false")));
        return outcome;
    }
    if (blocked.toBool() && id == request.userId) {
        // The session would lock its own user out at the next log-in.
        outcome.replies.append(
            failure(request, QStringLiteral("You cannot block the account you are logged in with")));
        return outcome;
    }
    if (!pwd.isUndefined() && !RecordStore::isPasswordHash(pwd.toString())) {
        outcome.replies.append(failure(
            request,
            QStringLiteral("\"pwd\" must be the SHA-512 hash of the password (128 hexadecimal digits)")));
        return outcome;
    }
    if ((!blocked.isUndefined() || !pwd.isUndefined()) && !writeGuarded(id, blocked, pwd)) {
        outcome.replies.append(goneReply(request, id));
        return outcome;
    }
    if (!blocked.isUndefined()) {
        serverLog()->info("User {} {} by '{}'", id, blocked.toBool() ? "blocked" : "unblocked",
                          request.sign.toStdString());
    }
    return RecordGroupHandler::update(request);
}

} // namespace DevServer
