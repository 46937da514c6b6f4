#include "DemoClipPicture.h"

#include <QLineF>
#include <QtMath>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr int clipWidth = 320;
constexpr int clipHeight = 240;
constexpr int squareSide = 48;
// Two moments whose squares lie within this many clip pixels fit a picture equally well.
constexpr double sameFitPx = 3.0;

bool isSquare(QRgb c) {
    return qRed(c) > 200 && qGreen(c) > 190 && qBlue(c) < 140;
}

// The clip's background (#203040), with room for scaling and colour conversion.
bool isBackground(QRgb c) {
    return qAbs(qRed(c) - 0x20) < 16 && qAbs(qGreen(c) - 0x30) < 16 && qAbs(qBlue(c) - 0x40) < 16;
}

QPointF squareAt(int frame) {
    const double t = double(frame) / DemoClipPicture::frameRate;
    return {std::fmod(t * 64.0, 272.0) + squareSide / 2.0,
            96.0 + 40.0 * std::sin(2.0 * t) + squareSide / 2.0};
}

// Distance between two moments of the clip, around its end.
double circularDistance(double a, double b) {
    const double d = std::fmod(std::abs(a - b), double(DemoClipPicture::clipMs));
    return std::min(d, DemoClipPicture::clipMs - d);
}

} // namespace

DemoClipPicture::DemoClipPicture(QObject* parent) : QObject(parent) {}

QPointF DemoClipPicture::squareCentre(const QImage& image, const QRect& area) {
    const QRect box = area.isNull() ? image.rect() : area.intersected(image.rect());
    double sumX = 0, sumY = 0;
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (isSquare(image.pixel(x, y))) {
                sumX += x, sumY += y, ++count;
            }
        }
    }
    return count < 20 ? QPointF(-1, -1) : QPointF(sumX / count, sumY / count);
}

double DemoClipPicture::clipTimeMs(const QImage& image, const QRect& area, double nearMs) {
    const QRect box = area.isNull() ? image.rect() : area.intersected(image.rect());
    // The picture's own rectangle inside the area (a fitted picture has borders around it).
    int left = std::numeric_limits<int>::max(), top = left, right = -1, bottom = -1;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (isBackground(c) || isSquare(c)) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
    }
    if (right - left < clipWidth / 8 || bottom - top < clipHeight / 8) {
        return -1;
    }
    const QRect picture(QPoint(left, top), QPoint(right, bottom));
    const QPointF centre = squareCentre(image, picture);
    if (centre.x() < 0) {
        return -1;
    }
    const QPointF inClip((centre.x() - left + 0.5) * clipWidth / picture.width(),
                         (centre.y() - top + 0.5) * clipHeight / picture.height());
    std::vector<double> distance;
    double best = std::numeric_limits<double>::max();
    for (int frame = 0; frame < clipMs * frameRate / 1000; ++frame) {
        distance.push_back(QLineF(inClip, squareAt(frame)).length());
        best = std::min(best, distance.back());
    }
    if (best > 2 * sameFitPx) {
        return -1;
    }
    // Of the places that fit (each the best of its own neighbourhood), the one nearest to the hint.
    const int frames = int(distance.size());
    double chosen = -1;
    for (int frame = 0; frame < frames; ++frame) {
        const double ms = frame * 1000.0 / frameRate;
        const double here = distance[size_t(frame)];
        const bool localBest = here <= distance[size_t((frame + frames - 1) % frames)] &&
                               here <= distance[size_t((frame + 1) % frames)];
        if (localBest && here <= best + sameFitPx &&
            (chosen < 0 || circularDistance(ms, nearMs) < circularDistance(chosen, nearMs))) {
            chosen = ms;
        }
    }
    return chosen;
}

double DemoClipPicture::timeIn(const QVariant& image, int x, int y, int width, int height,
                               double nearMs) const {
    const QImage picture = image.value<QImage>();
    if (picture.isNull()) {
        return -1;
    }
    return clipTimeMs(picture, QRect(x, y, width, height), nearMs);
}
