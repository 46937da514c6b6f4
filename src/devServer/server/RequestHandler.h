#pragma once

#include "Outcome.h"
#include "Request.h"

#include <QJsonObject>
#include <QString>

namespace DevServer {

// Handles the actions of one or more message groups.
class RequestHandler {
public:
    virtual ~RequestHandler() = default;

    // True when this handler takes the request (its group, and for shared groups its action).
    virtual bool accepts(const Request& request) const = 0;
    virtual Outcome handle(const Request& request) = 0;

    // The answer to a "tr" action: same group, "sa" + the rest of the action, the request's "_" keys
    // echoed and "RES" set.
    static KvoCore::DTO answer(const Request& request, bool ok);
    static KvoCore::DTO failure(const Request& request, const QString& error, int errorCode = 0);
    // A notice pushed by the server: "FN" = group + "_" + action.
    static KvoCore::DTO notice(const QString& group, const QString& action, const QJsonObject& params = {});
    static QString answerAction(const QString& requestAction);

    // "_" keys larger than this (as JSON) are not echoed.
    static constexpr int maxEchoedBytes = 4096;
    // The "ERRCODE" of a record that no longer exists.
    static constexpr int errRecordGone = 110;
};

} // namespace DevServer
