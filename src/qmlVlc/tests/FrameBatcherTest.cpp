// Pictures of several outputs reach their surfaces together, without holding a lone or a silent
// output back and without presenting to an output that is gone.
#include "DrivenOutput.h"
#include "VlcTestSupport.h"
#include "qmlVlc/QmlVlcFrameBatcher.h"
#include "qmlVlc/QmlVlcVideoSurface.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

namespace {

// An output with a surface of its own; `shown()` is the first byte of the picture on the surface.
struct Tile {
    DrivenOutput output;
    QmlVlcVideoSurface surface;
    Tile() {
        output.addVideoSurface(&surface);
        output.smallFormat();
    }
    ~Tile() { output.removeVideoSurface(&surface); }
    // libvlc hands a picture over; the queued notification is delivered.
    void deliver(char fill) {
        output.decode(fill);
        QCoreApplication::processEvents();
    }
    int shown() const { return surface.currentFrame() ? surface.currentFrame()->yPlane[0] : -1; }
};

class FrameBatcher : public ::testing::Test {
protected:
    QmlVlcFrameBatcher* batcher = QmlVlcFrameBatcher::instance();
    void SetUp() override {
        ASSERT_NE(batcher, nullptr);
        // Timing far from what a loaded test machine could hit by accident.
        batcher->setTiming(60000, 60000);
        // Outputs of earlier tests are gone; their entries must not linger.
        ASSERT_EQ(batcher->pendingCount(), 0);
    }
    void TearDown() override {
        batcher->setTiming(QmlVlcFrameBatcher::defaultMaxDelayMs, QmlVlcFrameBatcher::defaultActiveWindowMs);
    }
};

TEST_F(FrameBatcher, ALonePlayingOutputIsNeverHeldBack) {
    Tile tile;
    tile.deliver(1);
    EXPECT_EQ(tile.shown(), 1);
    tile.deliver(2);
    EXPECT_EQ(tile.shown(), 2);
    EXPECT_EQ(batcher->pendingCount(), 0);
}

TEST_F(FrameBatcher, PicturesOfPlayingOutputsArePresentedInOneBatch) {
    Tile a;
    Tile b;
    Tile c;
    a.deliver(1);
    b.deliver(1);
    c.deliver(1);
    batcher->flush();
    ASSERT_EQ(a.shown(), 1);

    const int batchesBefore = batcher->batches();
    a.deliver(2);
    b.deliver(2);
    EXPECT_EQ(a.shown(), 1) << "waits for the other playing outputs";
    EXPECT_EQ(b.shown(), 1);
    EXPECT_EQ(batcher->pendingCount(), 2);
    c.deliver(2);
    EXPECT_EQ(a.shown(), 2);
    EXPECT_EQ(b.shown(), 2);
    EXPECT_EQ(c.shown(), 2);
    EXPECT_EQ(batcher->batches(), batchesBefore + 1);
    EXPECT_EQ(batcher->pendingCount(), 0);
}

TEST_F(FrameBatcher, TheDeadlineShowsWaitingPicturesWhenAnotherOutputIsLate) {
    batcher->setTiming(50, 60000);
    Tile a;
    Tile b;
    a.deliver(1);
    b.deliver(1);
    batcher->flush();
    // Slower than the deadline: the deadline, not the picture interval, sets the wait.
    QThread::msleep(80);

    QElapsedTimer clock;
    clock.start();
    a.deliver(2);
    EXPECT_EQ(a.shown(), 1);
    EXPECT_TRUE(VlcTestSupport::waitUntil([&] { return a.shown() == 2; }, 5000));
    EXPECT_GE(clock.elapsed(), 45) << "held back until the deadline";
    EXPECT_EQ(batcher->pendingCount(), 0);
}

TEST_F(FrameBatcher, AFastStreamShortensTheDeadline) {
    Tile a;
    Tile b;
    b.deliver(0);
    // About 50 pictures a second from `a`; a burst of back-to-back pictures does not count as a rate.
    a.deliver(1);
    a.deliver(2);
    for (char i = 3; i < 10; ++i) {
        QThread::msleep(20);
        a.deliver(i);
    }
    batcher->flush();
    QThread::msleep(20);

    QElapsedTimer clock;
    clock.start();
    a.deliver(10);
    EXPECT_EQ(a.shown(), 9) << "b is still playing: a waits for it";
    EXPECT_TRUE(VlcTestSupport::waitUntil([&] { return a.shown() == 10; }, 5000));
    EXPECT_LT(clock.elapsed(), 1000) << "three quarters of a's interval, far below the one-minute deadline";
}

TEST_F(FrameBatcher, AnOutputThatStoppedDeliveringDoesNotHoldOthersBack) {
    batcher->setTiming(60000, 100);
    Tile a;
    Tile stopped;
    a.deliver(1);
    stopped.deliver(1);
    batcher->flush();
    QThread::msleep(150);
    a.deliver(2);
    EXPECT_EQ(a.shown(), 2);
}

TEST_F(FrameBatcher, ASecondPictureBeforeTheBatchIsShownPresentsTheNewestAtOnce) {
    Tile a;
    Tile b;
    a.deliver(1);
    b.deliver(1);
    batcher->flush();

    a.deliver(2);
    ASSERT_EQ(a.shown(), 1);
    a.deliver(3);
    EXPECT_EQ(a.shown(), 3);
    EXPECT_EQ(batcher->pendingCount(), 0) << "the newest picture was just shown: nothing left waiting";
}

TEST_F(FrameBatcher, ClearedPicturesAreNotHeldBack) {
    Tile a;
    Tile b;
    a.deliver(1);
    b.deliver(1);
    batcher->flush();
    a.output.video_cleanup_cb();
    QCoreApplication::processEvents();
    EXPECT_EQ(a.shown(), -1);
}

TEST_F(FrameBatcher, AnOutputDestroyedWhileWaitingIsForgotten) {
    Tile b;
    {
        Tile a;
        a.deliver(1);
        b.deliver(1);
        batcher->flush();
        a.deliver(2);
        ASSERT_EQ(batcher->pendingCount(), 1);
    }
    EXPECT_EQ(batcher->pendingCount(), 0);
    b.deliver(2);
    batcher->flush();
    EXPECT_EQ(b.shown(), 2);
}

} // namespace
