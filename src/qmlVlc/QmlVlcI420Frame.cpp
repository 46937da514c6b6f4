#include "QmlVlcI420Frame.h"

void QmlVlcI420Frame::allocate(uint16_t w, uint16_t h, unsigned yPitch, unsigned uPitch, unsigned vPitch) {
    width = w;
    height = h;
    yPlaneSize = size_t(yPitch) * h;
    uPlaneSize = size_t(uPitch) * (h / 2);
    vPlaneSize = size_t(vPitch) * (h / 2);
    frameBuf.resize(static_cast<int>(yPlaneSize + uPlaneSize + vPlaneSize));
    yPlane = frameBuf.data();
    uPlane = yPlane + yPlaneSize;
    vPlane = uPlane + uPlaneSize;
}

void QmlVlcI420Frame::allocateLike(const QmlVlcI420Frame& other) {
    width = other.width;
    height = other.height;
    yPlaneSize = other.yPlaneSize;
    uPlaneSize = other.uPlaneSize;
    vPlaneSize = other.vPlaneSize;
    frameBuf.resize(other.frameBuf.size());
    yPlane = frameBuf.data();
    uPlane = yPlane + yPlaneSize;
    vPlane = uPlane + uPlaneSize;
}

bool QmlVlcI420Frame::sameGeometry(const QmlVlcI420Frame& other) const {
    return width == other.width && height == other.height && yPlaneSize == other.yPlaneSize &&
           uPlaneSize == other.uPlaneSize && vPlaneSize == other.vPlaneSize;
}
