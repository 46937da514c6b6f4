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
    // Called for every picture; unchanged rectangles would only make the renderer re-upload vertices.
    if (m_hasRect && target == m_target && texture == m_texture) {
        return;
    }
    m_hasRect = true;
    m_target = target;
    m_texture = texture;
    QSGGeometry::updateTexturedRectGeometry(&m_geometry, target, texture);
    markDirty(QSGNode::DirtyGeometry);
}
