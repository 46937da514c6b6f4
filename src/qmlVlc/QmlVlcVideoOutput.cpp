#include "QmlVlcVideoOutput.h"

#include "qmlVlc/QmlVlcFrameBatcher.h"
#include "qmlVlc/QmlVlcRenderPath.h"
#include "qmlVlc/QmlVlcVideoStats.h"
#include "qmlVlc/QmlVlcVideoSurface.h"

#include <QMetaObject>
#include <QQuickWindow>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

unsigned roundUp(unsigned value, unsigned multiple) {
    return (value + multiple - 1) / multiple * multiple;
}

// Picture ids are pool index + 1, so that no valid picture is a null pointer.
void* pictureId(size_t index) {
    return reinterpret_cast<void*>(static_cast<uintptr_t>(index + 1));
}

bool poolIndex(void* picture, size_t poolSize, size_t* index) {
    const auto id = reinterpret_cast<uintptr_t>(picture);
    if (id == 0 || id > poolSize) {
        return false;
    }
    *index = static_cast<size_t>(id - 1);
    return true;
}

} // namespace

QmlVlcVideoOutput::QmlVlcVideoOutput(std::shared_ptr<vlc::playlist_player_core> player, QObject* parent)
    : QObject(parent), m_player(std::move(player)) {}

QmlVlcVideoOutput::~QmlVlcVideoOutput() {
    // Stops the player: libvlc's last cleanup call still lands in this (complete) object.
    close();
    if (QmlVlcFrameBatcher* batcher = QmlVlcFrameBatcher::existing()) {
        batcher->remove(this);
    }
}

void QmlVlcVideoOutput::addVideoSurface(QmlVlcVideoSurface* surface) {
    if (surface && !m_surfaces.contains(surface)) {
        m_surfaces.append(surface);
        surfacesChanged();
    }
}

void QmlVlcVideoOutput::removeVideoSurface(QmlVlcVideoSurface* surface) {
    m_surfaces.removeOne(surface);
    surfacesChanged();
}

void QmlVlcVideoOutput::surfacesChanged() {
    int width = 0;
    int height = 0;
    bool seen = false;
    for (QmlVlcVideoSurface* surface : qAsConst(m_surfaces)) {
        const qreal ratio = surface->window() ? surface->window()->effectiveDevicePixelRatio() : 1.0;
        width = std::max(width, int(std::ceil(surface->width() * ratio)));
        height = std::max(height, int(std::ceil(surface->height() * ratio)));
        seen = seen || surface->isSeen();
    }
    m_wantedSize = uint32_t(std::min(width, 0xFFFF)) << 16 | uint32_t(std::min(height, 0xFFFF));
    if (seen != m_seen) {
        m_seen = seen;
        Q_EMIT seenChanged(seen);
    }
}

QSize QmlVlcVideoOutput::wantedSize() const {
    const uint32_t packed = m_wantedSize;
    return QSize(int(packed >> 16), int(packed & 0xFFFF));
}

QSize QmlVlcVideoOutput::displaySize() const {
    const uint32_t packed = m_displaySize;
    return QSize(int(packed >> 16), int(packed & 0xFFFF));
}

QSize QmlVlcVideoOutput::rgbPictureSize(const QSize& visible, const QSize& wanted) {
    if (visible.isEmpty()) {
        return visible;
    }
    double scale = 1.0;
    if (!wanted.isEmpty()) {
        scale = std::min(1.0, std::max(double(wanted.width()) / visible.width(),
                                       double(wanted.height()) / visible.height()));
    }
    const int w = std::max(2, int(std::lround(visible.width() * scale / 2)) * 2);
    const int h = std::max(2, int(std::lround(visible.height() * scale / 2)) * 2);
    return QSize(w, h);
}

size_t QmlVlcVideoOutput::poolSize() const {
    std::lock_guard<std::mutex> lock(m_guard);
    return m_pool.size();
}

unsigned QmlVlcVideoOutput::video_format_cb(char* chroma, unsigned* width, unsigned* height,
                                            unsigned* pitches, unsigned* lines) {
    if (QmlVlcRenderPath::current() == QmlVlcRenderPath::Software) {
        return rgbFormat(chroma, width, height, pitches, lines);
    }
    std::memcpy(chroma, "I420", 4);
    unsigned visibleWidth = 0;
    unsigned visibleHeight = 0;
    if (visibleSize(&visibleWidth, &visibleHeight) && visibleWidth <= (*width & 0xFFFF) &&
        visibleHeight <= (*height & 0xFFFF)) {
        // libvlc offers the decoder's padded size; taking it would make libvlc scale every picture
        // into the padding. Ask for the visible picture instead.
        *width = roundUp(visibleWidth, 2);
        *height = roundUp(visibleHeight, 2);
        m_displaySize = (visibleWidth & 0xFFFF) << 16 | (visibleHeight & 0xFFFF);
    } else {
        m_displaySize = 0; // learnt from libvlc once pictures come
    }
    const unsigned w = roundUp(*width & 0xFFFF, 2);
    const unsigned h = roundUp(*height & 0xFFFF, 2);
    pitches[0] = roundUp(w, 4);
    pitches[1] = pitches[2] = roundUp(w / 2, 4);
    lines[0] = h;
    lines[1] = lines[2] = h / 2;

    auto frame = std::make_shared<QmlVlcI420Frame>();
    frame->allocate(static_cast<uint16_t>(w), static_cast<uint16_t>(h), pitches[0], pitches[1], pitches[2]);
    std::lock_guard<std::mutex> lock(m_guard);
    m_pool.push_back(frame);
    m_lastDisplayed.push_back(0);
    m_template = frame;
    return 3;
}

unsigned QmlVlcVideoOutput::rgbFormat(char* chroma, unsigned* width, unsigned* height, unsigned* pitches,
                                      unsigned* lines) {
    // libvlc converts and scales (its swscale filter, as its own X11 output does) straight to the
    // tile's size: nothing is scaled or converted after that.
    std::memcpy(chroma, "RV32", 4);
    unsigned visibleWidth = *width & 0xFFFF;
    unsigned visibleHeight = *height & 0xFFFF;
    unsigned w = 0;
    unsigned h = 0;
    if (visibleSize(&w, &h) && w <= visibleWidth && h <= visibleHeight) {
        visibleWidth = w;
        visibleHeight = h;
        m_displaySize = (w & 0xFFFF) << 16 | (h & 0xFFFF);
    } else {
        m_displaySize = 0;
    }
    const QSize size = rgbPictureSize(QSize(int(visibleWidth), int(visibleHeight)), wantedSize());
    *width = unsigned(size.width());
    *height = unsigned(size.height());
    pitches[0] = pitches[1] = pitches[2] = *width * 4;
    lines[0] = lines[1] = lines[2] = *height;

    auto frame = std::make_shared<QmlVlcI420Frame>();
    frame->allocateRgb(static_cast<uint16_t>(*width), static_cast<uint16_t>(*height), pitches[0]);
    std::lock_guard<std::mutex> lock(m_guard);
    m_pool.push_back(frame);
    m_lastDisplayed.push_back(0);
    m_template = frame;
    return 3;
}

bool QmlVlcVideoOutput::visibleSize(unsigned* width, unsigned* height) const {
    libvlc_media_player_t* mp = media_player();
    if (!mp) {
        return false;
    }
    libvlc_media_t* media = libvlc_media_player_get_media(mp);
    if (!media) {
        return false;
    }
    libvlc_media_track_t** tracks = nullptr;
    const unsigned count = libvlc_media_tracks_get(media, &tracks);
    bool found = false;
    for (unsigned i = 0; i < count && !found; ++i) {
        const libvlc_media_track_t* track = tracks[i];
        if (track->i_type == libvlc_track_video && track->video && track->video->i_width &&
            track->video->i_height) {
            *width = track->video->i_width;
            *height = track->video->i_height;
            found = true;
        }
    }
    if (tracks) {
        libvlc_media_tracks_release(tracks, count);
    }
    libvlc_media_release(media);
    return found;
}

void QmlVlcVideoOutput::video_cleanup_cb() {
    {
        std::lock_guard<std::mutex> lock(m_guard);
        m_renderFrame.reset();
        m_locked.clear();
        m_pool.clear();
        m_lastDisplayed.clear();
        m_template.reset();
    }
    if (m_holdPicture) {
        return;
    }
    if (!m_updateQueued.exchange(true)) {
        QMetaObject::invokeMethod(this, "frameUpdated", Qt::AutoConnection);
    }
}

bool QmlVlcVideoOutput::isLocked(const std::shared_ptr<QmlVlcI420Frame>& frame) const {
    for (const auto& locked : m_locked) {
        if (locked == frame) {
            return true;
        }
    }
    return false;
}

void* QmlVlcVideoOutput::video_lock_cb(void** planes) {
    std::lock_guard<std::mutex> lock(m_guard);
    if (!m_template) {
        planes[0] = planes[1] = planes[2] = nullptr;
        return nullptr;
    }
    // A frame of an earlier format is never handed out: its buffer may be too small.
    size_t chosen = m_pool.size();
    for (size_t i = 0; i < m_pool.size(); ++i) {
        if (m_pool[i].use_count() < 2 && m_pool[i]->sameGeometry(*m_template)) {
            chosen = i;
            break;
        }
    }
    if (chosen == m_pool.size() && m_pool.size() >= maxPoolFrames) {
        // Every frame is still held. Rather than grow without end, take back the least recently
        // displayed frame that only surfaces or the render thread still show; they keep a valid
        // buffer, at worst showing the next picture early.
        uint64_t oldest = UINT64_MAX;
        for (size_t i = 0; i < m_pool.size(); ++i) {
            if (m_pool[i] != m_renderFrame && !isLocked(m_pool[i]) && m_pool[i]->sameGeometry(*m_template) &&
                m_lastDisplayed[i] < oldest) {
                oldest = m_lastDisplayed[i];
                chosen = i;
            }
        }
        if (chosen != m_pool.size()) {
            ++QmlVlcVideoStats::instance().reused;
        }
    }
    if (chosen == m_pool.size()) {
        auto frame = std::make_shared<QmlVlcI420Frame>();
        frame->allocateLike(*m_template);
        m_pool.push_back(frame);
        m_lastDisplayed.push_back(0);
    }
    const auto& frame = m_pool[chosen];
    planes[0] = frame->yPlane;
    planes[1] = frame->uPlane;
    planes[2] = frame->vPlane;
    m_locked.push_back(frame);
    return pictureId(chosen);
}

void QmlVlcVideoOutput::video_unlock_cb(void* picture, void* const*) {
    std::lock_guard<std::mutex> lock(m_guard);
    size_t index = 0;
    if (!poolIndex(picture, m_pool.size(), &index)) {
        return;
    }
    for (auto it = m_locked.begin(); it != m_locked.end(); ++it) {
        if (*it == m_pool[index]) {
            m_locked.erase(it);
            break;
        }
    }
}

void QmlVlcVideoOutput::video_display_cb(void* picture) {
    bool repeated = false;
    {
        std::lock_guard<std::mutex> lock(m_guard);
        size_t index = 0;
        if (!poolIndex(picture, m_pool.size(), &index)) {
            return;
        }
        const uint64_t print = m_pool[index]->contentFingerprint();
        repeated = m_renderFrame && m_renderFrame->fingerprint == print;
        m_renderFrame = m_pool[index];
        m_renderFrame->fingerprint = print;
        m_renderFrame->displayedAtNs = QmlVlcVideoStats::nowNs();
        m_lastDisplayed[index] = ++m_displaySequence;
    }
    if (!repeated) {
        ++QmlVlcVideoStats::instance().decoded;
    }
    ++m_displayedCount;
    // One queued hand-over at a time: a busy GUI thread sees only the newest picture, and the
    // decoding thread never waits for it.
    if (!m_updateQueued.exchange(true)) {
        QMetaObject::invokeMethod(this, "frameUpdated", Qt::AutoConnection);
    }
}

void QmlVlcVideoOutput::frameUpdated() {
    m_updateQueued = false;
    bool hasFrame = false;
    {
        std::lock_guard<std::mutex> lock(m_guard);
        hasFrame = m_renderFrame != nullptr;
    }
    if (hasFrame && m_displaySize == 0) {
        // A stream that told its size only to its decoder (MPEG-TS over RTP): libvlc knows it now.
        unsigned w = 0;
        unsigned h = 0;
        if (libvlc_media_player_t* mp = media_player();
            mp && libvlc_video_get_size(mp, 0, &w, &h) == 0 && w > 0 && h > 0) {
            m_displaySize = (w & 0xFFFF) << 16 | (h & 0xFFFF);
        }
    }
    // The software scene graph redraws only the tiles that changed: nothing is saved by holding
    // pictures back for a batch there, and holding them makes pictures miss their turn.
    const bool batch = hasFrame && QmlVlcRenderPath::current() == QmlVlcRenderPath::OpenGl;
    QmlVlcFrameBatcher* batcher = batch ? QmlVlcFrameBatcher::instance() : nullptr;
    if (batcher) {
        batcher->frameReady(this);
    } else {
        // The picture is gone (playback ended or the format changes): clear the surfaces at once.
        presentNewest();
    }
}

void QmlVlcVideoOutput::presentNewest() {
    std::shared_ptr<const QmlVlcI420Frame> frame;
    {
        std::lock_guard<std::mutex> lock(m_guard);
        frame = m_renderFrame;
    }
    if (frame) {
        ++QmlVlcVideoStats::instance().presented;
    } else if (m_holdPicture) {
        // The decoder was ended on purpose (a hidden live tile): a hand-over queued before that
        // must not clear the picture the surfaces keep.
        return;
    }
    const QList<QmlVlcVideoSurface*> surfaces = m_surfaces;
    for (QmlVlcVideoSurface* surface : surfaces) {
        surface->presentFrame(frame);
    }
}
