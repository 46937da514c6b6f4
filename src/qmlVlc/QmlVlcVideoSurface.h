#pragma once

#include "qmlVlc/QmlVlcI420Frame.h"

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

public Q_SLOTS:
    void presentFrame(std::shared_ptr<const QmlVlcI420Frame> frame);

Q_SIGNALS:
    void fillModeChanged(QmlVlcVideoSurface::FillMode mode);
    void sourceChanged();

protected:
    QSGNode* updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData* data) override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;
    void geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry) override;

private:
    QSGNode* updateImageNode(QSGNode* oldNode, const QRectF& target, const QRectF& texture);
    void tellSource();

    FillMode m_fillMode = PreserveAspectFit;
    QPointer<QmlVlcVideoSource> m_source;
    bool m_frameUpdated = false;
    std::shared_ptr<const QmlVlcI420Frame> m_frame;
    QMetaObject::Connection m_windowVisibility;
    QSize m_displaySize; // from the source at each picture; empty: the frame's own size
};
