#pragma once

#include <QMatrix4x4>
#include <QSGMaterialShader>

// Converts the three planes to RGB (limited-range BT.601) in the fragment shader.
class QSGVlcVideoFrameMaterialShader : public QSGMaterialShader {
public:
    // Row i multiplies component i of (y - 1/16, u - 1/2, v - 1/2, 1).
    static QMatrix4x4 rgbMatrix();

    char const* const* attributeNames() const override;
    void updateState(const RenderState& state, QSGMaterial* newMaterial, QSGMaterial* oldMaterial) override;

protected:
    const char* vertexShader() const override;
    const char* fragmentShader() const override;
    void initialize() override;

private:
    int m_matrixId = -1;
    int m_rgbMatrixId = -1;
    int m_opacityId = -1;
    int m_yPlaneTexId = -1;
    int m_uPlaneTexId = -1;
    int m_vPlaneTexId = -1;
};
