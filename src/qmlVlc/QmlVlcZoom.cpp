#include "QmlVlcZoom.h"

#include <algorithm>

QRectF QmlVlcZoom::clamp(const QRectF& source) {
    const qreal size = std::clamp(std::max(source.width(), source.height()), 1.0 / maxZoom, 1.0);
    const qreal x = std::clamp(source.x(), 0.0, 1.0 - size);
    const qreal y = std::clamp(source.y(), 0.0, 1.0 - size);
    return QRectF(x, y, size, size);
}

QRectF QmlVlcZoom::zoomAt(const QRectF& source, qreal by, const QPointF& point, const QRectF& target) {
    if (by <= 0 || target.isEmpty()) {
        return clamp(source);
    }
    const QRectF current = clamp(source);
    // Position of the point inside the drawn picture, 0..1 across it.
    const qreal fx = std::clamp((point.x() - target.x()) / target.width(), 0.0, 1.0);
    const qreal fy = std::clamp((point.y() - target.y()) / target.height(), 0.0, 1.0);
    const qreal u = current.x() + fx * current.width();
    const qreal v = current.y() + fy * current.height();
    const qreal size = std::clamp(current.width() / by, 1.0 / maxZoom, 1.0);
    return clamp(QRectF(u - fx * size, v - fy * size, size, size));
}

QRectF QmlVlcZoom::panBy(const QRectF& source, const QPointF& delta, const QRectF& target) {
    if (target.isEmpty()) {
        return clamp(source);
    }
    const QRectF current = clamp(source);
    return clamp(current.translated(-delta.x() / target.width() * current.width(),
                                    -delta.y() / target.height() * current.height()));
}

QRectF QmlVlcZoom::compose(const QRectF& texture, const QRectF& source) {
    return QRectF(texture.x() + source.x() * texture.width(), texture.y() + source.y() * texture.height(),
                  source.width() * texture.width(), source.height() * texture.height());
}

QRectF QmlVlcZoom::mapToItem(const QRectF& picture, const QRectF& source, const QRectF& target) {
    if (source.isEmpty()) {
        return QRectF();
    }
    const qreal sx = target.width() / source.width();
    const qreal sy = target.height() / source.height();
    return QRectF(target.x() + (picture.x() - source.x()) * sx, target.y() + (picture.y() - source.y()) * sy,
                  picture.width() * sx, picture.height() * sy);
}
