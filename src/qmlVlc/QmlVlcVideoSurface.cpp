#include "QmlVlcVideoSurface.h"

#include "qmlVlc/QmlVlcVideoSource.h"
#include "qmlVlc/QmlVlcVideoStats.h"
#include "qmlVlc/QmlVlcZoom.h"
#include "qmlVlc/SGVlcVideoNode.h"

#include <QImage>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QSGTexture>

namespace {

// Keeps a picture's frame (and so its pool buffer) alive while a QImage shows its pixels.
void releaseFrame(void* holder) {
    delete static_cast<std::shared_ptr<const QmlVlcI420Frame>*>(holder);
}

} // namespace

QmlVlcVideoSurface::QmlVlcVideoSurface(QQuickItem* parent) : QQuickItem(parent) {
    setFlag(QQuickItem::ItemHasContents, true);
}

QmlVlcVideoSurface::~QmlVlcVideoSurface() {
    if (m_source) {
        m_source->removeVideoSurface(this);
    }
}

QmlVlcVideoSource* QmlVlcVideoSurface::source() const {
    return m_source.data();
}

void QmlVlcVideoSurface::setFillMode(FillMode mode) {
    if (mode == m_fillMode) {
        return;
    }
    m_fillMode = mode;
    updateContentRect();
    update();
    Q_EMIT fillModeChanged(mode);
}

void QmlVlcVideoSurface::setSource(QmlVlcVideoSource* source) {
    if (source == m_source.data()) {
        return;
    }
    if (m_source) {
        m_source->removeVideoSurface(this);
    }
    // The old picture goes with the old source.
    m_frame.reset();
    m_frameUpdated = false;
    // Health and zoom belong to the old picture too.
    m_sinceFrame.invalidate();
    resetZoom();
    updateContentRect();
    update();
    m_source = source;
    if (m_source) {
        m_source->addVideoSurface(this);
    }
    Q_EMIT sourceChanged();
}

bool QmlVlcVideoSurface::isSeen() const {
    const QQuickWindow* w = window();
    return isVisible() && w && w->isVisible() && w->visibility() != QWindow::Minimized && width() > 0 &&
           height() > 0;
}

void QmlVlcVideoSurface::tellSource() {
    if (m_source) {
        m_source->videoOutput().surfacesChanged();
    }
}

void QmlVlcVideoSurface::itemChange(ItemChange change, const ItemChangeData& value) {
    QQuickItem::itemChange(change, value);
    if (change == ItemSceneChange) {
        QObject::disconnect(m_windowVisibility);
        if (value.window) {
            m_windowVisibility =
                connect(value.window, &QWindow::visibilityChanged, this, &QmlVlcVideoSurface::tellSource);
        }
        tellSource();
    } else if (change == ItemVisibleHasChanged) {
        tellSource();
    }
}

void QmlVlcVideoSurface::geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry) {
    QQuickItem::geometryChanged(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size()) {
        updateContentRect();
        tellSource();
    }
}

QSize QmlVlcVideoSurface::displaySize() const {
    if (!m_frame) {
        return QSize();
    }
    return m_displaySize.isEmpty() ? QSize(m_frame->width, m_frame->height) : m_displaySize;
}

void QmlVlcVideoSurface::setHoldLastFrame(bool hold) {
    if (hold == m_holdLastFrame) {
        return;
    }
    m_holdLastFrame = hold;
    Q_EMIT holdLastFrameChanged();
}

void QmlVlcVideoSurface::presentFrame(std::shared_ptr<const QmlVlcI420Frame> frame) {
    if (!frame && m_holdLastFrame && m_frame) {
        return;
    }
    const QSize shownBefore = displaySize();
    // libvlc shows its last picture again while no new one comes (in the same or another pool
    // buffer): that is no new picture for the tile's health.
    const uint64_t print = frame ? frame->fingerprint.load() : 0;
    const bool newPicture = frame && (!m_sinceFrame.isValid() || print != m_lastFingerprint);
    if (newPicture) {
        m_lastFingerprint = print;
    }
    m_displaySize = m_source ? m_source->videoOutput().displaySize() : QSize();
    m_frame = std::move(frame);
    m_frameUpdated = true;
    if (newPicture) {
        ++m_frameCount;
        m_sinceFrame.start();
    }
    if (displaySize() != shownBefore) {
        updateContentRect();
    }
    update();
}

double QmlVlcVideoSurface::msSinceLastFrame() const {
    return m_sinceFrame.isValid() ? double(m_sinceFrame.elapsed()) : -1.0;
}

QSize QmlVlcVideoSurface::frameSize() const {
    return displaySize();
}

qreal QmlVlcVideoSurface::zoom() const {
    return QmlVlcZoom::factor(m_sourceRect);
}

void QmlVlcVideoSurface::setSourceRect(const QRectF& rect) {
    const QRectF clamped = QmlVlcZoom::clamp(rect);
    if (clamped == m_sourceRect) {
        return;
    }
    m_sourceRect = clamped;
    update();
    Q_EMIT sourceRectChanged();
}

void QmlVlcVideoSurface::zoomAt(qreal factor, const QPointF& point) {
    setSourceRect(QmlVlcZoom::zoomAt(m_sourceRect, factor, point, m_contentRect));
}

void QmlVlcVideoSurface::panBy(const QPointF& delta) {
    setSourceRect(QmlVlcZoom::panBy(m_sourceRect, delta, m_contentRect));
}

void QmlVlcVideoSurface::resetZoom() {
    setSourceRect(QmlVlcZoom::full());
}

QRectF QmlVlcVideoSurface::mapFromPicture(const QRectF& picture) const {
    return QmlVlcZoom::mapToItem(picture, QmlVlcZoom::compose(m_textureRect, m_sourceRect), m_contentRect);
}

// Without a picture the whole item stands for it, so that rectangles over an empty tile still
// have a place.
void QmlVlcVideoSurface::updateContentRect() {
    QRectF target;
    QRectF texture;
    fillRects(m_fillMode, size(), QSizeF(displaySize()), &target, &texture);
    m_textureRect = texture;
    if (target != m_contentRect) {
        m_contentRect = target;
        Q_EMIT contentRectChanged();
    }
}

void QmlVlcVideoSurface::fillRects(FillMode mode, const QSizeF& itemSize, const QSizeF& frameSize,
                                   QRectF* target, QRectF* texture) {
    *target = QRectF(0, 0, itemSize.width(), itemSize.height());
    *texture = QRectF(0, 0, 1, 1);
    if (mode == Stretch || frameSize.isEmpty() || itemSize.isEmpty()) {
        return;
    }
    const qreal frameAspect = frameSize.width() / frameSize.height();
    const qreal itemAspect = itemSize.width() / itemSize.height();
    if (mode == PreserveAspectFit) {
        qreal w = itemSize.width();
        qreal h = itemSize.height();
        if (frameAspect > itemAspect) {
            h = w / frameAspect;
        } else if (itemAspect > frameAspect) {
            w = h * frameAspect;
        }
        *target = QRectF((itemSize.width() - w) / 2, (itemSize.height() - h) / 2, w, h);
    } else if (mode == PreserveAspectCrop) {
        if (frameAspect > itemAspect) {
            const qreal x = (1 - itemAspect / frameAspect) / 2;
            *texture = QRectF(x, 0, 1 - 2 * x, 1);
        } else if (itemAspect > frameAspect) {
            const qreal y = (1 - frameAspect / itemAspect) / 2;
            *texture = QRectF(0, y, 1, 1 - 2 * y);
        }
    }
}

QSGNode* QmlVlcVideoSurface::updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData*) {
    if (!m_frame) {
        delete oldNode;
        return nullptr;
    }
    QRectF target;
    QRectF texture;
    fillRects(m_fillMode, size(), QSizeF(displaySize()), &target, &texture);
    texture = QmlVlcZoom::compose(texture, m_sourceRect);
    if (m_frame->rgb) {
        return updateImageNode(oldNode, target, texture);
    }
    auto* node = dynamic_cast<SGVlcVideoNode*>(oldNode);
    if (!node) {
        delete oldNode;
        node = new SGVlcVideoNode;
        // A new node has no texture yet: it needs the current picture even if it was handed over before.
        m_frameUpdated = true;
    }
    if (m_frameUpdated) {
        node->setFrame(m_frame);
        m_frameUpdated = false;
    }
    node->setRect(target, texture);
    return node;
}

QSGNode* QmlVlcVideoSurface::updateImageNode(QSGNode* oldNode, const QRectF& target, const QRectF& texture) {
    auto* node = dynamic_cast<QSGImageNode*>(oldNode);
    if (!node) {
        delete oldNode;
        node = window()->createImageNode();
        node->setOwnsTexture(true);
        node->setFiltering(QSGTexture::Linear);
        m_frameUpdated = true;
    }
    if (m_frameUpdated) {
        // The image shares the frame's pixels; the texture takes them over (the software scene graph
        // copies them into its pixmap at once).
        const QImage image(reinterpret_cast<const uchar*>(m_frame->yPlane), m_frame->width, m_frame->height,
                           m_frame->rgbPitch(), QImage::Format_RGB32, releaseFrame,
                           new std::shared_ptr<const QmlVlcI420Frame>(m_frame));
        node->setTexture(window()->createTextureFromImage(image));
        m_frameUpdated = false;
        QmlVlcVideoStats::instance().pictureUploaded(m_frame->displayedAtNs);
    }
    node->setRect(target);
    node->setSourceRect(QRectF(texture.x() * m_frame->width, texture.y() * m_frame->height,
                               texture.width() * m_frame->width, texture.height() * m_frame->height));
    return node;
}
