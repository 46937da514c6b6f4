#include "player_core.h"

namespace vlc {

namespace {

// Media changed .. title changed, and length changed; snapshot and vout events are not needed.
const libvlc_event_type_t playerEvents[] = {
    libvlc_MediaPlayerMediaChanged,    libvlc_MediaPlayerNothingSpecial,   libvlc_MediaPlayerOpening,
    libvlc_MediaPlayerBuffering,       libvlc_MediaPlayerPlaying,          libvlc_MediaPlayerPaused,
    libvlc_MediaPlayerStopped,         libvlc_MediaPlayerForward,          libvlc_MediaPlayerBackward,
    libvlc_MediaPlayerEndReached,      libvlc_MediaPlayerEncounteredError, libvlc_MediaPlayerTimeChanged,
    libvlc_MediaPlayerPositionChanged, libvlc_MediaPlayerSeekableChanged,  libvlc_MediaPlayerPausableChanged,
    libvlc_MediaPlayerTitleChanged,    libvlc_MediaPlayerLengthChanged,
};

} // namespace

player_core::player_core()
    : m_playback(m_handle), m_video(m_handle), m_subtitles(m_handle), m_audio(m_handle) {}

void player_core::register_callback(media_player_events_callback* cb) {
    if (!has_callbacks()) {
        attach_events(true);
    }
    callbacks_holder::register_callback(cb);
}

void player_core::unregister_callback(media_player_events_callback* cb) {
    callbacks_holder::unregister_callback(cb);
    if (!has_callbacks()) {
        attach_events(false);
    }
}

bool player_core::open(libvlc_instance_t* instance) {
    m_instance = instance;
    if (!m_handle.open(instance)) {
        return false;
    }
    if (has_callbacks()) {
        attach_events(true);
    }
    return true;
}

void player_core::close() {
    if (has_callbacks()) {
        attach_events(false);
    }
    clear_callbacks();
    m_handle.close();
    m_instance = nullptr;
}

void player_core::attach_events(bool attach) {
    if (!m_handle.player()) {
        return;
    }
    libvlc_event_manager_t* em = libvlc_media_player_event_manager(m_handle.player());
    for (libvlc_event_type_t type : playerEvents) {
        if (attach) {
            libvlc_event_attach(em, type, &player_core::event_trampoline, this);
        } else {
            libvlc_event_detach(em, type, &player_core::event_trampoline, this);
        }
    }
}

void player_core::event_trampoline(const libvlc_event_t* e, void* user) {
    if (!user) {
        return;
    }
    static_cast<player_core*>(user)->for_each_callback(
        [e](media_player_events_callback* cb) { cb->media_player_event(e); });
}

} // namespace vlc
