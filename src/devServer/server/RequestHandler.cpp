#include "RequestHandler.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace DevServer {

namespace {

// Bookkeeping keys are short; a large one would only make the answer an amplifier.
bool echoable(const QJsonValue& value) {
    if (value.isString()) {
        return value.toString().size() <= RequestHandler::maxEchoedBytes;
    }
    if (value.isArray() || value.isObject()) {
        const QJsonDocument doc =
            value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
        return doc.toJson(QJsonDocument::Compact).size() <= RequestHandler::maxEchoedBytes;
    }
    return true;
}

} // namespace

QString RequestHandler::answerAction(const QString& requestAction) {
    if (requestAction.startsWith(QLatin1String("tr"))) {
        return QStringLiteral("sa") + requestAction.mid(2);
    }
    return requestAction;
}

KvoCore::DTO RequestHandler::answer(const Request& request, bool ok) {
    KvoCore::DTO reply;
    const QJsonObject& params = request.dto.params;
    for (auto it = params.constBegin(); it != params.constEnd(); ++it) {
        if (it.key().startsWith(QLatin1Char('_')) && echoable(it.value())) {
            reply.params.insert(it.key(), it.value());
        }
    }
    reply.params.insert(QStringLiteral("FN"),
                        request.group + QLatin1Char('_') + answerAction(request.action));
    reply.params.insert(QStringLiteral("RES"), ok);
    return reply;
}

KvoCore::DTO RequestHandler::failure(const Request& request, const QString& error, int errorCode) {
    KvoCore::DTO reply = answer(request, false);
    reply.params.insert(QStringLiteral("error"), error);
    if (errorCode != 0) {
        reply.params.insert(QStringLiteral("ERRCODE"), errorCode);
    }
    return reply;
}

KvoCore::DTO RequestHandler::notice(const QString& group, const QString& action, const QJsonObject& params) {
    KvoCore::DTO dto(params);
    dto.params.insert(QStringLiteral("FN"), group + QLatin1Char('_') + action);
    return dto;
}

} // namespace DevServer
