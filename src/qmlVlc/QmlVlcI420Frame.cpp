#include "QmlVlcI420Frame.h"

void QmlVlcI420Frame::allocate(uint16_t w, uint16_t h, unsigned yPitch, unsigned uPitch, unsigned vPitch) {
    rgb = false;
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

void QmlVlcI420Frame::allocateRgb(uint16_t w, uint16_t h, unsigned pitch) {
    width = w;
    height = h;
    rgb = true;
    yPlaneSize = size_t(pitch) * h;
    uPlaneSize = vPlaneSize = 0;
    frameBuf.resize(static_cast<int>(yPlaneSize));
    yPlane = frameBuf.data();
    uPlane = vPlane = nullptr;
}

void QmlVlcI420Frame::allocateLike(const QmlVlcI420Frame& other) {
    rgb = other.rgb;
    width = other.width;
    height = other.height;
    yPlaneSize = other.yPlaneSize;
    uPlaneSize = other.uPlaneSize;
    vPlaneSize = other.vPlaneSize;
    frameBuf.resize(other.frameBuf.size());
    yPlane = frameBuf.data();
    uPlane = rgb ? nullptr : yPlane + yPlaneSize;
    vPlane = rgb ? nullptr : uPlane + uPlaneSize;
}

bool QmlVlcI420Frame::sameGeometry(const QmlVlcI420Frame& other) const {
    return rgb == other.rgb && width == other.width && height == other.height &&
           yPlaneSize == other.yPlaneSize && uPlaneSize == other.uPlaneSize && vPlaneSize == other.vPlaneSize;
}

uint64_t QmlVlcI420Frame::contentFingerprint() const {
    if (!yPlane || height == 0 || yPlaneSize == 0) {
        return 0;
    }
    constexpr unsigned sampledRows = 64;
    constexpr size_t samplesPerRow = 256;
    const size_t pitch = yPlaneSize / height;
    const unsigned rowStep = height > sampledRows ? height / sampledRows : 1;
    const size_t byteStep = pitch > samplesPerRow ? pitch / samplesPerRow : 1;
    // FNV-1a: cheap, and any changed sample changes the result.
    uint64_t hash = 14695981039346656037ull;
    const auto* bytes = reinterpret_cast<const unsigned char*>(yPlane);
    for (unsigned row = 0; row < height; row += rowStep) {
        const unsigned char* line = bytes + size_t(row) * pitch;
        for (size_t x = 0; x < pitch; x += byteStep) {
            hash = (hash ^ line[x]) * 1099511628211ull;
        }
    }
    return hash;
}
