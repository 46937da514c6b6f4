#pragma once

namespace vlc {

enum audio_event_e {
    mute_changed = 0,
    volume_changed = 1,
};

// Listener of volume/mute changes made through vlc::audio; called on the thread that made them.
class audio_events_callback {
public:
    virtual ~audio_events_callback() = default;
    virtual void audio_event(audio_event_e e) = 0;
};

} // namespace vlc
