#include "TelegramSettingsHandler.h"

#include "RecordStore.h"

#include <QDateTime>

namespace DevServer {

namespace {
const QStringList stateFlags{"isLink", "isLinking", "isNeedToConfirmCode", "isCodeChecking", "status"};

void setFlags(QJsonObject& fields, bool link, bool linking, bool needCode, const QString& status) {
    fields.insert("isLink", link);
    fields.insert("isLinking", linking);
    fields.insert("isNeedToConfirmCode", needCode);
    fields.insert("isCodeChecking", false);
    fields.insert("status", status);
}
} // namespace

TelegramSettingsHandler::TelegramSettingsHandler(RecordStore& store, const QString& acceptedCode,
                                                 const ForwardingConfig& config, Clock clock)
    : RecordGroupHandler(store, {QStringLiteral("telegramSettings")}), _acceptedCode(acceptedCode),
      _config(config),
      _clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentMSecsSinceEpoch(); })) {}

int TelegramSettingsHandler::secondsLeft(qint64 untilMs, qint64 nowMs) {
    return int(qMax<qint64>(1, (untilMs - nowMs + 999) / 1000));
}

QJsonObject TelegramSettingsHandler::applyFlow(const QJsonObject& stored, QJsonObject fields,
                                               Linking& linking, Flow* flow) const {
    for (const QString& flag : stateFlags) {
        fields.remove(flag);
    }
    const qint64 now = _clock();
    const QString code = fields.value("code").toString().trimmed();
    // The code is checked, never kept.
    fields.insert("code", QString());
    const bool askAgain = fields.take("requestCode").toBool();
    const bool phoneGiven = fields.contains("phone");
    const QString phone = fields.value("phone").toString().trimmed();
    const bool phoneChanged = phoneGiven && phone != stored.value("phone").toString();
    const bool linked = stored.value("isLink").toBool();
    const bool waitingForCode = stored.value("isNeedToConfirmCode").toBool();
    const bool locked = linking.lockedUntilMs > now;

    // A refused request leaves the record as it was (a linked account stays linked); the notice
    // tells the asking client how long to wait.
    const auto tryLater = [&](const QString& notice, int seconds, const QString& error) {
        flow->notice = notice;
        flow->params = QJsonObject{{"retryAfter", seconds}, {"error", error}, {"isLink", linked}};
        if (notice == QLatin1String("srCode")) {
            flow->params.insert("RES", false);
        }
    };

    if (phoneGiven && phone.isEmpty()) {
        setFlags(fields, false, false, false, "n/a");
        linking.codeRequestedMs = 0;
        linking.wrongCodes = 0;
    } else if (phoneGiven && (phoneChanged || askAgain || (!linked && !waitingForCode))) {
        const qint64 nextRequestMs = linking.codeRequestedMs + qint64(_config.codeRequestIntervalSec) * 1000;
        if (locked) {
            tryLater("srCode", secondsLeft(linking.lockedUntilMs, now),
                     QStringLiteral("Too many wrong codes; please try later"));
        } else if (linking.codeRequestedMs > 0 && now < nextRequestMs) {
            tryLater("srCode", secondsLeft(nextRequestMs, now),
                     QStringLiteral("A code was asked for a moment ago; please try later"));
        } else {
            setFlags(fields, false, true, true, "code requested");
            linking.codeRequestedMs = now;
            linking.wrongCodes = 0;
            flow->notice = QStringLiteral("srCode");
            flow->params = QJsonObject{{"expiresIn", _config.codeLifetimeSec}};
        }
    } else if (!code.isEmpty() && waitingForCode) {
        flow->notice = QStringLiteral("srLinked");
        if (locked) {
            tryLater("srLinked", secondsLeft(linking.lockedUntilMs, now),
                     QStringLiteral("Too many wrong codes; please try later"));
        } else if (linking.codeRequestedMs == 0 ||
                   now > linking.codeRequestedMs + qint64(_config.codeLifetimeSec) * 1000) {
            // A code outlives neither its lifetime nor a restart of the server.
            setFlags(fields, false, false, false, "code expired");
            flow->params = QJsonObject{
                {"isLink", false}, {"expired", true}, {"error", "The confirmation code has expired"}};
        } else if (code == _acceptedCode) {
            setFlags(fields, true, false, false, "linked");
            // The time of the last code stays: linking again at once is still too soon.
            linking.wrongCodes = 0;
            flow->params = QJsonObject{{"isLink", true}};
        } else if (++linking.wrongCodes >= _config.maxWrongCodes) {
            linking.lockedUntilMs = now + qint64(_config.lockSec) * 1000;
            linking.codeRequestedMs = 0;
            setFlags(fields, false, false, false, "try later");
            flow->params = QJsonObject{{"isLink", false},
                                       {"retryAfter", _config.lockSec},
                                       {"error", "Too many wrong codes; please try later"}};
        } else {
            setFlags(fields, false, true, true, "wrong code");
            flow->params = QJsonObject{{"isLink", false},
                                       {"error", "The confirmation code is wrong"},
                                       {"attemptsLeft", _config.maxWrongCodes - linking.wrongCodes}};
        }
    }
    return fields;
}

Outcome TelegramSettingsHandler::finish(const Request& request, Outcome outcome, const Flow& flow) {
    if (flow.notice.isEmpty() || outcome.replies.isEmpty() ||
        !outcome.replies.first().params.value("RES").toBool()) {
        return outcome;
    }
    const QJsonObject& record = outcome.replies.first().params;
    QJsonObject params{{"id", record.value("id")}, {"RES", true}};
    if (flow.notice == QLatin1String("srCode")) {
        params.insert("phone", record.value("phone"));
    }
    for (auto it = flow.params.constBegin(); it != flow.params.constEnd(); ++it) {
        params.insert(it.key(), it.value());
    }
    KvoCore::DTO pushed = RequestHandler::notice(request.group, flow.notice, params);
    if (request.dto.params.contains("_receiver")) {
        pushed.params.insert("_receiver", request.dto.params.value("_receiver"));
    }
    outcome.replies.append(pushed);
    return outcome;
}

Outcome TelegramSettingsHandler::run(const Request& request, const QJsonObject& stored, qint64 id,
                                     bool isNew) {
    Linking linking = _linking.value(id);
    Flow flow;
    Request changed = request;
    const QJsonObject fields = applyFlow(stored, recordFields(request), linking, &flow);
    for (const QString& flag : stateFlags) {
        changed.dto.params.remove(flag);
    }
    changed.dto.params.remove("requestCode");
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it) {
        changed.dto.params.insert(it.key(), it.value());
    }
    Outcome outcome = isNew ? RecordGroupHandler::create(changed) : RecordGroupHandler::update(changed);
    if (!outcome.replies.isEmpty() && outcome.replies.first().params.value("RES").toBool()) {
        const qint64 storedId = outcome.replies.first().params.value("id").toVariant().toLongLong();
        _linking.insert(storedId, linking);
    }
    return finish(request, outcome, flow);
}

Outcome TelegramSettingsHandler::create(const Request& request) {
    return run(request, QJsonObject(), 0, true);
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
    return run(request, *stored, id, false);
}

} // namespace DevServer
