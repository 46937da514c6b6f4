#include "media_list_player.h"

namespace vlc {

namespace {

const libvlc_event_type_t listEvents[] = {
    libvlc_MediaListItemAdded,
    libvlc_MediaListWillAddItem,
    libvlc_MediaListItemDeleted,
    libvlc_MediaListWillDeleteItem,
};

} // namespace

media_list_player::~media_list_player() {
    close();
}

bool media_list_player::open(libvlc_instance_t* instance) {
    if (!player_core::open(instance)) {
        return false;
    }
    m_list = libvlc_media_list_new(instance);
    m_listPlayer = libvlc_media_list_player_new(instance);
    if (!m_list || !m_listPlayer) {
        close();
        return false;
    }
    libvlc_media_list_player_set_media_list(m_listPlayer, m_list);
    libvlc_media_list_player_set_media_player(m_listPlayer, handle().player());
    if (has_callbacks()) {
        // The base attached the player events before the list existed.
        libvlc_event_manager_t* em = libvlc_media_list_event_manager(m_list);
        for (libvlc_event_type_t type : listEvents) {
            libvlc_event_attach(em, type, &player_core::event_trampoline, this);
        }
    }
    return true;
}

void media_list_player::close() {
    if (has_callbacks()) {
        attach_events(false);
    }
    if (m_listPlayer) {
        libvlc_media_list_player_release(m_listPlayer);
        m_listPlayer = nullptr;
    }
    if (m_list) {
        libvlc_media_list_release(m_list);
        m_list = nullptr;
    }
    player_core::close();
}

void media_list_player::attach_events(bool attach) {
    player_core::attach_events(attach);
    if (!handle().player() || !m_list) {
        return;
    }
    libvlc_event_manager_t* em = libvlc_media_list_event_manager(m_list);
    for (libvlc_event_type_t type : listEvents) {
        if (attach) {
            libvlc_event_attach(em, type, &player_core::event_trampoline, this);
        } else {
            libvlc_event_detach(em, type, &player_core::event_trampoline, this);
        }
    }
}

void media_list_player::play() {
    if (m_listPlayer) {
        libvlc_media_list_player_play(m_listPlayer);
    }
}

void media_list_player::set_playback_mode(int mode) {
    // Single play has no libvlc counterpart: the previous mode stays in force.
    if (mode == 0 || !m_listPlayer) {
        return;
    }
    m_mode = mode;
    libvlc_media_list_player_set_playback_mode(m_listPlayer, mode == 2 ? libvlc_playback_mode_loop
                                                                       : libvlc_playback_mode_default);
}

int media_list_player::add_media(const media_ref& media) {
    if (!m_list) {
        return -1;
    }
    if (item_count() >= max_items || media.empty()) {
        return -1;
    }
    int index = -1;
    libvlc_media_list_lock(m_list);
    if (libvlc_media_list_add_media(m_list, media.get()) == 0) {
        index = libvlc_media_list_index_of_item(m_list, media.get());
    }
    libvlc_media_list_unlock(m_list);
    return index;
}

unsigned media_list_player::item_count() {
    if (!m_list) {
        return 0;
    }
    libvlc_media_list_lock(m_list);
    const int count = libvlc_media_list_count(m_list);
    libvlc_media_list_unlock(m_list);
    return count < 0 ? 0 : static_cast<unsigned>(count);
}

bool media_list_player::delete_item(unsigned idx) {
    if (!m_list) {
        return false;
    }
    libvlc_media_list_lock(m_list);
    const bool removed = libvlc_media_list_remove_index(m_list, static_cast<int>(idx)) == 0;
    libvlc_media_list_unlock(m_list);
    return removed;
}

void media_list_player::clear_items() {
    if (!m_list) {
        return;
    }
    libvlc_media_list_lock(m_list);
    for (int i = libvlc_media_list_count(m_list) - 1; i >= 0; --i) {
        libvlc_media_list_remove_index(m_list, i);
    }
    libvlc_media_list_unlock(m_list);
}

media_ref media_list_player::get_media(unsigned idx) {
    if (!m_list) {
        return media_ref();
    }
    libvlc_media_list_lock(m_list);
    // Handed out retained.
    media_ref media(libvlc_media_list_item_at_index(m_list, static_cast<int>(idx)), false);
    libvlc_media_list_unlock(m_list);
    return media;
}

int media_list_player::find_media_index(const media_ref& media) {
    if (!m_list || media.empty()) {
        return -1;
    }
    libvlc_media_list_lock(m_list);
    const int index = libvlc_media_list_index_of_item(m_list, media.get());
    libvlc_media_list_unlock(m_list);
    return index;
}

int media_list_player::current_item() {
    if (!handle().player()) {
        return -1;
    }
    const media_ref current = handle().current_media();
    return current.empty() ? -1 : find_media_index(current);
}

bool media_list_player::play(unsigned idx) {
    if (!m_listPlayer || idx >= item_count()) {
        return false;
    }
    // libvlc 3 answers -1 here even when it has started the item, so the range check decides.
    libvlc_media_list_player_play_item_at_index(m_listPlayer, static_cast<int>(idx));
    return true;
}

void media_list_player::next() {
    if (m_listPlayer) {
        libvlc_media_list_player_next(m_listPlayer);
    }
}

void media_list_player::prev() {
    if (m_listPlayer) {
        libvlc_media_list_player_previous(m_listPlayer);
    }
}

} // namespace vlc
