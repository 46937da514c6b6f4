#include "QSGVlcVideoFrameMaterial.h"

#include "qmlVlc/QSGVlcVideoFrameMaterialShader.h"
#include "qmlVlc/QmlVlcVideoStats.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <algorithm>

namespace {

void uploadPlane(QOpenGLFunctions* gl, GLenum unit, GLuint texture, int width, int height, const char* data,
                 bool respecify) {
    gl->glActiveTexture(unit);
    gl->glBindTexture(GL_TEXTURE_2D, texture);
    if (respecify) {
        gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, width, height, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE,
                         data);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    } else {
        // Same size as before: replacing the texels is cheaper than re-creating the texture.
        gl->glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_LUMINANCE, GL_UNSIGNED_BYTE, data);
    }
}

} // namespace

QSGVlcVideoFrameMaterial::QSGVlcVideoFrameMaterial() {
    setFlag(Blending, false);
}

QSGVlcVideoFrameMaterial::~QSGVlcVideoFrameMaterial() {
    if (m_textures[0] || m_textures[1] || m_textures[2]) {
        if (QOpenGLContext* context = QOpenGLContext::currentContext()) {
            context->functions()->glDeleteTextures(3, m_textures);
        }
    }
}

QSGMaterialType* QSGVlcVideoFrameMaterial::type() const {
    static QSGMaterialType theType;
    return &theType;
}

QSGMaterialShader* QSGVlcVideoFrameMaterial::createShader() const {
    return new QSGVlcVideoFrameMaterialShader;
}

int QSGVlcVideoFrameMaterial::compare(const QSGMaterial* other) const {
    const auto* m = static_cast<const QSGVlcVideoFrameMaterial*>(other);
    for (int i = 0; i < 3; ++i) {
        if (m_textures[i] != m->m_textures[i]) {
            return m_textures[i] < m->m_textures[i] ? -1 : 1;
        }
    }
    return 0;
}

void QSGVlcVideoFrameMaterial::bindPlanes() {
    QOpenGLFunctions* gl = QOpenGLContext::currentContext()->functions();
    if (!m_textures[0] && !m_textures[1] && !m_textures[2]) {
        gl->glGenTextures(3, m_textures);
    }
    std::shared_ptr<const QmlVlcI420Frame> frame = std::move(m_frame);
    m_frame.reset();
    if (frame && frame->width > 0 && frame->height > 0) {
        const bool respecify = frame->width != m_texWidth || frame->height != m_texHeight;
        const int w = frame->width;
        const int h = frame->height;
        uploadPlane(gl, GL_TEXTURE1, m_textures[1], w / 2, h / 2, frame->uPlane, respecify);
        uploadPlane(gl, GL_TEXTURE2, m_textures[2], w / 2, h / 2, frame->vPlane, respecify);
        uploadPlane(gl, GL_TEXTURE0, m_textures[0], w, h, frame->yPlane, respecify);
        m_texWidth = w;
        m_texHeight = h;
        QmlVlcVideoStats::instance().pictureUploaded(frame->displayedAtNs);
    } else {
        gl->glActiveTexture(GL_TEXTURE1);
        gl->glBindTexture(GL_TEXTURE_2D, m_textures[1]);
        gl->glActiveTexture(GL_TEXTURE2);
        gl->glBindTexture(GL_TEXTURE_2D, m_textures[2]);
        gl->glActiveTexture(GL_TEXTURE0);
        gl->glBindTexture(GL_TEXTURE_2D, m_textures[0]);
    }
}
