#pragma once

#include "qmlVlc/vlc/audio_events_callback.h"
#include "qmlVlc/vlc/callbacks_holder.h"
#include "qmlVlc/vlc/player_handle.h"

#include <cstdint>
#include <string>

namespace vlc {

// Audio of one player; volume and mute changes made here are announced to the audio listeners.
class audio : public callbacks_holder<audio_events_callback> {
public:
    explicit audio(player_handle& handle) : m_handle(handle) {}

    int get_channel() const;
    int64_t get_delay() const;
    unsigned get_volume() const;
    bool is_muted() const;
    unsigned track_count() const;
    int get_track() const;
    std::string track_name(int position) const;

    void set_channel(int channel);
    void set_delay(int64_t delay);
    void set_mute(bool mute);
    void set_volume(unsigned volume);
    void toggle_mute();
    void set_track(int position);

private:
    void notify(audio_event_e e);

    player_handle& m_handle;
};

} // namespace vlc
