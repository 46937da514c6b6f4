#include "player.h"

#include <algorithm>
#include <vector>

namespace vlc {

namespace {
constexpr int loopMode = 2;
constexpr int stateEnded = libvlc_Ended;
constexpr int statePlaying = libvlc_Playing;
} // namespace

player::~player() {
    close();
}

bool player::open(libvlc_instance_t* instance) {
    return player_core::open(instance);
}

void player::close() {
    player_core::close();
    clear_items();
}

int player::add_media(const media_ref& media) {
    if (!handle().player() || m_items.size() >= max_items || media.empty()) {
        return -1;
    }
    m_items.push_back(playlist_item{media, false, std::string()});
    return static_cast<int>(m_items.size()) - 1;
}

int player::find_playable(int from, bool forward) const {
    const int count = static_cast<int>(m_items.size());
    if (count == 0) {
        return -1;
    }
    if (forward) {
        const int start = std::clamp(from, 0, count);
        for (int i = start; i < count; ++i) {
            if (!m_items[i].disabled) {
                return i;
            }
        }
        if (m_mode == loopMode && start >= 1) {
            for (int i = 0; i < start; ++i) {
                if (!m_items[i].disabled) {
                    return i;
                }
            }
        }
        return -1;
    }
    const int start = std::clamp(from, -1, count - 1);
    for (int i = start; i >= 0; --i) {
        if (!m_items[i].disabled) {
            return i;
        }
    }
    if (m_mode == loopMode && start < count - 1) {
        for (int i = count - 1; i > start; --i) {
            if (!m_items[i].disabled) {
                return i;
            }
        }
    }
    return -1;
}

void player::internal_play(int idx) {
    if (idx < 0 || idx >= static_cast<int>(m_items.size())) {
        return;
    }
    // Re-playing the loaded, paused media resumes it instead of reloading.
    if (handle().current_media() != m_items[idx].media || handle().get_state() == stateEnded) {
        set_current(static_cast<unsigned>(idx));
    }
    handle().play();
}

void player::play() {
    if (m_items.empty()) {
        handle().play();
    } else if (m_current < 0) {
        internal_play(0);
    } else {
        internal_play(std::min(m_current, static_cast<int>(m_items.size()) - 1));
    }
}

bool player::play(unsigned idx) {
    if (idx >= m_items.size()) {
        return false;
    }
    internal_play(static_cast<int>(idx));
    return true;
}

void player::next() {
    const bool expanded = try_expand_current();
    if (m_items.empty()) {
        handle().stop();
        return;
    }
    internal_play(find_playable(m_current + (expanded ? 0 : 1), true));
}

void player::prev() {
    if (m_items.empty()) {
        return;
    }
    internal_play(find_playable(m_current - 1, false));
}

bool player::delete_item(unsigned idx) {
    if (m_items.empty() || idx >= m_items.size()) {
        return false;
    }
    const int cur = m_current;
    const int index = static_cast<int>(idx);
    const bool wasLast = index == static_cast<int>(m_items.size()) - 1;
    if (cur >= 0 && (cur > index || (cur == index && wasLast))) {
        m_current = cur - 1;
    }
    m_items.erase(m_items.begin() + index);
    if (cur >= 0 && cur == index && handle().get_state() == statePlaying) {
        internal_play(find_playable(cur, true));
    }
    return true;
}

void player::clear_items() {
    m_items.clear();
    m_current = -1;
}

media_ref player::get_media(unsigned idx) {
    return idx < m_items.size() ? m_items[idx].media : media_ref();
}

int player::find_media_index(const media_ref& media) {
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].media == media) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void player::disable_item(unsigned idx, bool disable) {
    if (idx < m_items.size()) {
        m_items[idx].disabled = disable;
    }
}

bool player::is_item_disabled(unsigned idx) {
    return idx < m_items.size() && m_items[idx].disabled;
}

void player::set_item_data(unsigned idx, const std::string& data) {
    if (idx < m_items.size()) {
        m_items[idx].data = data;
    }
}

const std::string& player::get_item_data(unsigned idx) {
    return idx < m_items.size() ? m_items[idx].data : empty_data();
}

void player::advance_item(unsigned idx, int count) {
    const int size = static_cast<int>(m_items.size());
    const int from = static_cast<int>(idx);
    if (idx >= m_items.size() || count == 0) {
        return;
    }
    const int to = from + count;
    if (to < 0 || to >= size) {
        return;
    }
    playlist_item item = std::move(m_items[from]);
    m_items.erase(m_items.begin() + from);
    m_items.insert(m_items.begin() + to, std::move(item));
    const int cur = m_current;
    if (cur < 0) {
        return;
    }
    if (cur == from) {
        m_current = to;
    } else if (count > 0 && from < cur && cur <= to) {
        m_current = cur - 1;
    } else if (count < 0 && to <= cur && cur < from) {
        m_current = cur + 1;
    }
}

void player::set_current(unsigned idx) {
    if (idx >= m_items.size()) {
        return;
    }
    m_current = static_cast<int>(idx);
    handle().set_media(m_items[idx].media);
}

bool player::try_expand_current() {
    playlist_item current;
    const bool inRange = m_current >= 0 && m_current < static_cast<int>(m_items.size());
    if (inRange) {
        current = m_items[m_current];
    } else {
        current.media = handle().current_media();
    }
    if (current.media.empty()) {
        return false;
    }
    libvlc_media_list_t* list = libvlc_media_subitems(current.media.get());
    if (!list) {
        return false;
    }
    std::vector<playlist_item> subItems;
    libvlc_media_list_lock(list);
    const int count = libvlc_media_list_count(list);
    for (int i = 0; i < count; ++i) {
        // item_at_index hands the media out retained.
        media_ref media(libvlc_media_list_item_at_index(list, i), false);
        if (media) {
            subItems.push_back(playlist_item{media, false, current.data});
        }
    }
    libvlc_media_list_unlock(list);
    libvlc_media_list_release(list);

    const size_t room = max_items - std::min<size_t>(max_items, m_items.size());
    if (subItems.size() > room) {
        subItems.resize(room);
    }
    if (subItems.empty()) {
        return false;
    }
    if (inRange) {
        m_items.erase(m_items.begin() + m_current);
        m_items.insert(m_items.begin() + m_current, subItems.begin(), subItems.end());
    } else {
        // The expanded media was set directly, not from the playlist: its sub-items go to the end.
        const int position = static_cast<int>(m_items.size());
        m_items.insert(m_items.end(), subItems.begin(), subItems.end());
        m_current = position;
    }
    return true;
}

} // namespace vlc
