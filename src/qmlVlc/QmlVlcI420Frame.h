#pragma once

#include <QByteArray>
#include <atomic>
#include <cstddef>
#include <cstdint>

// One decoded picture: the Y, U and V planes in one buffer, rows padded to 4 bytes.
struct QmlVlcI420Frame {
    QByteArray frameBuf;
    uint16_t width = 0;
    uint16_t height = 0;
    char* yPlane = nullptr;
    size_t yPlaneSize = 0;
    char* uPlane = nullptr;
    size_t uPlaneSize = 0;
    char* vPlane = nullptr;
    size_t vPlaneSize = 0;
    // Steady-clock time (ns) at which libvlc last handed this buffer over for display; 0 = never.
    // Atomic because a buffer taken back at the pool limit may still be read by the render thread.
    std::atomic<int64_t> displayedAtNs{0};

    // Sizes the buffer for an even `w` x `h` picture with the given pitches and points the planes into it.
    void allocate(uint16_t w, uint16_t h, unsigned yPitch, unsigned uPitch, unsigned vPitch);
    // Same geometry as `other`, own buffer.
    void allocateLike(const QmlVlcI420Frame& other);
    bool sameGeometry(const QmlVlcI420Frame& other) const;
};
