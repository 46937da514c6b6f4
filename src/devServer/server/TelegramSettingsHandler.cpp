#include "TelegramSettingsHandler.h"

#include "RecordStore.h"

namespace DevServer {

namespace {
const QStringList stateFlags{"isLink", "isLinking", "isNeedToConfirmCode", "isCodeChecking", "status"};
} // namespace

TelegramSettingsHandler::TelegramSettingsHandler(RecordStore& store, const QString& acceptedCode)
    : RecordGroupHandler(store, {QStringLiteral("telegramSettings")}), _acceptedCode(acceptedCode) {}

QJsonObject TelegramSettingsHandler::applyFlow(const QJsonObject& stored, QJsonObject fields,
                                               QString* notice) const {
    for (const QString& flag : stateFlags) {
        fields.remove(flag);
    }
    const QString code = fields.value("code").toString().trimmed();
    // The code is checked, never kept.
    fields.insert("code", QString());
    const bool phoneGiven = fields.contains("phone");
    const QString phone = fields.value("phone").toString().trimmed();
    const bool phoneChanged = phoneGiven && phone != stored.value("phone").toString();
    const bool linked = stored.value("isLink").toBool();
    const bool waitingForCode = stored.value("isNeedToConfirmCode").toBool();

    if (phoneGiven && phone.isEmpty()) {
        fields.insert("isLink", false);
        fields.insert("isLinking", false);
        fields.insert("isNeedToConfirmCode", false);
        fields.insert("isCodeChecking", false);
        fields.insert("status", "n/a");
    } else if (phoneGiven && (phoneChanged || (!linked && !waitingForCode))) {
        fields.insert("isLink", false);
        fields.insert("isLinking", true);
        fields.insert("isNeedToConfirmCode", true);
        fields.insert("isCodeChecking", false);
        fields.insert("status", "code requested");
        *notice = QStringLiteral("srCode");
    } else if (!code.isEmpty() && waitingForCode) {
        const bool accepted = code == _acceptedCode;
        fields.insert("isLink", accepted);
        fields.insert("isLinking", !accepted);
        fields.insert("isNeedToConfirmCode", !accepted);
        fields.insert("isCodeChecking", false);
        fields.insert("status", accepted ? "linked" : "wrong code");
        *notice = QStringLiteral("srLinked");
    }
    return fields;
}

Outcome TelegramSettingsHandler::finish(const Request& request, Outcome outcome,
                                        const QString& notice) const {
    if (notice.isEmpty() || outcome.replies.isEmpty() ||
        !outcome.replies.first().params.value("RES").toBool()) {
        return outcome;
    }
    const QJsonObject& record = outcome.replies.first().params;
    QJsonObject params{{"id", record.value("id")}, {"RES", true}};
    if (notice == QLatin1String("srCode")) {
        params.insert("phone", record.value("phone"));
    } else {
        params.insert("isLink", record.value("isLink"));
        if (!record.value("isLink").toBool()) {
            params.insert("error", "The confirmation code is wrong");
        }
    }
    KvoCore::DTO pushed = RequestHandler::notice(request.group, notice, params);
    if (request.dto.params.contains("_receiver")) {
        pushed.params.insert("_receiver", request.dto.params.value("_receiver"));
    }
    outcome.replies.append(pushed);
    return outcome;
}

Outcome TelegramSettingsHandler::create(const Request& request) {
    QString notice;
    Request changed = request;
    const QJsonObject fields = applyFlow(QJsonObject(), recordFields(request), &notice);
    for (const QString& flag : stateFlags) {
        changed.dto.params.remove(flag);
    }
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it) {
        changed.dto.params.insert(it.key(), it.value());
    }
    return finish(request, RecordGroupHandler::create(changed), notice);
}

Outcome TelegramSettingsHandler::update(const Request& request) {
    qint64 id = 0;
    if (!readId(request, &id)) {
        return RecordGroupHandler::update(request);
    }
    const auto stored = _store.info(request.group, id);
    if (!stored) {
        return RecordGroupHandler::update(request);
    }
    QString notice;
    Request changed = request;
    const QJsonObject fields = applyFlow(*stored, recordFields(request), &notice);
    for (const QString& flag : stateFlags) {
        changed.dto.params.remove(flag);
    }
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it) {
        changed.dto.params.insert(it.key(), it.value());
    }
    return finish(request, RecordGroupHandler::update(changed), notice);
}

} // namespace DevServer
