// Format negotiation, the bounded frame pool, surfaces and the fill-mode rectangles.
#include "DrivenOutput.h"
#include "VlcTestSupport.h"
#include "qmlVlc/QSGVlcVideoFrameMaterialShader.h"
#include "qmlVlc/QmlVlcPlayer.h"
#include "qmlVlc/QmlVlcVideoStats.h"
#include "qmlVlc/QmlVlcVideoSurface.h"
#include "qmlVlc/vlc/player.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QVector4D>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

TEST(QmlVlcVideoOutput, NegotiatesEvenSizesAndRowsPaddedToFourBytes) {
    DrivenOutput output;
    unsigned pitches[3] = {};
    unsigned lines[3] = {};
    EXPECT_EQ(output.format(1919, 1079, pitches, lines), 3u);
    EXPECT_EQ(pitches[0], 1920u);
    EXPECT_EQ(pitches[1], 960u);
    EXPECT_EQ(pitches[2], 960u);
    EXPECT_EQ(lines[0], 1080u);
    EXPECT_EQ(lines[1], 540u);
    EXPECT_EQ(lines[2], 540u);

    output.format(642, 360, pitches, lines);
    EXPECT_EQ(pitches[0], 644u);
    EXPECT_EQ(pitches[1], 324u);
    EXPECT_EQ(pitches[2], 324u);
    EXPECT_EQ(lines[1], 180u);
}

TEST(QmlVlcVideoOutput, SurfacesGetTheNewestPictureAndANullOneAfterCleanup) {
    DrivenOutput output;
    QmlVlcVideoSurface first;
    QmlVlcVideoSurface second;
    output.addVideoSurface(&first);
    output.addVideoSurface(&second);
    output.addVideoSurface(&first);
    EXPECT_EQ(output.surfaces().size(), 2) << "a surface is listed once";

    unsigned pitches[3];
    unsigned lines[3];
    output.format(64, 48, pitches, lines);
    output.decode(1);
    output.decode(2);
    QCoreApplication::processEvents();
    ASSERT_TRUE(first.currentFrame());
    EXPECT_EQ(first.currentFrame()->yPlane[0], 2) << "only the newest picture is shown";
    EXPECT_EQ(first.currentFrame(), second.currentFrame());
    EXPECT_EQ(first.currentFrame()->width, 64);
    EXPECT_EQ(first.currentFrame()->uPlane, first.currentFrame()->yPlane + 64 * 48);

    output.video_cleanup_cb();
    QCoreApplication::processEvents();
    EXPECT_FALSE(first.currentFrame());
    EXPECT_FALSE(second.currentFrame());
    output.removeVideoSurface(&first);
    output.removeVideoSurface(&second);
}

TEST(QmlVlcVideoOutput, PoolStaysBoundedWhenTheRenderPathHoldsEveryFrame) {
    DrivenOutput output;
    QmlVlcVideoSurface surface;
    output.addVideoSurface(&surface);
    unsigned pitches[3];
    unsigned lines[3];
    output.format(64, 48, pitches, lines);
    QmlVlcVideoStats::instance().reset();

    // A render path that never lets go of anything it was shown.
    std::vector<std::shared_ptr<const QmlVlcI420Frame>> held;
    for (int i = 0; i < 100; ++i) {
        output.decode(static_cast<char>(i));
        QCoreApplication::processEvents();
        held.push_back(surface.currentFrame());
    }
    EXPECT_LE(output.poolSize(), QmlVlcVideoOutput::maxPoolFrames);
    EXPECT_GT(QmlVlcVideoStats::instance().reused.load(), 0u);

    // Frames that libvlc still decodes into are never handed out twice.
    void* planesA[3];
    void* planesB[3];
    void* a = output.video_lock_cb(planesA);
    void* b = output.video_lock_cb(planesB);
    EXPECT_NE(planesA[0], planesB[0]);
    output.video_unlock_cb(a, planesA);
    output.video_unlock_cb(b, planesB);
    output.removeVideoSurface(&surface);
}

TEST(QmlVlcVideoOutput, AFormatChangeNeverHandsOutAFrameOfTheOldSize) {
    DrivenOutput output;
    QmlVlcVideoSurface surface;
    output.addVideoSurface(&surface);
    unsigned pitches[3];
    unsigned lines[3];
    output.format(32, 16, pitches, lines);
    output.decode(1);
    output.format(320, 240, pitches, lines);
    output.decode(2);
    QCoreApplication::processEvents();
    ASSERT_TRUE(surface.currentFrame());
    EXPECT_EQ(surface.currentFrame()->width, 320);
    EXPECT_EQ(surface.currentFrame()->frameBuf.size(), 320 * 240 * 3 / 2);
    output.removeVideoSurface(&surface);
}

TEST(QmlVlcVideoOutput, LockBeforeAnyFormatGivesNoBuffer) {
    DrivenOutput output;
    void* planes[3] = {&planes, &planes, &planes};
    EXPECT_EQ(output.video_lock_cb(planes), nullptr);
    EXPECT_EQ(planes[0], nullptr);
    output.video_display_cb(reinterpret_cast<void*>(7)); // an unknown id is ignored
    output.video_unlock_cb(reinterpret_cast<void*>(7), planes);
}

TEST(QmlVlcVideoSurface, FillModeRectangles) {
    QRectF target;
    QRectF texture;
    const QSizeF square(400, 400);
    const QSizeF wide(1920, 1080);

    QmlVlcVideoSurface::fillRects(QmlVlcVideoSurface::Stretch, square, wide, &target, &texture);
    EXPECT_EQ(target, QRectF(0, 0, 400, 400));
    EXPECT_EQ(texture, QRectF(0, 0, 1, 1));

    QmlVlcVideoSurface::fillRects(QmlVlcVideoSurface::PreserveAspectFit, square, wide, &target, &texture);
    EXPECT_DOUBLE_EQ(target.width(), 400);
    EXPECT_DOUBLE_EQ(target.height(), 225);
    EXPECT_DOUBLE_EQ(target.y(), 87.5) << "letter-boxed, centred";
    EXPECT_EQ(texture, QRectF(0, 0, 1, 1));

    QmlVlcVideoSurface::fillRects(QmlVlcVideoSurface::PreserveAspectFit, QSizeF(800, 300), QSizeF(400, 300),
                                  &target, &texture);
    EXPECT_EQ(target, QRectF(200, 0, 400, 300)) << "pillar-boxed";

    QmlVlcVideoSurface::fillRects(QmlVlcVideoSurface::PreserveAspectCrop, square, wide, &target, &texture);
    EXPECT_EQ(target, QRectF(0, 0, 400, 400));
    EXPECT_DOUBLE_EQ(texture.left(), 0.21875);
    EXPECT_DOUBLE_EQ(texture.right(), 0.78125);
    EXPECT_DOUBLE_EQ(texture.height(), 1);

    QmlVlcVideoSurface::fillRects(QmlVlcVideoSurface::PreserveAspectCrop, QSizeF(600, 300), QSizeF(300, 300),
                                  &target, &texture);
    EXPECT_DOUBLE_EQ(texture.top(), 0.25);
    EXPECT_DOUBLE_EQ(texture.bottom(), 0.75);
}

TEST(QmlVlcVideoSurface, SourceChangesDetachAndDropThePicture) {
    VlcTestSupport::configureQuietLibvlc();
    qRegisterMetaType<QmlVlcVideoSurface::FillMode>("QmlVlcVideoSurface::FillMode");
    QmlVlcPlayer a;
    QmlVlcPlayer b;
    QmlVlcVideoSurface surface;
    QSignalSpy changed(&surface, &QmlVlcVideoSurface::sourceChanged);
    QSignalSpy fill(&surface, &QmlVlcVideoSurface::fillModeChanged);
    surface.setSource(&a);
    surface.setSource(&a);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(a.videoOutput().surfaces().size(), 1);
    surface.presentFrame(std::make_shared<QmlVlcI420Frame>());
    surface.setSource(&b);
    EXPECT_TRUE(a.videoOutput().surfaces().isEmpty());
    EXPECT_EQ(b.videoOutput().surfaces().size(), 1);
    EXPECT_FALSE(surface.currentFrame());
    surface.setFillMode(QmlVlcVideoSurface::PreserveAspectFit);
    surface.setFillMode(QmlVlcVideoSurface::Stretch);
    EXPECT_EQ(fill.count(), 1);
    {
        QmlVlcVideoSurface temporary;
        temporary.setSource(&b);
        EXPECT_EQ(b.videoOutput().surfaces().size(), 2);
    }
    EXPECT_EQ(b.videoOutput().surfaces().size(), 1) << "a destroyed surface detaches itself";
    surface.setSource(nullptr);
    EXPECT_TRUE(b.videoOutput().surfaces().isEmpty());
}

TEST(QSGVlcVideoFrameMaterialShader, ColourMatrixIsLimitedRangeBt601) {
    const QMatrix4x4 m = QSGVlcVideoFrameMaterialShader::rgbMatrix();
    // Row vector (y - 1/16, u - 1/2, v - 1/2, 1) times the matrix.
    auto rgb = [&](float y, float u, float v) {
        const QVector4D in(y - 0.0625f, u - 0.5f, v - 0.5f, 1.f);
        return in * m;
    };
    const QVector4D white = rgb(235 / 255.f, 0.5f, 0.5f);
    EXPECT_NEAR(white.x(), 1.0, 0.01);
    EXPECT_NEAR(white.y(), 1.0, 0.01);
    EXPECT_NEAR(white.z(), 1.0, 0.01);
    EXPECT_FLOAT_EQ(white.w(), 1.f);
    // Pure red in limited-range BT.601: Y 81, U 90, V 240.
    const QVector4D red = rgb(81 / 255.f, 90 / 255.f, 240 / 255.f);
    EXPECT_NEAR(red.x(), 1.0, 0.02);
    EXPECT_NEAR(red.y(), 0.0, 0.02);
    EXPECT_NEAR(red.z(), 0.0, 0.02);
}

} // namespace
