#pragma once

#include "qmlVlc/vlc/playlist_player_core.h"

namespace vlc {

// A player whose playlist is a libvlc media list played by a libvlc media list player.
class media_list_player : public playlist_player_core {
public:
    media_list_player() = default;
    ~media_list_player() override;

    using playlist_player_core::add_media;
    using playlist_player_core::play;

    bool open(libvlc_instance_t* instance) override;
    void close() override;
    void play() override;

    int get_playback_mode() const override { return m_mode; }
    void set_playback_mode(int mode) override;
    int add_media(const media_ref& media) override;
    unsigned item_count() override;
    bool delete_item(unsigned idx) override;
    void clear_items() override;
    media_ref get_media(unsigned idx) override;
    int find_media_index(const media_ref& media) override;
    void disable_item(unsigned, bool) override {}
    bool is_item_disabled(unsigned) override { return false; }
    void set_item_data(unsigned, const std::string&) override {}
    const std::string& get_item_data(unsigned) override { return empty_data(); }
    void advance_item(unsigned, int) override {}
    int current_item() override;
    void set_current(unsigned) override {}
    bool play(unsigned idx) override;
    void next() override;
    void prev() override;

protected:
    void attach_events(bool attach) override;

private:
    libvlc_media_list_t* m_list = nullptr;
    libvlc_media_list_player_t* m_listPlayer = nullptr;
    // libvlc's list player starts in its default (normal) mode.
    int m_mode = 1;
};

} // namespace vlc
