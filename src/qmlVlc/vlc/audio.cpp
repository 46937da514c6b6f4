#include "audio.h"

#include "qmlVlc/vlc/track_positions.h"

namespace vlc {

int audio::get_channel() const {
    return m_handle.player() ? libvlc_audio_get_channel(m_handle.player()) : 0;
}

int64_t audio::get_delay() const {
    return m_handle.player() ? libvlc_audio_get_delay(m_handle.player()) : 0;
}

unsigned audio::get_volume() const {
    if (!m_handle.player()) {
        return 0;
    }
    const int volume = libvlc_audio_get_volume(m_handle.player());
    return volume < 0 ? 0 : static_cast<unsigned>(volume);
}

bool audio::is_muted() const {
    return m_handle.player() && libvlc_audio_get_mute(m_handle.player()) > 0;
}

unsigned audio::track_count() const {
    if (!m_handle.player()) {
        return 0;
    }
    const int count = libvlc_audio_get_track_count(m_handle.player());
    return count < 0 ? 0 : static_cast<unsigned>(count);
}

int audio::get_track() const {
    if (!m_handle.player()) {
        return -1;
    }
    libvlc_track_description_t* list = libvlc_audio_get_track_description(m_handle.player());
    if (!list) {
        return -1;
    }
    const int position = track_positions::position_of(list, libvlc_audio_get_track(m_handle.player()));
    libvlc_track_description_list_release(list);
    return position;
}

std::string audio::track_name(int position) const {
    if (!m_handle.player()) {
        return {};
    }
    libvlc_track_description_t* list = libvlc_audio_get_track_description(m_handle.player());
    const char* name = track_positions::name_at(list, position);
    std::string result = name ? name : "";
    if (list) {
        libvlc_track_description_list_release(list);
    }
    return result;
}

void audio::set_channel(int channel) {
    if (m_handle.player()) {
        libvlc_audio_set_channel(m_handle.player(), channel);
    }
}

void audio::set_delay(int64_t delay) {
    if (m_handle.player()) {
        libvlc_audio_set_delay(m_handle.player(), delay);
    }
}

void audio::set_mute(bool mute) {
    if (!m_handle.player()) {
        return;
    }
    libvlc_audio_set_mute(m_handle.player(), mute ? 1 : 0);
    notify(mute_changed);
}

void audio::set_volume(unsigned volume) {
    if (!m_handle.player()) {
        return;
    }
    libvlc_audio_set_volume(m_handle.player(), static_cast<int>(volume));
    notify(volume_changed);
}

void audio::toggle_mute() {
    if (!m_handle.player()) {
        return;
    }
    libvlc_audio_toggle_mute(m_handle.player());
    notify(mute_changed);
}

void audio::set_track(int position) {
    if (!m_handle.player()) {
        return;
    }
    libvlc_track_description_t* list = libvlc_audio_get_track_description(m_handle.player());
    libvlc_audio_set_track(m_handle.player(), track_positions::id_at(list, position));
    if (list) {
        libvlc_track_description_list_release(list);
    }
}

void audio::notify(audio_event_e e) {
    for_each_callback([e](audio_events_callback* cb) { cb->audio_event(e); });
}

} // namespace vlc
