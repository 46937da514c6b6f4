#include "YoutubeSettingsHandler.h"

namespace DevServer {

YoutubeSettingsHandler::YoutubeSettingsHandler(RecordStore& store, Changed changed)
    : RecordGroupHandler(store, {QStringLiteral("youtubeSettings")}), _changed(std::move(changed)) {}

Request YoutubeSettingsHandler::withoutStatus(const Request& request) {
    Request changed = request;
    changed.dto.params.remove(QStringLiteral("status"));
    return changed;
}

Outcome YoutubeSettingsHandler::handOn(Outcome outcome) const {
    if (_changed && !outcome.replies.isEmpty() && outcome.replies.first().params.value("RES").toBool()) {
        _changed(outcome.replies.first().params);
    }
    return outcome;
}

Outcome YoutubeSettingsHandler::create(const Request& request) {
    return handOn(RecordGroupHandler::create(withoutStatus(request)));
}

Outcome YoutubeSettingsHandler::update(const Request& request) {
    return handOn(RecordGroupHandler::update(withoutStatus(request)));
}

} // namespace DevServer
