#include "MediaActionsHandler.h"

namespace DevServer {

bool MediaActionsHandler::accepts(const Request& request) const {
    if (request.group == QLatin1String("archivePlayer")) {
        return true;
    }
    return request.group == QLatin1String("device") &&
           (request.action == QLatin1String("trGetSDP") || request.action == QLatin1String("trTest") ||
            request.action == QLatin1String("trRestartCamera"));
}

Outcome MediaActionsHandler::handle(const Request& request) {
    Outcome outcome;
    outcome.replies.append(failure(
        request, QStringLiteral("'%1' is not available: this server does not stream or play video yet")
                     .arg(request.group + QLatin1Char('_') + request.action)));
    return outcome;
}

} // namespace DevServer
