#pragma once

#include "qmlVlc/vlc/player_core.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vlc {

// A player with a playlist; playback mode values: 0 single, 1 normal, 2 loop.
class playlist_player_core : public player_core {
public:
    // Most items a playlist holds.
    static constexpr unsigned max_items = 32767;

    using player_core::play;

    virtual int get_playback_mode() const = 0;
    virtual void set_playback_mode(int mode) = 0;
    virtual int add_media(const media_ref& media) = 0;
    virtual unsigned item_count() = 0;
    virtual bool delete_item(unsigned idx) = 0;
    virtual void clear_items() = 0;
    virtual media_ref get_media(unsigned idx) = 0;
    virtual int find_media_index(const media_ref& media) = 0;
    virtual void disable_item(unsigned idx, bool disable) = 0;
    virtual bool is_item_disabled(unsigned idx) = 0;
    virtual void set_item_data(unsigned idx, const std::string& data) = 0;
    virtual const std::string& get_item_data(unsigned idx) = 0;
    virtual void advance_item(unsigned idx, int count) = 0;
    virtual int current_item() = 0;
    virtual void set_current(unsigned idx) = 0;
    virtual bool play(unsigned idx) = 0;
    virtual void next() = 0;
    virtual void prev() = 0;

    // Builds the media (see media_ref::create) and adds it; -1 when closed, full or not created.
    int add_media(const char* mrl, unsigned untrusted_count, const char** untrusted, unsigned trusted_count,
                  const char** trusted, bool is_path = false);

    // Gives the options every media built from an MRL gets after its own (trusted: they come from
    // the program, not from the MRL's author), e.g. a live player's low-latency profile; asked at
    // each media so that a changed setting applies to the next one.
    using options_provider = std::function<std::vector<std::string>()>;
    void set_media_options_provider(options_provider provider) { m_media_options = std::move(provider); }
    // Stream descriptions of MPEG-TS over RTP are opened with libvlc's RTP access by this player even
    // where players in general read them through avformat (see stream_description).
    void set_rtp_access(bool on) { m_rtp_access = on; }
    bool rtp_access() const { return m_rtp_access; }

protected:
    static const std::string& empty_data();

private:
    options_provider m_media_options;
    bool m_rtp_access = false;
};

} // namespace vlc
