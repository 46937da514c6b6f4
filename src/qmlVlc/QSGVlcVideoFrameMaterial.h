#pragma once

#include "qmlVlc/QmlVlcI420Frame.h"

#include <QSGMaterial>
#include <QtGui/qopengl.h>
#include <memory>

// The three planes of the newest picture as luminance textures; a picture is uploaded at most once.
class QSGVlcVideoFrameMaterial : public QSGMaterial {
public:
    QSGVlcVideoFrameMaterial();
    ~QSGVlcVideoFrameMaterial() override;

    QSGMaterialType* type() const override;
    QSGMaterialShader* createShader() const override;
    int compare(const QSGMaterial* other) const override;

    void setFrame(const std::shared_ptr<const QmlVlcI420Frame>& frame) { m_frame = frame; }
    // Render thread: uploads the pending picture (if any) and binds the planes to units 0 (Y), 1, 2.
    void bindPlanes();

private:
    std::shared_ptr<const QmlVlcI420Frame> m_frame;
    GLuint m_textures[3] = {0, 0, 0};
    int m_texWidth = 0;
    int m_texHeight = 0;
};
