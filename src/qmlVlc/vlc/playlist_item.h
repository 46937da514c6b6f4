#pragma once

#include "qmlVlc/vlc/media_ref.h"

#include <string>

namespace vlc {

// One entry of the client-side playlist.
struct playlist_item {
    media_ref media;
    bool disabled = false;
    std::string data;
};

} // namespace vlc
