#include "basic_vmem_wrapper.h"

namespace vlc {

namespace {

// Inert callbacks installed on close so that a late call from libvlc cannot reach a dying object.
void* stubLock(void*, void** planes) {
    planes[0] = planes[1] = planes[2] = nullptr;
    return nullptr;
}

unsigned stubFormat(void**, char*, unsigned*, unsigned*, unsigned*, unsigned*) {
    return 0;
}

} // namespace

bool basic_vmem_wrapper::open(const player_handle& handle) {
    if (handle.player() && handle.player() == m_player) {
        return true;
    }
    close();
    if (!handle.player()) {
        return false;
    }
    m_player = handle.player();
    libvlc_media_player_retain(m_player);
    libvlc_video_set_callbacks(m_player, &basic_vmem_wrapper::lock_trampoline,
                               &basic_vmem_wrapper::unlock_trampoline,
                               &basic_vmem_wrapper::display_trampoline, this);
    libvlc_video_set_format_callbacks(m_player, &basic_vmem_wrapper::format_trampoline,
                                      &basic_vmem_wrapper::cleanup_trampoline);
    return true;
}

void basic_vmem_wrapper::close() {
    if (!m_player) {
        return;
    }
    libvlc_video_set_callbacks(m_player, &stubLock, nullptr, nullptr, nullptr);
    libvlc_video_set_format_callbacks(m_player, &stubFormat, nullptr);
    libvlc_media_player_stop(m_player);
    libvlc_media_player_release(m_player);
    m_player = nullptr;
}

unsigned basic_vmem_wrapper::format_trampoline(void** opaque, char* chroma, unsigned* width, unsigned* height,
                                               unsigned* pitches, unsigned* lines) {
    return static_cast<basic_vmem_wrapper*>(*opaque)->video_format_cb(chroma, width, height, pitches, lines);
}

void basic_vmem_wrapper::cleanup_trampoline(void* opaque) {
    static_cast<basic_vmem_wrapper*>(opaque)->video_cleanup_cb();
}

void* basic_vmem_wrapper::lock_trampoline(void* opaque, void** planes) {
    return static_cast<basic_vmem_wrapper*>(opaque)->video_lock_cb(planes);
}

void basic_vmem_wrapper::unlock_trampoline(void* opaque, void* picture, void* const* planes) {
    static_cast<basic_vmem_wrapper*>(opaque)->video_unlock_cb(picture, planes);
}

void basic_vmem_wrapper::display_trampoline(void* opaque, void* picture) {
    static_cast<basic_vmem_wrapper*>(opaque)->video_display_cb(picture);
}

} // namespace vlc
