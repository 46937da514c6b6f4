#pragma once

#include <QPointF>
#include <QRectF>

// Digital zoom of a picture: the part of the picture shown, as a rectangle in the picture's
// texture coordinates (0..1), kept inside the picture and no smaller than 1/maxZoom of it.
class QmlVlcZoom {
public:
    static constexpr qreal maxZoom = 8.0;

    static QRectF full() { return QRectF(0, 0, 1, 1); }
    // The zoom factor a source rectangle shows (1 for the whole picture).
    static qreal factor(const QRectF& source) { return source.width() > 0 ? 1.0 / source.width() : 1.0; }
    // Zooms by `by` (>1 in, <1 out) so that the picture point under `point` (item coordinates, the
    // picture drawn in `target`) stays under it.
    static QRectF zoomAt(const QRectF& source, qreal by, const QPointF& point, const QRectF& target);
    // Moves the shown part with the mouse: `delta` in item coordinates.
    static QRectF panBy(const QRectF& source, const QPointF& delta, const QRectF& target);
    // Source rectangle kept inside the picture, zoom between 1 and maxZoom.
    static QRectF clamp(const QRectF& source);
    // The texture rectangle to draw: `source` taken inside the fill mode's `texture` part.
    static QRectF compose(const QRectF& texture, const QRectF& source);
    // Where a picture rectangle (texture coordinates) appears in item coordinates.
    static QRectF mapToItem(const QRectF& picture, const QRectF& source, const QRectF& target);
};
