#pragma once

#include <vlc/vlc.h>

namespace vlc {

// Listener of media-player (and media-list) events; called on the libvlc thread that raised them.
class media_player_events_callback {
public:
    virtual ~media_player_events_callback() = default;
    virtual void media_player_event(const libvlc_event_t* e) = 0;
};

} // namespace vlc
