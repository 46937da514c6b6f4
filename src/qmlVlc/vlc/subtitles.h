#pragma once

#include "qmlVlc/vlc/player_handle.h"

#include <cstdint>
#include <string>

namespace vlc {

// Subtitle tracks of one player.
class subtitles {
public:
    explicit subtitles(player_handle& handle) : m_handle(handle) {}

    int64_t get_delay() const;
    unsigned track_count() const;
    int get_track() const;
    std::string track_name(int position) const;

    void set_delay(int64_t delay);
    void set_track(int position);
    bool load(const std::string& path);

private:
    player_handle& m_handle;
};

} // namespace vlc
