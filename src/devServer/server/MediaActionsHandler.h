#pragma once

#include "RequestHandler.h"

namespace DevServer {

// Live video, camera tests and archive playback: not served yet. Every such request gets a clear
// failure here, in one place, until the streaming part of the server replaces this handler.
class MediaActionsHandler : public RequestHandler {
public:
    bool accepts(const Request& request) const override;
    Outcome handle(const Request& request) override;
};

} // namespace DevServer
