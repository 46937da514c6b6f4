#include "QmlVlcVideoStats.h"

#include <algorithm>
#include <chrono>

QmlVlcVideoStats& QmlVlcVideoStats::instance() {
    static QmlVlcVideoStats stats;
    return stats;
}

void QmlVlcVideoStats::reset() {
    decoded = 0;
    presented = 0;
    uploaded = 0;
    reused = 0;
    latencySamples = 0;
    latencyNsTotal = 0;
    latencyNsMax = 0;
}

void QmlVlcVideoStats::addLatency(uint64_t ns) {
    ++latencySamples;
    latencyNsTotal += ns;
    uint64_t max = latencyNsMax.load();
    while (ns > max && !latencyNsMax.compare_exchange_weak(max, ns)) {
    }
}

void QmlVlcVideoStats::pictureUploaded(int64_t displayedAtNs) {
    ++uploaded;
    if (displayedAtNs > 0) {
        addLatency(uint64_t(std::max<int64_t>(0, nowNs() - displayedAtNs)));
    }
}

int64_t QmlVlcVideoStats::nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
