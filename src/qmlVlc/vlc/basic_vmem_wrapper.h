#pragma once

#include "qmlVlc/vlc/player_handle.h"

namespace vlc {

// Has libvlc decode into memory buffers of ours ("vmem") instead of a window of its own.
class basic_vmem_wrapper {
public:
    basic_vmem_wrapper() = default;
    basic_vmem_wrapper(const basic_vmem_wrapper&) = delete;
    basic_vmem_wrapper& operator=(const basic_vmem_wrapper&) = delete;
    virtual ~basic_vmem_wrapper() = default;

    bool open(const player_handle& handle);
    void close();
    libvlc_media_player_t* media_player() const { return m_player; }

protected:
    virtual unsigned video_format_cb(char* chroma, unsigned* width, unsigned* height, unsigned* pitches,
                                     unsigned* lines) = 0;
    virtual void video_cleanup_cb() = 0;
    virtual void* video_lock_cb(void** planes) = 0;
    virtual void video_unlock_cb(void* picture, void* const* planes) = 0;
    virtual void video_display_cb(void* picture) = 0;

private:
    static unsigned format_trampoline(void** opaque, char* chroma, unsigned* width, unsigned* height,
                                      unsigned* pitches, unsigned* lines);
    static void cleanup_trampoline(void* opaque);
    static void* lock_trampoline(void* opaque, void** planes);
    static void unlock_trampoline(void* opaque, void* picture, void* const* planes);
    static void display_trampoline(void* opaque, void* picture);

    libvlc_media_player_t* m_player = nullptr;
};

} // namespace vlc
