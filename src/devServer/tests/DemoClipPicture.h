#pragma once

#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRect>
#include <QVariant>

// Reads the demo clip (scripts/make-demo-clip) back from a picture of it: where its bright square is,
// and from that which moment of the clip the picture shows. The square's path is the clip's own
// formula, x = (64 t) mod 272 and y = 96 + 40 sin(2 t), so a picture tells its time to within a frame.
class DemoClipPicture : public QObject {
    Q_OBJECT
public:
    static constexpr int clipMs = 10000;
    static constexpr int frameRate = 15;

    explicit DemoClipPicture(QObject* parent = nullptr);

    // Centre of the square (#F0E060) in `area` of `image`; (-1, -1) when not seen.
    static QPointF squareCentre(const QImage& image, const QRect& area = QRect());
    // Milliseconds into the clip that the picture in `area` shows, -1 when the clip is not seen there.
    // The square's path passes some places twice: of the moments that fit the picture equally
    // well, the one nearest to `nearMs` (taken modulo the clip length) is chosen.
    static double clipTimeMs(const QImage& image, const QRect& area, double nearMs);

    // The same for QML: `image` is a grab result's image, the area is given in its pixels.
    Q_INVOKABLE double timeIn(const QVariant& image, int x, int y, int width, int height,
                              double nearMs) const;
};
