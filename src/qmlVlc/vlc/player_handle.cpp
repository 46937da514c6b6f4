#include "player_handle.h"

#include "qmlVlc/vlc/rtp_goodbye.h"

namespace vlc {

player_handle::~player_handle() {
    close();
}

bool player_handle::open(libvlc_instance_t* instance) {
    if (!instance) {
        return false;
    }
    if (m_player) {
        libvlc_media_player_release(m_player);
        m_player = nullptr;
    }
    m_instance = instance;
    m_player = libvlc_media_player_new(instance);
    return m_player != nullptr;
}

void player_handle::close() {
    if (m_player) {
        end_stream_reading();
        libvlc_media_player_release(m_player);
    }
    m_player = nullptr;
    m_instance = nullptr;
}

void player_handle::play() {
    if (m_player) {
        libvlc_media_player_play(m_player);
    }
}

void player_handle::pause() {
    if (m_player) {
        libvlc_media_player_set_pause(m_player, 1);
    }
}

void player_handle::toggle_pause() {
    if (m_player) {
        libvlc_media_player_pause(m_player);
    }
}

void player_handle::stop() {
    if (m_player) {
        end_stream_reading();
        libvlc_media_player_stop(m_player);
    }
}

void player_handle::set_media(const media_ref& media) {
    if (m_player) {
        end_stream_reading();
        libvlc_media_player_set_media(m_player, media.get());
        m_description = stream_description();
        if (char* mrl = media ? libvlc_media_get_mrl(media.get()) : nullptr) {
            m_description = stream_description::from_mrl(mrl);
            libvlc_free(mrl);
        }
    }
}

void player_handle::end_stream_reading() {
    switch (get_state()) {
    case libvlc_Opening:
    case libvlc_Buffering:
    case libvlc_Playing:
    case libvlc_Paused:
        rtp_goodbye::send(m_description);
        break;
    default:
        break;
    }
}

media_ref player_handle::current_media() const {
    if (!m_player) {
        return media_ref();
    }
    // libvlc hands the media out already retained.
    return media_ref(libvlc_media_player_get_media(m_player), false);
}

int player_handle::get_state() const {
    return m_player ? libvlc_media_player_get_state(m_player) : 0;
}

} // namespace vlc
