// Real pixels: a VlcVideoSurface in a Qt Quick window under X shows a playing clip.
#include "VlcTestSupport.h"
#include "qmlVlc/QmlVlcPlayer.h"
#include "qmlVlc/QmlVlcTypes.h"
#include "qmlVlc/QmlVlcVideoStats.h"
#include "qmlVlc/QmlVlcVideoSurface.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using VlcTestSupport::mediaPath;
using VlcTestSupport::waitUntil;

namespace {

const char* const scene = R"(
import QtQuick 2.15
import QtQuick.Window 2.15
import QmlVlc 0.1
Window {
    width: 240; height: 180; visible: true; color: "black"
    property alias player: player
    property alias surface: surface
    VlcPlayer { id: player }
    VlcVideoSurface {
        id: surface
        objectName: "surface"
        anchors.fill: parent
        source: player
        fillMode: VlcVideoSurface.Stretch
    }
}
)";

// The quarters clip: red, green / blue, white.
enum Colour { Red, Green, Blue, White, Other };

Colour colourOf(QRgb p) {
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    if (r > 180 && g < 80 && b < 80) {
        return Red;
    }
    if (g > 180 && r < 80 && b < 80) {
        return Green;
    }
    if (b > 180 && r < 80 && g < 80) {
        return Blue;
    }
    if (r > 180 && g > 180 && b > 180) {
        return White;
    }
    return Other;
}

class VideoSurfaceRenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        VlcTestSupport::configureQuietLibvlc();
        static bool registered = false;
        if (!registered) {
            QmlVlcTypes::registerTypes();
            QmlVlcTypes::registerPlayerState();
            registered = true;
        }
        engine = std::make_unique<QQmlEngine>();
        QQmlComponent component(engine.get());
        component.setData(scene, QUrl());
        root.reset(component.create());
        ASSERT_TRUE(root) << component.errorString().toStdString();
        window = qobject_cast<QQuickWindow*>(root.get());
        ASSERT_TRUE(window);
        player = qobject_cast<QmlVlcPlayer*>(root->property("player").value<QObject*>());
        surface = qobject_cast<QmlVlcVideoSurface*>(root->property("surface").value<QObject*>());
        ASSERT_TRUE(player && surface);
        ASSERT_TRUE(waitUntil([&] { return window->isExposed(); }, 5000));
    }

    void TearDown() override {
        root.reset();
        engine.reset();
    }

    QRgb centre() {
        const QImage image = window->grabWindow();
        lastGrab = image;
        return image.pixel(image.width() / 2, image.height() / 2);
    }

    std::unique_ptr<QQmlEngine> engine;
    std::unique_ptr<QObject> root;
    QQuickWindow* window = nullptr;
    QmlVlcPlayer* player = nullptr;
    QmlVlcVideoSurface* surface = nullptr;
    QImage lastGrab;
    QImage grab;

    // Four coloured quarters, stretched over a 320×240 window, for checks of what part is shown.
    void showQuarters() {
        window->resize(320, 240);
        surface->setFillMode(QmlVlcVideoSurface::Stretch);
        player->play(mediaPath("quarters.mp4"));
        ASSERT_TRUE(waitUntil([&] { return surface->currentFrame() != nullptr; }, 15000));
    }
    // Colours at the centres of the four quarters of the window: top-left, top-right, bottom-left,
    // bottom-right.
    std::vector<Colour> quarters() {
        grab = window->grabWindow();
        const int w = grab.width(), h = grab.height();
        return {colourOf(grab.pixel(w / 4, h / 4)), colourOf(grab.pixel(3 * w / 4, h / 4)),
                colourOf(grab.pixel(w / 4, 3 * h / 4)), colourOf(grab.pixel(3 * w / 4, 3 * h / 4))};
    }
    bool showsQuarters(const std::vector<Colour>& expected) {
        return waitUntil([&] { return quarters() == expected; }, 5000);
    }
};

TEST_F(VideoSurfaceRenderTest, ASolidColourClipShowsItsColourAndClearingTheSourceTurnsItBlack) {
    const uint64_t uploadsBefore = QmlVlcVideoStats::instance().uploaded;
    player->play(mediaPath("solid.mp4"));
    ASSERT_TRUE(waitUntil([&] { return surface->currentFrame() != nullptr; }, 15000));
    ASSERT_TRUE(waitUntil(
        [&] {
            const QRgb c = centre();
            return QmlVlcVideoStats::instance().uploaded > uploadsBefore && qRed(c) > 100;
        },
        10000));
    const QRgb c = centre();
    // The clip is #C04020; 4:2:0 and limited range cost a few steps.
    EXPECT_NEAR(qRed(c), 0xC0, 8);
    EXPECT_NEAR(qGreen(c), 0x40, 8);
    EXPECT_NEAR(qBlue(c), 0x20, 8);
    // Stretch fills the whole window, corners included.
    const QRgb corner = lastGrab.pixel(2, 2);
    EXPECT_NEAR(qRed(corner), 0xC0, 8);

    surface->setSource(nullptr);
    EXPECT_FALSE(surface->currentFrame());
    const QRgb cleared = centre();
    EXPECT_LT(qRed(cleared) + qGreen(cleared) + qBlue(cleared), 10) << "no node: the black window shows";
    player->stop();
}

TEST_F(VideoSurfaceRenderTest, APlayingPatternFitsTheWindowAndIsSaved) {
    surface->setFillMode(QmlVlcVideoSurface::PreserveAspectFit);
    window->resize(400, 180);
    player->play(mediaPath("pattern.mp4"));
    ASSERT_TRUE(waitUntil([&] { return surface->currentFrame() != nullptr; }, 15000));
    // The visible picture, not the decoder's padded one (which libvlc would stretch into).
    EXPECT_EQ(surface->currentFrame()->width, 320);
    EXPECT_EQ(surface->currentFrame()->height, 240);
    waitUntil([] { return false; }, 500);
    const QImage image = window->grabWindow();
    image.save(QStringLiteral(OKULON_TEST_OUTPUT_DIR "/vlcVideoSurface.png"));
    // 4:3 picture in a 400x180 window: pillar-boxed, 240 wide and centred, black at both sides.
    const QRgb left = image.pixel(20, 90);
    const QRgb right = image.pixel(380, 90);
    EXPECT_LT(qRed(left) + qGreen(left) + qBlue(left), 10);
    EXPECT_LT(qRed(right) + qGreen(right) + qBlue(right), 10);
    int lit = 0;
    for (int x = 90; x < 310; x += 10) {
        const QRgb p = image.pixel(x, 90);
        lit += (qRed(p) + qGreen(p) + qBlue(p)) > 60 ? 1 : 0;
    }
    EXPECT_GT(lit, 15) << "the picture itself is drawn";
    player->stop();
}

// Digital zoom: a zoomed surface shows that part of the picture; reset shows it all.
TEST_F(VideoSurfaceRenderTest, ZoomShowsThatPartOfThePictureAndResetShowsItAll) {
    showQuarters();
    ASSERT_TRUE(showsQuarters({Red, Green, Blue, White})) << "the unzoomed picture";

    // 4× around the middle of the top-left quarter: only red is left, in every corner of the window.
    surface->zoomAt(4, QPointF(80, 60));
    EXPECT_DOUBLE_EQ(surface->zoom(), 4);
    ASSERT_TRUE(showsQuarters({Red, Red, Red, Red}));
    for (const QPoint& corner : {QPoint(3, 3), QPoint(316, 3), QPoint(3, 236), QPoint(316, 236)}) {
        EXPECT_EQ(colourOf(grab.pixel(corner)), Red) << corner.x() << "," << corner.y();
    }
    grab.save(QStringLiteral(OKULON_TEST_OUTPUT_DIR "/zoomedQuarter.png"));

    // From there, panning right by the whole window moves a quarter of the picture into view: green.
    surface->panBy(QPointF(-320 * 3, 0));
    EXPECT_TRUE(showsQuarters({Green, Green, Green, Green}));

    // Reset, then 4× on the middle of the top edge's quarter line: the top half's red and green,
    // side by side, fill the window from top to bottom.
    surface->resetZoom();
    ASSERT_TRUE(showsQuarters({Red, Green, Blue, White}));
    surface->zoomAt(4, QPointF(160, 60));
    EXPECT_TRUE(showsQuarters({Red, Green, Red, Green}));
    EXPECT_NEAR(surface->sourceRect().x(), 0.375, 1e-9);
    EXPECT_NEAR(surface->sourceRect().y(), 0.1875, 1e-9);
    surface->resetZoom();
    EXPECT_DOUBLE_EQ(surface->zoom(), 1);
    EXPECT_TRUE(showsQuarters({Red, Green, Blue, White}));
}

// A lost live stream keeps its last picture on a tile that asks for it; another source clears it.
TEST_F(VideoSurfaceRenderTest, TheLastPictureStaysWhenThePlayerStopsIfAsked) {
    surface->setHoldLastFrame(true);
    showQuarters();
    ASSERT_TRUE(showsQuarters({Red, Green, Blue, White}));
    const double frames = surface->frameCount();
    EXPECT_GT(frames, 0);
    player->stop();
    waitUntil([] { return false; }, 800);
    EXPECT_TRUE(surface->currentFrame() != nullptr);
    EXPECT_TRUE(showsQuarters({Red, Green, Blue, White})) << "the stopped player's last picture";
    EXPECT_EQ(surface->frameCount(), frames) << "no new pictures counted";
    EXPECT_GE(surface->msSinceLastFrame(), 700);
    surface->setSource(nullptr);
    EXPECT_FALSE(surface->currentFrame());
    EXPECT_LT(surface->msSinceLastFrame(), 0) << "a new source starts without a picture";
}

} // namespace
