#pragma once

#include "qmlVlc/vlc/playlist_item.h"
#include "qmlVlc/vlc/playlist_player_core.h"

#include <deque>

namespace vlc {

// A player with a client-side playlist. Playlist calls come from one thread (the GUI thread).
class player : public playlist_player_core {
public:
    player() = default;
    ~player() override;

    using playlist_player_core::add_media;
    using playlist_player_core::play;

    bool open(libvlc_instance_t* instance) override;
    void close() override;
    void play() override;

    int get_playback_mode() const override { return m_mode; }
    void set_playback_mode(int mode) override { m_mode = mode; }
    int add_media(const media_ref& media) override;
    unsigned item_count() override { return static_cast<unsigned>(m_items.size()); }
    bool delete_item(unsigned idx) override;
    void clear_items() override;
    media_ref get_media(unsigned idx) override;
    int find_media_index(const media_ref& media) override;
    void disable_item(unsigned idx, bool disable) override;
    bool is_item_disabled(unsigned idx) override;
    void set_item_data(unsigned idx, const std::string& data) override;
    const std::string& get_item_data(unsigned idx) override;
    void advance_item(unsigned idx, int count) override;
    int current_item() override { return m_current; }
    void set_current(unsigned idx) override;
    bool play(unsigned idx) override;
    void next() override;
    void prev() override;

    // First playable (not disabled) index from `from` on in the given direction, wrapping around in
    // loop mode; -1 when there is none.
    int find_playable(int from, bool forward) const;

private:
    void internal_play(int idx);
    bool try_expand_current();

    int m_mode = 0;
    std::deque<playlist_item> m_items;
    int m_current = -1;
};

} // namespace vlc
