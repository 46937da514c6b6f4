#include "QmlVlcVideoStats.h"

QmlVlcVideoStats& QmlVlcVideoStats::instance() {
    static QmlVlcVideoStats stats;
    return stats;
}

void QmlVlcVideoStats::reset() {
    decoded = 0;
    presented = 0;
    uploaded = 0;
    reused = 0;
}
