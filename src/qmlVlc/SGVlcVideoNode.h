#pragma once

#include "qmlVlc/QSGVlcVideoFrameMaterial.h"

#include <QRectF>
#include <QSGGeometry>
#include <QSGGeometryNode>

// Scene-graph node of one VlcVideoSurface: a textured quad drawn by the YUV material.
class SGVlcVideoNode : public QSGGeometryNode {
public:
    SGVlcVideoNode();

    void setFrame(const std::shared_ptr<const QmlVlcI420Frame>& frame);
    void setRect(const QRectF& target, const QRectF& texture);

private:
    QSGGeometry m_geometry;
    QSGVlcVideoFrameMaterial m_material;
    bool m_hasRect = false;
    QRectF m_target;
    QRectF m_texture;
};
