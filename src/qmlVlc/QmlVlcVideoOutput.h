#pragma once

#include "qmlVlc/QmlVlcI420Frame.h"
#include "qmlVlc/vlc/basic_vmem_wrapper.h"
#include "qmlVlc/vlc/playlist_player_core.h"

#include <QList>
#include <QObject>
#include <atomic>
#include <cstdint>
#include <deque>
#include <list>
#include <memory>
#include <mutex>

class QmlVlcVideoSurface;

// Receives libvlc's decoded pictures into a pool of I420 frames and hands the newest one to the
// attached surfaces on the GUI thread.
class QmlVlcVideoOutput : public QObject, public vlc::basic_vmem_wrapper {
    Q_OBJECT
public:
    // Pool size above which a frame held only by the render path is taken back instead of growing.
    static constexpr size_t maxPoolFrames = 12;

    explicit QmlVlcVideoOutput(std::shared_ptr<vlc::playlist_player_core> player, QObject* parent = nullptr);
    ~QmlVlcVideoOutput() override;

    void addVideoSurface(QmlVlcVideoSurface* surface);
    void removeVideoSurface(QmlVlcVideoSurface* surface);
    const QList<QmlVlcVideoSurface*>& surfaces() const { return m_surfaces; }

    // Format negotiation as libvlc sees it; public so that the geometry rules can be checked directly.
    unsigned negotiateFormat(char* chroma, unsigned* width, unsigned* height, unsigned* pitches,
                             unsigned* lines) {
        return video_format_cb(chroma, width, height, pitches, lines);
    }
    size_t poolSize() const;

    // GUI thread: hands the newest picture (or none) to every attached surface.
    void presentNewest();

protected:
    unsigned video_format_cb(char* chroma, unsigned* width, unsigned* height, unsigned* pitches,
                             unsigned* lines) override;
    void video_cleanup_cb() override;
    void* video_lock_cb(void** planes) override;
    void video_unlock_cb(void* picture, void* const* planes) override;
    void video_display_cb(void* picture) override;

private:
    Q_INVOKABLE void frameUpdated();
    // Size of the media's video track as far as libvlc knows it yet.
    bool visibleSize(unsigned* width, unsigned* height) const;
    bool isLocked(const std::shared_ptr<QmlVlcI420Frame>& frame) const;

    std::shared_ptr<vlc::playlist_player_core> m_player;
    QList<QmlVlcVideoSurface*> m_surfaces;

    mutable std::mutex m_guard;
    std::deque<std::shared_ptr<QmlVlcI420Frame>> m_pool;
    std::deque<uint64_t> m_lastDisplayed; // per pool frame: display sequence, to find the oldest
    std::list<std::shared_ptr<QmlVlcI420Frame>> m_locked;
    std::shared_ptr<QmlVlcI420Frame> m_renderFrame;
    std::shared_ptr<QmlVlcI420Frame> m_template; // geometry of the current format
    uint64_t m_displaySequence = 0;
    std::atomic<bool> m_updateQueued{false};
};
