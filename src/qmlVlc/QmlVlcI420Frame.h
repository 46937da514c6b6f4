#pragma once

#include <QByteArray>
#include <atomic>
#include <cstddef>
#include <cstdint>

// One decoded picture: the Y, U and V planes in one buffer, rows padded to 4 bytes; or, for the
// software render path, one plane of 32-bit RGB pixels (libvlc's "RV32": B, G, R, X in memory) in
// `yPlane`, with `uPlane`/`vPlane` null.
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
    bool rgb = false;
    // Steady-clock time (ns) at which libvlc last handed this buffer over for display; 0 = never.
    // Atomic because a buffer taken back at the pool limit may still be read by the render thread.
    std::atomic<int64_t> displayedAtNs{0};
    // `contentFingerprint()` of the picture last handed over in this buffer.
    std::atomic<uint64_t> fingerprint{0};

    // Sizes the buffer for an even `w` x `h` picture with the given pitches and points the planes into it.
    void allocate(uint16_t w, uint16_t h, unsigned yPitch, unsigned uPitch, unsigned vPitch);
    // Sizes the buffer for a `w` x `h` RV32 picture with `pitch` bytes a row.
    void allocateRgb(uint16_t w, uint16_t h, unsigned pitch);
    // Bytes a row of the RV32 plane.
    int rgbPitch() const { return height ? int(yPlaneSize / height) : 0; }
    // Same geometry as `other`, own buffer.
    void allocateLike(const QmlVlcI420Frame& other);
    bool sameGeometry(const QmlVlcI420Frame& other) const;
    // A hash of a grid of samples of the first plane (64 rows, up to 256 bytes each): libvlc shows
    // its last picture again, copied into another buffer, while a stream waits for data; the same
    // fingerprint tells such a copy from a new picture at a small fraction of a full comparison.
    uint64_t contentFingerprint() const;
};
