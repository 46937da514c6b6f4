// The software render path: libvlc's RGB pictures at the tile's size, drawn by Qt Quick's software
// scene graph; and live players that stop decoding while none of their surfaces is seen.
#include "MpegTsSender.h"
#include "VlcTestSupport.h"
#include "qmlVlc/QmlVlcPlayer.h"
#include "qmlVlc/QmlVlcRenderPath.h"
#include "qmlVlc/QmlVlcTypes.h"
#include "qmlVlc/QmlVlcVideoOutput.h"
#include "qmlVlc/QmlVlcVideoSurface.h"

#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

using VlcTestSupport::mediaPath;
using VlcTestSupport::waitUntil;

namespace {

TEST(SoftwarePictureSize, PicturesJustCoverTheSurfaceKeepTheirAspectAndAreNeverEnlarged) {
    using Output = QmlVlcVideoOutput;
    // 640x360 into a 320x180 tile: exactly the tile.
    EXPECT_EQ(Output::rgbPictureSize({640, 360}, {320, 180}), QSize(320, 180));
    // 4:3 picture into a 16:9 tile: covers the tile's width, keeps 4:3.
    EXPECT_EQ(Output::rgbPictureSize({640, 480}, {320, 180}), QSize(320, 240));
    // A tall, narrow tile needs the full height.
    EXPECT_EQ(Output::rgbPictureSize({640, 360}, {100, 360}), QSize(640, 360));
    // Bigger surface than picture, or no surface yet: the picture as it is.
    EXPECT_EQ(Output::rgbPictureSize({640, 360}, {1920, 1080}), QSize(640, 360));
    EXPECT_EQ(Output::rgbPictureSize({640, 360}, {}), QSize(640, 360));
    // Odd results are made even.
    EXPECT_EQ(Output::rgbPictureSize({1280, 720}, {333, 100}), QSize(334, 188));
    EXPECT_TRUE(Output::rgbPictureSize({}, {320, 180}).isEmpty());
}

const char* const scene = R"(
import QtQuick 2.15
import QtQuick.Window 2.15
import QmlVlc 0.1
Window {
    width: 80; height: 45; visible: true; color: "black"
    property alias player: player
    property alias surface: surface
    VlcPlayer { id: player }
    VlcVideoSurface {
        id: surface
        anchors.fill: parent
        source: player
        fillMode: VlcVideoSurface.Stretch
    }
}
)";

class SoftwarePath : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Before the first window: the scene graph backend is chosen once per process.
        QmlVlcRenderPath::apply(QmlVlcRenderPath::Software);
        QmlVlcTypes::registerTypes();
    }
    void SetUp() override {
        VlcTestSupport::configureQuietLibvlc();
        engine = std::make_unique<QQmlEngine>();
        QQmlComponent component(engine.get());
        component.setData(scene, QUrl());
        root.reset(component.create());
        ASSERT_TRUE(root) << component.errorString().toStdString();
        window = qobject_cast<QQuickWindow*>(root.get());
        player = qobject_cast<QmlVlcPlayer*>(root->property("player").value<QObject*>());
        surface = qobject_cast<QmlVlcVideoSurface*>(root->property("surface").value<QObject*>());
        ASSERT_TRUE(window && player && surface);
        ASSERT_TRUE(waitUntil([&] { return window->isExposed(); }, 5000));
    }
    void TearDown() override {
        if (player) {
            player->stop();
        }
        root.reset();
        engine.reset();
    }

    std::unique_ptr<QQmlEngine> engine;
    std::unique_ptr<QObject> root;
    QQuickWindow* window = nullptr;
    QmlVlcPlayer* player = nullptr;
    QmlVlcVideoSurface* surface = nullptr;
};

TEST_F(SoftwarePath, RgbPicturesComeAtTheSurfacesSize) {
    ASSERT_EQ(window->rendererInterface()->graphicsApi(), QSGRendererInterface::Software);
    player->play(mediaPath("solid.mp4"));
    ASSERT_TRUE(waitUntil([&] { return surface->currentFrame() != nullptr; }, 15000));
    const auto frame = surface->currentFrame();
    EXPECT_TRUE(frame->rgb);
    // 160x120 shown in 80x45: scaled by libvlc to cover the surface, aspect kept.
    EXPECT_EQ(frame->width, 80);
    EXPECT_EQ(frame->height, 60);
    EXPECT_EQ(frame->rgbPitch(), 80 * 4);
    // libvlc converted the colour: #C04020 in B, G, R, X order.
    const auto* pixel = reinterpret_cast<const uchar*>(frame->yPlane) + 30 * frame->rgbPitch() + 40 * 4;
    EXPECT_NEAR(pixel[2], 0xC0, 10);
    EXPECT_NEAR(pixel[1], 0x40, 10);
    EXPECT_NEAR(pixel[0], 0x20, 10);
}

TEST_F(SoftwarePath, AHiddenLivePlayerStopsDecodingKeepsItsPictureAndResumesWhenShown) {
    // A live stream: it goes on arriving while its picture is not decoded.
    QTemporaryDir dir;
    const quint16 port = MpegTsSender::freePort();
    ASSERT_NE(port, 0);
    const QString sdp = dir.filePath("cam.sdp");
    QFile file(sdp);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(MpegTsSender::description("127.0.0.1", port));
    file.close();
    MpegTsSender sender(mediaPath("pattern.mp4"), port);
    player->setLiveProfile(true);
    player->setHiddenSuspendMs(300);
    player->play(QUrl::fromLocalFile(sdp).toString());
    QmlVlcVideoOutput& output = player->videoOutput();
    ASSERT_TRUE(waitUntil([&] { return output.displayedCount() > 5; }, 15000));
    EXPECT_TRUE(player->isDecoding());

    surface->setVisible(false);
    ASSERT_TRUE(waitUntil([&] { return !player->isDecoding(); }, 5000)) << "still decoding while hidden";
    waitUntil([] { return false; }, 500);
    const uint64_t stoppedAt = output.displayedCount();
    waitUntil([] { return false; }, 1000);
    EXPECT_EQ(output.displayedCount(), stoppedAt) << "pictures still decoded while hidden";
    EXPECT_EQ(player->state(), QmlVlcPlayerProxy::Playing) << "the stream itself goes on";
    EXPECT_TRUE(surface->currentFrame()) << "the last picture stays";

    surface->setVisible(true);
    EXPECT_TRUE(player->isDecoding());
    EXPECT_TRUE(waitUntil([&] { return output.displayedCount() > stoppedAt + 5; }, 10000))
        << "decoding did not resume";
}

TEST_F(SoftwarePath, OtherPlayersAndShortGlancesDoNotStopDecoding) {
    player->setHiddenSuspendMs(300);
    player->play(mediaPath("solid.mp4"));
    QmlVlcVideoOutput& output = player->videoOutput();
    ASSERT_TRUE(waitUntil([&] { return output.displayedCount() > 5; }, 15000));
    // Not live (an archive player): hiding does not stop it.
    surface->setVisible(false);
    waitUntil([] { return false; }, 800);
    EXPECT_TRUE(player->isDecoding());
    const uint64_t hiddenAt = output.displayedCount();
    waitUntil([] { return false; }, 500);
    EXPECT_GT(output.displayedCount(), hiddenAt);

    // Live, hidden for less than the delay: nothing stops.
    surface->setVisible(true);
    player->setLiveProfile(true);
    player->setHiddenSuspendMs(3000);
    surface->setVisible(false);
    waitUntil([] { return false; }, 500);
    surface->setVisible(true);
    waitUntil([] { return false; }, 3000);
    EXPECT_TRUE(player->isDecoding());
}

} // namespace
