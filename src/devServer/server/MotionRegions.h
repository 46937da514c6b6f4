#pragma once

#include <QByteArray>
#include <QList>
#include <QRectF>

namespace DevServer {

// Frame differencing on small grey pictures: the areas that changed between two frames, as
// rectangles relative to the picture (0..1).
class MotionRegions {
public:
    struct Params {
        int pixelThreshold = 24;   // grey level change that counts as a changed pixel
        int cellSize = 8;          // pixels per side of a grid cell
        double cellFraction = 0.2; // share of changed pixels that makes a cell "moving"
    };
    // `previous` and `current` are width*height grey bytes; other sizes give no regions.
    static QList<QRectF> find(const QByteArray& previous, const QByteArray& current, int width, int height,
                              const Params& params);
    static QList<QRectF> find(const QByteArray& previous, const QByteArray& current, int width, int height) {
        return find(previous, current, width, height, Params());
    }
};

} // namespace DevServer
