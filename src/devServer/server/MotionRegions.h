#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
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
        QByteArray mask;           // width*height bytes, 0 = outside the region of interest; empty = all
        double minArea = 0;        // smallest reported region, as a share of the picture (0..1)
    };
    // The detection settings of the motion module: "sensitivity" (1..100, higher finds smaller
    // changes), "minArea" (percent of the picture) and "roi" (a polygon of frame-relative points).
    // Values that are missing or of the wrong kind keep the defaults.
    static Params fromModuleValues(const QJsonObject& values, int width, int height);
    // Bytes of a width*height picture inside the polygon (points 0..1); empty for fewer than 3 points
    // or a polygon that covers the whole picture.
    static QByteArray polygonMask(const QJsonArray& points, int width, int height);
    // `previous` and `current` are width*height grey bytes; other sizes give no regions.
    static QList<QRectF> find(const QByteArray& previous, const QByteArray& current, int width, int height,
                              const Params& params);
    static QList<QRectF> find(const QByteArray& previous, const QByteArray& current, int width, int height) {
        return find(previous, current, width, height, Params());
    }
};

} // namespace DevServer
