#include "SGVlcVideoNode.h"

#include <QtGui/qopengl.h>

SGVlcVideoNode::SGVlcVideoNode()
    : m_geometry(QSGGeometry::defaultAttributes_TexturedPoint2D(), 4, 0, GL_UNSIGNED_SHORT) {
    setGeometry(&m_geometry);
    setMaterial(&m_material);
}

void SGVlcVideoNode::setFrame(const std::shared_ptr<const QmlVlcI420Frame>& frame) {
    m_material.setFrame(frame);
    markDirty(QSGNode::DirtyMaterial);
}

void SGVlcVideoNode::setRect(const QRectF& target, const QRectF& texture) {
    QSGGeometry::updateTexturedRectGeometry(&m_geometry, target, texture);
    markDirty(QSGNode::DirtyGeometry);
}
