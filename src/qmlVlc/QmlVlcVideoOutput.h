#pragma once

#include "qmlVlc/QmlVlcI420Frame.h"
#include "qmlVlc/vlc/basic_vmem_wrapper.h"
#include "qmlVlc/vlc/playlist_player_core.h"

#include <QList>
#include <QObject>
#include <QSize>
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

    // GUI thread, called by the surfaces when their size, visibility or window changes: the picture
    // size wanted on the software path (the largest surface, in device pixels) and whether any
    // surface is seen.
    void surfacesChanged();
    // Whether a surface shows the pictures on screen now.
    bool isSeen() const { return m_seen; }
    // Largest surface in device pixels (empty without surfaces).
    QSize wantedSize() const;
    // While set, the end of the picture stream (libvlc's cleanup) leaves the last picture on the
    // surfaces: decoding is paused, the tile still shows where it stopped.
    void setHoldPicture(bool hold) { m_holdPicture = hold; }

    // Size of the RV32 pictures asked for a `visible` picture shown at `wanted` (device pixels): the
    // picture's aspect, scaled down to just cover `wanted` (never up; the whole picture without
    // `wanted`), even sides.
    static QSize rgbPictureSize(const QSize& visible, const QSize& wanted);

    // Format negotiation as libvlc sees it; public so that the geometry rules can be checked directly.
    unsigned negotiateFormat(char* chroma, unsigned* width, unsigned* height, unsigned* pitches,
                             unsigned* lines) {
        return video_format_cb(chroma, width, height, pitches, lines);
    }
    size_t poolSize() const;
    // The picture's own size where known (libvlc may hand over a padded picture scaled from it,
    // when the stream did not tell its size before decoding began); empty until known.
    QSize displaySize() const;
    // Pictures libvlc handed over for display since the output was made.
    uint64_t displayedCount() const { return m_displayedCount; }

    // GUI thread: hands the newest picture (or none) to every attached surface.
    void presentNewest();

Q_SIGNALS:
    void seenChanged(bool seen);

protected:
    unsigned video_format_cb(char* chroma, unsigned* width, unsigned* height, unsigned* pitches,
                             unsigned* lines) override;
    void video_cleanup_cb() override;
    void* video_lock_cb(void** planes) override;
    void video_unlock_cb(void* picture, void* const* planes) override;
    void video_display_cb(void* picture) override;

private:
    Q_INVOKABLE void frameUpdated();
    unsigned rgbFormat(char* chroma, unsigned* width, unsigned* height, unsigned* pitches, unsigned* lines);
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
    std::atomic<uint32_t> m_wantedSize{0}; // width << 16 | height, device pixels
    std::atomic<bool> m_holdPicture{false};
    std::atomic<uint64_t> m_displayedCount{0};
    std::atomic<uint32_t> m_displaySize{0}; // width << 16 | height
    bool m_seen = false;
};
