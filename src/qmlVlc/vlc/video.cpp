#include "video.h"

#include "qmlVlc/vlc/track_positions.h"

namespace vlc {

int video::get_adjust_int(libvlc_video_adjust_option_t option) const {
    return m_handle.player() ? libvlc_video_get_adjust_int(m_handle.player(), option) : 0;
}

float video::get_adjust_float(libvlc_video_adjust_option_t option) const {
    return m_handle.player() ? libvlc_video_get_adjust_float(m_handle.player(), option) : 0;
}

unsigned video::track_count() const {
    if (!m_handle.player()) {
        return 0;
    }
    const int count = libvlc_video_get_track_count(m_handle.player());
    return count < 0 ? 0 : static_cast<unsigned>(count);
}

int video::get_track() const {
    if (!m_handle.player()) {
        return -1;
    }
    libvlc_track_description_t* list = libvlc_video_get_track_description(m_handle.player());
    if (!list) {
        return -1;
    }
    const int position = track_positions::position_of(list, libvlc_video_get_track(m_handle.player()));
    libvlc_track_description_list_release(list);
    return position;
}

bool video::has_vout() const {
    return m_handle.player() && libvlc_media_player_has_vout(m_handle.player()) > 0;
}

void video::set_adjust_int(libvlc_video_adjust_option_t option, int value) {
    if (m_handle.player()) {
        libvlc_video_set_adjust_int(m_handle.player(), option, value);
    }
}

void video::set_adjust_float(libvlc_video_adjust_option_t option, float value) {
    if (m_handle.player()) {
        libvlc_video_set_adjust_float(m_handle.player(), option, value);
    }
}

void video::set_track(int position) {
    if (!m_handle.player()) {
        return;
    }
    libvlc_track_description_t* list = libvlc_video_get_track_description(m_handle.player());
    libvlc_video_set_track(m_handle.player(), track_positions::id_at(list, position));
    if (list) {
        libvlc_track_description_list_release(list);
    }
}

} // namespace vlc
