#pragma once

#include "qmlVlc/vlc/media_ref.h"
#include "qmlVlc/vlc/stream_description.h"

#include <vlc/vlc.h>

namespace vlc {

// The libvlc media player of one wrapper player; every call is a no-op while it is closed.
class player_handle {
public:
    player_handle() = default;
    player_handle(const player_handle&) = delete;
    player_handle& operator=(const player_handle&) = delete;
    ~player_handle();

    bool open(libvlc_instance_t* instance);
    void close();

    libvlc_instance_t* instance() const { return m_instance; }
    libvlc_media_player_t* player() const { return m_player; }
    bool is_open() const { return m_player != nullptr; }

    void play();
    void pause();
    void toggle_pause();
    void stop();
    void set_media(const media_ref& media);
    media_ref current_media() const;
    int get_state() const;

private:
    // A stream-description media still being read ends its reading first, so that libvlc does not
    // wait for a stream that stopped before it lets the player go.
    void end_stream_reading();

    libvlc_instance_t* m_instance = nullptr;
    libvlc_media_player_t* m_player = nullptr;
    // The description of the media set last (read when it was set: the file may change later).
    stream_description m_description;
};

} // namespace vlc
