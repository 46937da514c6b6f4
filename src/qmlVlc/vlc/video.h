#pragma once

#include "qmlVlc/vlc/player_handle.h"

namespace vlc {

// Video adjustments and tracks of one player.
class video {
public:
    explicit video(player_handle& handle) : m_handle(handle) {}

    int get_adjust_int(libvlc_video_adjust_option_t option) const;
    float get_adjust_float(libvlc_video_adjust_option_t option) const;
    unsigned track_count() const;
    int get_track() const;
    bool has_vout() const;

    void set_adjust_int(libvlc_video_adjust_option_t option, int value);
    void set_adjust_float(libvlc_video_adjust_option_t option, float value);
    void set_track(int position);

private:
    player_handle& m_handle;
};

} // namespace vlc
