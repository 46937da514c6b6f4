#include "QmlVlcVideoSurface.h"

#include "qmlVlc/QmlVlcVideoSource.h"
#include "qmlVlc/QmlVlcZoom.h"
#include "qmlVlc/SGVlcVideoNode.h"

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
    const bool resized =
        !m_frame || !frame || m_frame->width != frame->width || m_frame->height != frame->height;
    m_frame = std::move(frame);
    m_frameUpdated = true;
    if (m_frame) {
        ++m_frameCount;
        m_sinceFrame.start();
    }
    if (resized) {
        updateContentRect();
    }
    update();
}

double QmlVlcVideoSurface::msSinceLastFrame() const {
    return m_sinceFrame.isValid() ? double(m_sinceFrame.elapsed()) : -1.0;
}

QSize QmlVlcVideoSurface::frameSize() const {
    return m_frame ? QSize(m_frame->width, m_frame->height) : QSize();
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

void QmlVlcVideoSurface::geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry) {
    QQuickItem::geometryChanged(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size()) {
        updateContentRect();
    }
}

// Without a picture the whole item stands for it, so that rectangles over an empty tile still
// have a place.
void QmlVlcVideoSurface::updateContentRect() {
    QRectF target;
    QRectF texture;
    const QSizeF frame = m_frame ? QSizeF(m_frame->width, m_frame->height) : QSizeF();
    fillRects(m_fillMode, size(), frame, &target, &texture);
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
    auto* node = static_cast<SGVlcVideoNode*>(oldNode);
    if (!m_frame) {
        delete node;
        return nullptr;
    }
    if (!node) {
        node = new SGVlcVideoNode;
        // A new node has no texture yet: it needs the current picture even if it was handed over before.
        m_frameUpdated = true;
    }
    QRectF target;
    QRectF texture;
    fillRects(m_fillMode, size(), QSizeF(m_frame->width, m_frame->height), &target, &texture);
    if (m_frameUpdated) {
        node->setFrame(m_frame);
        m_frameUpdated = false;
    }
    node->setRect(target, QmlVlcZoom::compose(texture, m_sourceRect));
    return node;
}
