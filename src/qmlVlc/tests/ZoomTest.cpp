// The arithmetic of the digital zoom: what part of the picture a zoom shows, and where picture
// rectangles (detections) land in the item.
#include "qmlVlc/QmlVlcZoom.h"

#include <gtest/gtest.h>

namespace {

void expectRect(const QRectF& actual, const QRectF& expected) {
    EXPECT_NEAR(actual.x(), expected.x(), 1e-9);
    EXPECT_NEAR(actual.y(), expected.y(), 1e-9);
    EXPECT_NEAR(actual.width(), expected.width(), 1e-9);
    EXPECT_NEAR(actual.height(), expected.height(), 1e-9);
}

const QRectF target(0, 0, 400, 300);

TEST(ZoomTest, ZoomKeepsThePictureUnderTheCursorAndStaysInsideThePicture) {
    // 4× at the centre of the top-left quarter shows the middle of that quarter.
    const QRectF quarter = QmlVlcZoom::zoomAt(QmlVlcZoom::full(), 4, QPointF(100, 75), target);
    expectRect(quarter, QRectF(0.1875, 0.1875, 0.25, 0.25));
    EXPECT_DOUBLE_EQ(QmlVlcZoom::factor(quarter), 4);
    // The point under the cursor is the same picture point before and after.
    const QRectF more = QmlVlcZoom::zoomAt(quarter, 1.5, QPointF(300, 30), target);
    const double before = quarter.x() + 0.75 * quarter.width();
    const double after = more.x() + 0.75 * more.width();
    EXPECT_NEAR(before, after, 1e-9);
    // At a corner the picture does not slide off: the shown part stays inside 0..1.
    expectRect(QmlVlcZoom::zoomAt(QmlVlcZoom::full(), 2, QPointF(400, 300), target),
               QRectF(0.5, 0.5, 0.5, 0.5));
    // No more than 8×, no less than the whole picture.
    QRectF r = QmlVlcZoom::full();
    for (int i = 0; i < 20; ++i) {
        r = QmlVlcZoom::zoomAt(r, 2, QPointF(10, 10), target);
    }
    EXPECT_DOUBLE_EQ(QmlVlcZoom::factor(r), QmlVlcZoom::maxZoom);
    for (int i = 0; i < 20; ++i) {
        r = QmlVlcZoom::zoomAt(r, 0.5, QPointF(10, 10), target);
    }
    expectRect(r, QmlVlcZoom::full());
    // Degenerate input keeps a valid rectangle.
    expectRect(QmlVlcZoom::zoomAt(QmlVlcZoom::full(), 0, QPointF(10, 10), target), QmlVlcZoom::full());
    expectRect(QmlVlcZoom::zoomAt(QmlVlcZoom::full(), 2, QPointF(10, 10), QRectF()), QmlVlcZoom::full());
}

TEST(ZoomTest, PanningFollowsTheMouseAndStopsAtTheEdges) {
    const QRectF quarter(0.25, 0.25, 0.5, 0.5);
    // Dragging right by a quarter of the item moves the view left by a quarter of what is shown.
    expectRect(QmlVlcZoom::panBy(quarter, QPointF(100, 0), target), QRectF(0.125, 0.25, 0.5, 0.5));
    expectRect(QmlVlcZoom::panBy(quarter, QPointF(4000, -4000), target), QRectF(0, 0.5, 0.5, 0.5));
    // The whole picture cannot be panned.
    expectRect(QmlVlcZoom::panBy(QmlVlcZoom::full(), QPointF(50, 50), target), QmlVlcZoom::full());
}

TEST(ZoomTest, PictureRectanglesFollowTheZoomAndTheFillMode) {
    // Unzoomed, a detection covers the same share of the drawn picture (letter-boxed at y 50).
    const QRectF drawn(0, 50, 400, 200);
    expectRect(QmlVlcZoom::mapToItem(QRectF(0.5, 0.5, 0.25, 0.25), QmlVlcZoom::full(), drawn),
               QRectF(200, 150, 100, 50));
    // Zoomed 2× on the bottom-right quarter: the same detection starts at the drawn corner, twice as big.
    expectRect(QmlVlcZoom::mapToItem(QRectF(0.5, 0.5, 0.25, 0.25), QRectF(0.5, 0.5, 0.5, 0.5), drawn),
               QRectF(0, 50, 200, 100));
    // A crop texture and a zoom compose: half of the middle half.
    expectRect(QmlVlcZoom::compose(QRectF(0.25, 0, 0.5, 1), QRectF(0.5, 0, 0.5, 0.5)),
               QRectF(0.5, 0, 0.25, 0.5));
}

} // namespace
