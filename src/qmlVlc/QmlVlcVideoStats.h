#pragma once

#include <atomic>
#include <cstdint>

// Process-wide counters of the frame path, read by the benchmark and the tests.
class QmlVlcVideoStats {
public:
    static QmlVlcVideoStats& instance();

    std::atomic<uint64_t> decoded{0};   // pictures libvlc handed over for display
    std::atomic<uint64_t> presented{0}; // pictures handed to the surfaces (newest only)
    std::atomic<uint64_t> uploaded{0};  // pictures uploaded to textures
    std::atomic<uint64_t> reused{0};    // pool frames taken back from the render path at the pool limit
    // From libvlc's display call to the upload of the same picture.
    std::atomic<uint64_t> latencySamples{0};
    std::atomic<uint64_t> latencyNsTotal{0};
    std::atomic<uint64_t> latencyNsMax{0};

    void addLatency(uint64_t ns);
    // A picture handed over for display at `displayedAtNs` (0: unknown) reached the scene graph now.
    void pictureUploaded(int64_t displayedAtNs);
    static int64_t nowNs();

    void reset();
};
