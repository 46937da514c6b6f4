#pragma once

#include "qmlVlc/QmlVlcI420Frame.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QQuickItem>
#include <QRectF>
#include <QSize>
#include <memory>

class QmlVlcVideoSource;

// Draws the pictures of a video source, scaled by its fill mode.
class QmlVlcVideoSurface : public QQuickItem {
    Q_OBJECT
    Q_PROPERTY(FillMode fillMode READ fillMode WRITE setFillMode NOTIFY fillModeChanged)
    Q_PROPERTY(QmlVlcVideoSource* source READ source WRITE setSource NOTIFY sourceChanged)
    // Digital zoom: the part of the picture shown, in texture coordinates (0..1).
    Q_PROPERTY(QRectF sourceRect READ sourceRect WRITE setSourceRect NOTIFY sourceRectChanged)
    Q_PROPERTY(qreal zoom READ zoom NOTIFY sourceRectChanged)
    // Where the picture is drawn in the item (the fill mode's target rectangle).
    Q_PROPERTY(QRectF contentRect READ contentRect NOTIFY contentRectChanged)
    // Keep showing the last picture when the player stops (a lost live stream), until the source changes.
    Q_PROPERTY(bool holdLastFrame READ holdLastFrame WRITE setHoldLastFrame NOTIFY holdLastFrameChanged)
public:
    enum FillMode {
        Stretch = 0,
        PreserveAspectFit = 1,
        PreserveAspectCrop = 2,
    };
    Q_ENUM(FillMode)

    explicit QmlVlcVideoSurface(QQuickItem* parent = nullptr);
    ~QmlVlcVideoSurface() override;

    FillMode fillMode() const { return m_fillMode; }
    void setFillMode(FillMode mode);
    QmlVlcVideoSource* source() const;
    void setSource(QmlVlcVideoSource* source);

    // Where a frame of `frameSize` goes in an item of `itemSize`: the target rectangle in item
    // coordinates and the part of the texture shown (in 0..1).
    static void fillRects(FillMode mode, const QSizeF& itemSize, const QSizeF& frameSize, QRectF* target,
                          QRectF* texture);

    std::shared_ptr<const QmlVlcI420Frame> currentFrame() const { return m_frame; }
    // The size the current picture is shown as (its own size, even if libvlc padded the buffer).
    QSize displaySize() const;
    // Visible in a shown, not minimised window.
    bool isSeen() const;

    QRectF sourceRect() const { return m_sourceRect; }
    void setSourceRect(const QRectF& rect);
    qreal zoom() const;
    QRectF contentRect() const { return m_contentRect; }
    bool holdLastFrame() const { return m_holdLastFrame; }
    void setHoldLastFrame(bool hold);

    // Zooms by `factor` around `point` (item coordinates), up to 8×.
    Q_INVOKABLE void zoomAt(qreal factor, const QPointF& point);
    Q_INVOKABLE void panBy(const QPointF& delta);
    Q_INVOKABLE void resetZoom();
    // Where a rectangle of the picture (0..1 of the whole picture) appears in the item, zoom included.
    Q_INVOKABLE QRectF mapFromPicture(const QRectF& picture) const;
    // Health of the picture: pictures presented so far, milliseconds since the last one (-1 before
    // the first), and the size of the last one.
    Q_INVOKABLE double frameCount() const { return double(m_frameCount); }
    Q_INVOKABLE double msSinceLastFrame() const;
    Q_INVOKABLE QSize frameSize() const;

public Q_SLOTS:
    void presentFrame(std::shared_ptr<const QmlVlcI420Frame> frame);

Q_SIGNALS:
    void fillModeChanged(QmlVlcVideoSurface::FillMode mode);
    void sourceChanged();
    void sourceRectChanged();
    void contentRectChanged();
    void holdLastFrameChanged();

protected:
    QSGNode* updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData* data) override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;
    void geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry) override;

private:
    QSGNode* updateImageNode(QSGNode* oldNode, const QRectF& target, const QRectF& texture);
    void tellSource();
    void updateContentRect();

    FillMode m_fillMode = PreserveAspectFit;
    QPointer<QmlVlcVideoSource> m_source;
    bool m_frameUpdated = false;
    std::shared_ptr<const QmlVlcI420Frame> m_frame;
    QMetaObject::Connection m_windowVisibility;
    QSize m_displaySize; // from the source at each picture; empty: the frame's own size
    QRectF m_sourceRect{0, 0, 1, 1};
    QRectF m_contentRect;
    QRectF m_textureRect{0, 0, 1, 1};
    bool m_holdLastFrame = false;
    quint64 m_frameCount = 0;
    QElapsedTimer m_sinceFrame;
    uint64_t m_lastFingerprint = 0;
};
