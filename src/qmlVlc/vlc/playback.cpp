#include "playback.h"

namespace vlc {

float playback::get_fps() const {
    // The frame rate of the first video track (libvlc's own fps getter is deprecated).
    const media_ref media = m_handle.current_media();
    if (media.empty()) {
        return 0;
    }
    libvlc_media_track_t** tracks = nullptr;
    const unsigned count = libvlc_media_tracks_get(media.get(), &tracks);
    float fps = 0;
    for (unsigned i = 0; i < count; ++i) {
        if (tracks[i]->i_type == libvlc_track_video && tracks[i]->video &&
            tracks[i]->video->i_frame_rate_den) {
            fps = float(tracks[i]->video->i_frame_rate_num) / float(tracks[i]->video->i_frame_rate_den);
            break;
        }
    }
    if (tracks) {
        libvlc_media_tracks_release(tracks, count);
    }
    return fps;
}

int64_t playback::get_length() const {
    return m_handle.player() ? libvlc_media_player_get_length(m_handle.player()) : 0;
}

float playback::get_position() const {
    return m_handle.player() ? libvlc_media_player_get_position(m_handle.player()) : 0;
}

float playback::get_rate() const {
    return m_handle.player() ? libvlc_media_player_get_rate(m_handle.player()) : 0;
}

int64_t playback::get_time() const {
    return m_handle.player() ? libvlc_media_player_get_time(m_handle.player()) : 0;
}

void playback::set_position(float position) {
    if (m_handle.player()) {
        libvlc_media_player_set_position(m_handle.player(), position);
    }
}

void playback::set_rate(float rate) {
    if (m_handle.player()) {
        libvlc_media_player_set_rate(m_handle.player(), rate);
    }
}

void playback::set_time(int64_t time) {
    if (m_handle.player()) {
        libvlc_media_player_set_time(m_handle.player(), time);
    }
}

} // namespace vlc
