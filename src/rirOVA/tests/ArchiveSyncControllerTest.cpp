#include "rirOVA/client/controllers/ArchiveSyncController.h"

#include <QSignalSpy>
#include <cmath>
#include <gtest/gtest.h>

using ClientController::ArchiveSyncController;

namespace {

// A sync controller on a clock the test moves by hand.
struct ManualClock {
    qint64 now = 1000;
    void install(ArchiveSyncController& sync) {
        sync.setClock([this] { return now; });
    }
    // On this clock, with lines kept within 500 ms of each other and 2 s to settle after a change.
    void installWithTolerance(ArchiveSyncController& sync) {
        install(sync);
        sync.setToleranceMs(500);
        sync.setSettleMs(2000);
    }
};

} // namespace

TEST(ArchiveSyncControllerTest, CursorMovesWithTheClockAtItsSpeedOnlyWhilePlaying) {
    ArchiveSyncController sync;
    ManualClock clock;
    clock.install(sync);
    QSignalSpy playing(&sync, &ArchiveSyncController::playingChanged);
    QSignalSpy jumped(&sync, &ArchiveSyncController::jumped);

    sync.jump(50000);
    ASSERT_EQ(jumped.count(), 1);
    EXPECT_DOUBLE_EQ(jumped.first().first().toDouble(), 50000);
    clock.now += 3000;
    EXPECT_DOUBLE_EQ(sync.cursor(), 50000) << "a paused cursor stays";

    sync.play();
    sync.play();
    EXPECT_EQ(playing.count(), 1);
    clock.now += 2000;
    EXPECT_DOUBLE_EQ(sync.cursor(), 52000);

    // A change of speed keeps the moment reached so far.
    sync.setSpeed(4);
    clock.now += 500;
    EXPECT_DOUBLE_EQ(sync.cursor(), 54000);
    sync.setSpeed(1000);
    EXPECT_DOUBLE_EQ(sync.speed(), 16) << "speed is bounded";
    sync.setSpeed(std::nan(""));
    EXPECT_DOUBLE_EQ(sync.speed(), 16);
    sync.setSpeed(1);

    sync.pause();
    const double paused = sync.cursor();
    clock.now += 10000;
    EXPECT_DOUBLE_EQ(sync.cursor(), paused);
    EXPECT_EQ(playing.count(), 2);

    // A jump while playing goes on from the new moment.
    sync.play();
    sync.jump(10000);
    clock.now += 1000;
    EXPECT_DOUBLE_EQ(sync.cursor(), 11000);
}

TEST(ArchiveSyncControllerTest, LinesAreKeptWithinHalfTheToleranceOfTheCursor) {
    ArchiveSyncController sync;
    ManualClock clock;
    clock.installWithTolerance(sync);
    QSignalSpy far(&sync, &ArchiveSyncController::lineOutOfStep);
    QSignalSpy ahead(&sync, &ArchiveSyncController::lineAhead);
    sync.jump(100000);
    sync.play();

    // A new line is given time to start.
    clock.now += 1000;
    EXPECT_FALSE(sync.reportPosition("a", 100000));
    EXPECT_EQ(far.count() + ahead.count(), 0);
    // Another line plays at the cursor.
    EXPECT_TRUE(sync.reportPosition("b", 101000));

    // Ahead by more than half the tolerance: it waits for its lead, once while it settles.
    clock.now += 2000;
    EXPECT_TRUE(sync.reportPosition("a", 103200)) << "200 ms ahead is in step";
    EXPECT_FALSE(sync.reportPosition("a", 103400));
    ASSERT_EQ(ahead.count(), 1);
    EXPECT_EQ(ahead.first().at(0).toString(), "a");
    EXPECT_DOUBLE_EQ(ahead.first().at(1).toDouble(), 400);
    clock.now += 300;
    EXPECT_DOUBLE_EQ(sync.linePosition("a"), 103400) << "a waiting line stands still";
    clock.now += 200;
    EXPECT_DOUBLE_EQ(sync.linePosition("a"), 103500);
    clock.now -= 500;
    clock.now += 1000;
    sync.reportPosition("a", 104600);
    EXPECT_EQ(ahead.count(), 1);

    // A little behind: the cursor waits for the line instead.
    clock.now += 1500;
    EXPECT_DOUBLE_EQ(sync.cursor(), 105500);
    EXPECT_FALSE(sync.reportPosition("a", 105100));
    EXPECT_DOUBLE_EQ(sync.cursor(), 105100);
    EXPECT_EQ(far.count() + ahead.count(), 1);
    clock.now += 100;
    EXPECT_DOUBLE_EQ(sync.cursor(), 105200) << "and goes on from there";

    // Far off either way: it jumps to the cursor.
    clock.now += 2000;
    sync.reportPosition("a", 90000);
    ASSERT_EQ(far.count(), 1);
    EXPECT_DOUBLE_EQ(far.first().at(1).toDouble(), 107200);
    clock.now += 2000;
    sync.reportPosition("a", 120000);
    EXPECT_EQ(far.count(), 2);

    // A jump gives every line time to get there.
    sync.jump(200000);
    clock.now += 500;
    sync.reportPosition("a", 100000);
    EXPECT_EQ(far.count(), 2);
    EXPECT_EQ(ahead.count(), 1);

    // A paused cursor is not held back by a line.
    sync.pause();
    const double paused = sync.cursor();
    clock.now += 3000;
    sync.reportPosition("a", 199000);
    EXPECT_DOUBLE_EQ(sync.cursor(), paused);
}

// A cursor held back by a line that was late for a moment (as a stream passes from one clip to the
// next) would leave every line ahead of it, and pausing them all would not bring it back.
TEST(ArchiveSyncControllerTest, ACursorBehindEveryLineGoesOnFromTheSlowest) {
    ArchiveSyncController sync;
    ManualClock clock;
    clock.installWithTolerance(sync);
    QSignalSpy ahead(&sync, &ArchiveSyncController::lineAhead);
    sync.jump(100000);
    sync.play();
    sync.reportPosition("a", 100000);
    sync.reportPosition("b", 100000);
    clock.now += 3000;
    // "a" is late for a moment and holds the cursor back.
    sync.reportPosition("a", 102600);
    ASSERT_DOUBLE_EQ(sync.cursor(), 102600);
    // Then both are where they should be, ahead of the cursor.
    clock.now += 500;
    sync.reportPosition("a", 103500);
    EXPECT_FALSE(sync.reportPosition("b", 103500));
    EXPECT_EQ(ahead.count(), 0) << "no line waits: both are where the other is";
    EXPECT_DOUBLE_EQ(sync.cursor(), 103500) << "the cursor goes on from the slowest line";
    clock.now += 100;
    EXPECT_DOUBLE_EQ(sync.cursor(), 103600);
    clock.now -= 100;

    // One line ahead of the others still waits for them.
    clock.now += 2000;
    sync.reportPosition("a", 105500);
    sync.reportPosition("b", 106100);
    ASSERT_EQ(ahead.count(), 1);
    EXPECT_EQ(ahead.first().at(0).toString(), "b");
    EXPECT_DOUBLE_EQ(sync.cursor(), 105500);

    // A single line ahead moves the cursor rather than pausing.
    sync.removeLine("b");
    clock.now += 2100;
    sync.reportPosition("a", 108200);
    EXPECT_EQ(ahead.count(), 1);
    EXPECT_DOUBLE_EQ(sync.cursor(), 108200);

    // A paused cursor stays where the operator put it.
    sync.pause();
    clock.now += 2100;
    sync.reportPosition("a", 109000);
    EXPECT_DOUBLE_EQ(sync.cursor(), 108200);
}

TEST(ArchiveSyncControllerTest, AtAHigherSpeedALineThatStartsLateIsWaitedForNotJumped) {
    ArchiveSyncController sync;
    ManualClock clock;
    clock.installWithTolerance(sync);
    QSignalSpy far(&sync, &ArchiveSyncController::lineOutOfStep);
    sync.setSpeed(4);
    sync.jump(100000);
    sync.play();
    sync.reportPosition("a", 100000);
    clock.now += 2500;
    // A line that started a second and a half late is 6 s behind a cursor at four times the speed.
    sync.reportPosition("a", 104000);
    EXPECT_EQ(far.count(), 0) << "a jump would start it as late again";
    EXPECT_DOUBLE_EQ(sync.cursor(), 104000) << "the cursor waits for it";
    // Ahead, it waits while the cursor makes up its lead at four times the clock.
    QSignalSpy ahead(&sync, &ArchiveSyncController::lineAhead);
    clock.now += 2500;
    sync.reportPosition("b", sync.cursor()); // another line, at the cursor
    sync.reportPosition("a", 116000);
    ASSERT_EQ(ahead.count(), 1);
    EXPECT_DOUBLE_EQ(ahead.first().at(1).toDouble(), 500);
    EXPECT_DOUBLE_EQ(sync.linePosition("a"), 116000) << "it stands still meanwhile";
    clock.now += 500;
    EXPECT_DOUBLE_EQ(sync.linePosition("a"), 116000);
    EXPECT_DOUBLE_EQ(sync.cursor(), 116000);
    // Further off than a start can explain, it jumps.
    clock.now += 2500;
    sync.reportPosition("a", 104000);
    EXPECT_EQ(far.count(), 1);
}

TEST(ArchiveSyncControllerTest, SpreadCountsOnlyLinesThatPlay) {
    ArchiveSyncController sync;
    ManualClock clock;
    clock.install(sync);
    sync.jump(0);
    EXPECT_DOUBLE_EQ(sync.spread(), 0);
    sync.reportPosition("a", 1000);
    EXPECT_DOUBLE_EQ(sync.spread(), 0) << "one line has no spread";
    EXPECT_TRUE(std::isnan(sync.linePosition("b")));
    sync.reportPosition("b", 1300);
    EXPECT_DOUBLE_EQ(sync.spread(), 300);

    // While playing, positions move on from their reports: a later report of one line is compared
    // with where the other line is by now.
    sync.play();
    clock.now += 1000;
    sync.reportPosition("a", 2000);
    EXPECT_DOUBLE_EQ(sync.linePosition("b"), 2300);
    EXPECT_DOUBLE_EQ(sync.spread(), 300);

    // A line in a gap of its recording, or gone, does not count.
    sync.reportIdle("b");
    EXPECT_DOUBLE_EQ(sync.spread(), 0);
    sync.reportPosition("b", 2100);
    EXPECT_DOUBLE_EQ(sync.spread(), 100);
    sync.removeLine("b");
    EXPECT_DOUBLE_EQ(sync.spread(), 0);
    EXPECT_EQ(sync.lines(), QStringList{"a"});
    sync.reportIdle("never reported");
    EXPECT_EQ(sync.lines(), QStringList{"a"});
}

TEST(ArchiveSyncControllerTest, CursorIsAnnouncedWhilePlaying) {
    ArchiveSyncController sync;
    sync.setTickMs(20);
    QSignalSpy cursor(&sync, &ArchiveSyncController::cursorChanged);
    sync.jump(1000);
    sync.play();
    ASSERT_TRUE(cursor.wait(1000));
    ASSERT_TRUE(cursor.wait(1000));
    EXPECT_GT(cursor.last().first().toDouble(), 1000);
    sync.pause();
    const int count = cursor.count();
    EXPECT_FALSE(cursor.wait(100)) << "a paused cursor is not announced";
    EXPECT_EQ(cursor.count(), count);
}
