#pragma once

#include "qmlVlc/vlc/player_handle.h"

#include <cstdint>

namespace vlc {

// Position, time and rate of the current media.
class playback {
public:
    explicit playback(player_handle& handle) : m_handle(handle) {}

    float get_fps() const;
    int64_t get_length() const;
    float get_position() const;
    float get_rate() const;
    int64_t get_time() const;

    void set_position(float position);
    void set_rate(float rate);
    void set_time(int64_t time);

private:
    player_handle& m_handle;
};

} // namespace vlc
