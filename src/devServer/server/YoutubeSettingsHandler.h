#pragma once

#include "RecordGroupHandler.h"

#include <functional>

namespace DevServer {

// "youtubeSettings": the ordinary record actions; every stored change is handed on (live
// streaming follows it). The "status" field is the server's.
class YoutubeSettingsHandler : public RecordGroupHandler {
public:
    using Changed = std::function<void(const QJsonObject& record)>;

    YoutubeSettingsHandler(RecordStore& store, Changed changed);

protected:
    Outcome create(const Request& request) override;
    Outcome update(const Request& request) override;

private:
    Outcome handOn(Outcome outcome) const;
    static Request withoutStatus(const Request& request);

    Changed _changed;
};

} // namespace DevServer
