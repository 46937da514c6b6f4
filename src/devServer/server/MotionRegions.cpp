#include "MotionRegions.h"

#include <QPointF>
#include <QVector>
#include <cstdlib>

namespace DevServer {

QList<QRectF> MotionRegions::find(const QByteArray& previous, const QByteArray& current, int width,
                                  int height, const Params& params) {
    QList<QRectF> regions;
    const qint64 size = qint64(width) * height;
    if (width <= 0 || height <= 0 || previous.size() != size || current.size() != size ||
        params.cellSize <= 0) {
        return regions;
    }
    const int cols = (width + params.cellSize - 1) / params.cellSize;
    const int rows = (height + params.cellSize - 1) / params.cellSize;
    QVector<int> changed(cols * rows, 0);
    const auto* a = reinterpret_cast<const uchar*>(previous.constData());
    const auto* b = reinterpret_cast<const uchar*>(current.constData());
    const bool masked = params.mask.size() == size;
    const auto* inside = reinterpret_cast<const uchar*>(params.mask.constData());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int i = y * width + x;
            if (masked && inside[i] == 0) {
                continue;
            }
            if (std::abs(int(a[i]) - int(b[i])) > params.pixelThreshold) {
                ++changed[(y / params.cellSize) * cols + x / params.cellSize];
            }
        }
    }
    QVector<bool> moving(cols * rows, false);
    for (int cy = 0; cy < rows; ++cy) {
        for (int cx = 0; cx < cols; ++cx) {
            const int w = qMin(params.cellSize, width - cx * params.cellSize);
            const int h = qMin(params.cellSize, height - cy * params.cellSize);
            moving[cy * cols + cx] = changed[cy * cols + cx] > params.cellFraction * w * h;
        }
    }
    // Neighbouring moving cells (8-connected) make one region: its bounding box.
    QVector<bool> seen(cols * rows, false);
    QVector<int> stack;
    for (int start = 0; start < cols * rows; ++start) {
        if (!moving[start] || seen[start]) {
            continue;
        }
        int minX = cols, minY = rows, maxX = -1, maxY = -1;
        stack = {start};
        seen[start] = true;
        while (!stack.isEmpty()) {
            const int cell = stack.takeLast();
            const int cx = cell % cols;
            const int cy = cell / cols;
            minX = qMin(minX, cx), maxX = qMax(maxX, cx), minY = qMin(minY, cy), maxY = qMax(maxY, cy);
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = cx + dx;
                    const int ny = cy + dy;
                    if (nx < 0 || ny < 0 || nx >= cols || ny >= rows) {
                        continue;
                    }
                    const int next = ny * cols + nx;
                    if (moving[next] && !seen[next]) {
                        seen[next] = true;
                        stack.append(next);
                    }
                }
            }
        }
        const double x0 = double(minX * params.cellSize) / width;
        const double y0 = double(minY * params.cellSize) / height;
        const double x1 = qMin(1.0, double((maxX + 1) * params.cellSize) / width);
        const double y1 = qMin(1.0, double((maxY + 1) * params.cellSize) / height);
        if ((x1 - x0) * (y1 - y0) >= params.minArea) {
            regions.append(QRectF(x0, y0, x1 - x0, y1 - y0));
        }
    }
    return regions;
}

MotionRegions::Params MotionRegions::fromModuleValues(const QJsonObject& values, int width, int height) {
    Params params;
    const QJsonValue sensitivity = values.value(QStringLiteral("sensitivity"));
    if (sensitivity.isDouble()) {
        // 50 keeps the defaults; 100 counts faint changes of a few pixels, 1 only strong large ones.
        const double s = qBound(1.0, sensitivity.toDouble(), 100.0);
        params.pixelThreshold = int(4 + (100 - s) * 0.4 + 0.5);
        params.cellFraction = 0.02 + (100 - s) * 0.0036;
    }
    const QJsonValue minArea = values.value(QStringLiteral("minArea"));
    if (minArea.isDouble()) {
        params.minArea = qBound(0.0, minArea.toDouble(), 100.0) / 100.0;
    }
    const QJsonValue roi = values.value(QStringLiteral("roi"));
    if (roi.isArray()) {
        params.mask = polygonMask(roi.toArray(), width, height);
    }
    return params;
}

QByteArray MotionRegions::polygonMask(const QJsonArray& points, int width, int height) {
    QVector<QPointF> polygon;
    for (const QJsonValue& point : points) {
        const QJsonObject p = point.toObject();
        if (!p.value("x").isDouble() || !p.value("y").isDouble()) {
            return QByteArray();
        }
        polygon.append(QPointF(p.value("x").toDouble() * width, p.value("y").toDouble() * height));
    }
    if (polygon.size() < 3 || width <= 0 || height <= 0) {
        return QByteArray();
    }
    QByteArray mask(width * height, char(0));
    bool everything = true;
    for (int y = 0; y < height; ++y) {
        const double py = y + 0.5;
        for (int x = 0; x < width; ++x) {
            const double px = x + 0.5;
            // Even-odd crossing test at the pixel centre.
            bool in = false;
            for (int i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
                const QPointF& a = polygon[i];
                const QPointF& b = polygon[j];
                if ((a.y() > py) != (b.y() > py) &&
                    px < (b.x() - a.x()) * (py - a.y()) / (b.y() - a.y()) + a.x()) {
                    in = !in;
                }
            }
            mask[y * width + x] = char(in ? 1 : 0);
            everything = everything && in;
        }
    }
    return everything ? QByteArray() : mask;
}

} // namespace DevServer
