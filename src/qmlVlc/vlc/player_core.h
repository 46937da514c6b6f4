#pragma once

#include "qmlVlc/vlc/audio.h"
#include "qmlVlc/vlc/callbacks_holder.h"
#include "qmlVlc/vlc/media_player_events_callback.h"
#include "qmlVlc/vlc/playback.h"
#include "qmlVlc/vlc/player_handle.h"
#include "qmlVlc/vlc/subtitles.h"
#include "qmlVlc/vlc/video.h"

namespace vlc {

// One libvlc media player with its per-area controls; events reach the registered listeners while at
// least one is registered.
class player_core : public callbacks_holder<media_player_events_callback> {
public:
    player_core();
    player_core(const player_core&) = delete;
    player_core& operator=(const player_core&) = delete;
    ~player_core() override = default;

    void register_callback(media_player_events_callback* cb) override;
    void unregister_callback(media_player_events_callback* cb) override;

    virtual bool open(libvlc_instance_t* instance);
    virtual void close();
    virtual void play() = 0;

    libvlc_instance_t* get_instance() const { return m_instance; }
    player_handle& handle() { return m_handle; }
    const player_handle& handle() const { return m_handle; }
    bool is_open() const { return m_handle.is_open(); }

    vlc::playback& playback() { return m_playback; }
    vlc::audio& audio() { return m_audio; }
    vlc::video& video() { return m_video; }
    vlc::subtitles& subtitles() { return m_subtitles; }

    void pause() { m_handle.pause(); }
    void toggle_pause() { m_handle.toggle_pause(); }
    void stop() { m_handle.stop(); }
    media_ref current_media() const { return m_handle.current_media(); }
    int get_state() const { return m_handle.get_state(); }

protected:
    virtual void attach_events(bool attach);
    static void event_trampoline(const libvlc_event_t* e, void* user);

private:
    libvlc_instance_t* m_instance = nullptr;
    player_handle m_handle;
    vlc::playback m_playback;
    vlc::video m_video;
    vlc::subtitles m_subtitles;
    vlc::audio m_audio;
};

} // namespace vlc
