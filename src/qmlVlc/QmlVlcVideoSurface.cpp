#include "QmlVlcVideoSurface.h"

#include "qmlVlc/QmlVlcVideoSource.h"
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
    update();
    m_source = source;
    if (m_source) {
        m_source->addVideoSurface(this);
    }
    Q_EMIT sourceChanged();
}

void QmlVlcVideoSurface::presentFrame(std::shared_ptr<const QmlVlcI420Frame> frame) {
    m_frame = std::move(frame);
    m_frameUpdated = true;
    update();
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
    node->setRect(target, texture);
    return node;
}
