// The pure parts of the server's video handling: motion regions, the segment index, the SDP.
#include "devServer/server/ArchiveExport.h"
#include "devServer/server/ArchivePlayback.h"
#include "devServer/server/ClipIndex.h"
#include "devServer/server/LiveStreams.h"
#include "devServer/server/MotionRegions.h"
#include "devServer/server/PlayerClock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

using namespace DevServer;

namespace {

QByteArray picture(int width, int height, uchar level) {
    return QByteArray(width * height, char(level));
}

void fillBox(QByteArray& grey, int width, int x, int y, int w, int h, uchar level) {
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col) {
            grey[row * width + col] = char(level);
        }
    }
}

} // namespace

TEST(MotionRegions, FindsEachMovedAreaAsAPictureRelativeBox) {
    const int w = 160, h = 120;
    const QByteArray still = picture(w, h, 40);
    EXPECT_TRUE(MotionRegions::find(still, still, w, h).isEmpty()) << "no change, no motion";

    // Noise below the threshold is not motion.
    QByteArray noisy = still;
    for (int i = 0; i < noisy.size(); i += 3) {
        noisy[i] = char(40 + 10);
    }
    EXPECT_TRUE(MotionRegions::find(still, noisy, w, h).isEmpty());

    // Two separate boxes appear: two regions covering them, in picture-relative units.
    QByteArray moved = still;
    fillBox(moved, w, 16, 16, 24, 16, 220);
    fillBox(moved, w, 120, 80, 16, 24, 220);
    const QList<QRectF> regions = MotionRegions::find(still, moved, w, h);
    ASSERT_EQ(regions.size(), 2);
    const QRectF first = regions.at(0);
    EXPECT_DOUBLE_EQ(first.x(), 16.0 / w);
    EXPECT_DOUBLE_EQ(first.y(), 16.0 / h);
    EXPECT_DOUBLE_EQ(first.width(), 24.0 / w);
    EXPECT_DOUBLE_EQ(first.height(), 16.0 / h);
    const QRectF second = regions.at(1);
    EXPECT_DOUBLE_EQ(second.x(), 120.0 / w);
    EXPECT_DOUBLE_EQ(second.bottom(), 104.0 / h);

    // A box in the last partial cell stays inside the picture.
    QByteArray edge = picture(150, 100, 40);
    QByteArray edgeMoved = edge;
    fillBox(edgeMoved, 150, 144, 96, 6, 4, 200);
    const QList<QRectF> edgeRegions = MotionRegions::find(edge, edgeMoved, 150, 100);
    ASSERT_EQ(edgeRegions.size(), 1);
    EXPECT_LE(edgeRegions.at(0).right(), 1.0);
    EXPECT_LE(edgeRegions.at(0).bottom(), 1.0);

    // Pictures of the wrong size give nothing instead of reading past the end.
    EXPECT_TRUE(MotionRegions::find(still, moved.left(100), w, h).isEmpty());
    EXPECT_TRUE(MotionRegions::find(QByteArray(), moved, w, h).isEmpty());
}

TEST(MotionRegions, ModuleSettingsDecideWhichChangesCount) {
    const int w = 160, h = 120;
    const QByteArray still = picture(w, h, 40);
    QByteArray moved = still;
    fillBox(moved, w, 64, 56, 24, 24, 220); // a box in the middle of the picture

    // Defaults (no stored values): the box is motion.
    const MotionRegions::Params defaults = MotionRegions::fromModuleValues({}, w, h);
    EXPECT_EQ(MotionRegions::find(still, moved, w, h, defaults).size(), 1);

    // A region of interest over the top strip only: the box is outside, no motion.
    const QJsonArray topStrip{QJsonObject{{"x", 0}, {"y", 0}}, QJsonObject{{"x", 1}, {"y", 0}},
                              QJsonObject{{"x", 1}, {"y", 0.2}}, QJsonObject{{"x", 0}, {"y", 0.2}}};
    const MotionRegions::Params top = MotionRegions::fromModuleValues({{"roi", topStrip}}, w, h);
    EXPECT_EQ(top.mask.size(), w * h);
    EXPECT_TRUE(MotionRegions::find(still, moved, w, h, top).isEmpty());
    // The same box moving inside the strip is seen.
    QByteArray movedTop = still;
    fillBox(movedTop, w, 64, 4, 24, 16, 220);
    EXPECT_EQ(MotionRegions::find(still, movedTop, w, h, top).size(), 1);

    // The whole frame (the default polygon) needs no mask and sees the middle box again.
    const QJsonArray whole{QJsonObject{{"x", 0}, {"y", 0}}, QJsonObject{{"x", 1}, {"y", 0}},
                           QJsonObject{{"x", 1}, {"y", 1}}, QJsonObject{{"x", 0}, {"y", 1}}};
    const MotionRegions::Params all = MotionRegions::fromModuleValues({{"roi", whole}}, w, h);
    EXPECT_TRUE(all.mask.isEmpty());
    EXPECT_EQ(MotionRegions::find(still, moved, w, h, all).size(), 1);

    // Sensitivity: a faint change (a grey step of 15) is motion only for a sensitive detector.
    QByteArray faint = still;
    fillBox(faint, w, 64, 56, 24, 24, 55);
    EXPECT_TRUE(MotionRegions::find(still, faint, w, h, defaults).isEmpty());
    const MotionRegions::Params keen = MotionRegions::fromModuleValues({{"sensitivity", 100}}, w, h);
    EXPECT_EQ(MotionRegions::find(still, faint, w, h, keen).size(), 1);
    const MotionRegions::Params dull = MotionRegions::fromModuleValues({{"sensitivity", 1}}, w, h);
    EXPECT_GT(dull.pixelThreshold, defaults.pixelThreshold);
    EXPECT_EQ(defaults.pixelThreshold, MotionRegions::Params().pixelThreshold) << "50 keeps the old tuning";

    // Smallest area: the 24x24 box is 3% of the picture.
    EXPECT_EQ(MotionRegions::find(still, moved, w, h, MotionRegions::fromModuleValues({{"minArea", 2}}, w, h))
                  .size(),
              1);
    EXPECT_TRUE(
        MotionRegions::find(still, moved, w, h, MotionRegions::fromModuleValues({{"minArea", 5}}, w, h))
            .isEmpty());

    // Values of the wrong kind keep the defaults instead of breaking the detector.
    const MotionRegions::Params odd = MotionRegions::fromModuleValues(
        {{"roi", "everywhere"}, {"sensitivity", "high"}, {"minArea", true}}, w, h);
    EXPECT_TRUE(odd.mask.isEmpty());
    EXPECT_EQ(odd.pixelThreshold, defaults.pixelThreshold);
    EXPECT_EQ(MotionRegions::find(still, moved, w, h, odd).size(), 1);
    EXPECT_TRUE(MotionRegions::polygonMask(QJsonArray{QJsonObject{{"x", 0}, {"y", 0}}}, w, h).isEmpty());
}

TEST(ClipIndex, ListsFinishedSegmentsWithTheirDurations) {
    const QByteArray playlist = "#EXTM3U\n#EXT-X-TARGETDURATION:3\n#EXT-X-MEDIA-SEQUENCE:1\n"
                                "#EXTINF:2.98,\ndev2-1-000001.ts\n"
                                "#EXTINF:3.01,\r\ndev2-1-000002.ts\r\n"
                                "dev2-1-orphan.ts\n"
                                "#EXTINF:bad,\ndev2-1-000003.ts\n"
                                "#EXTINF:1.5,\n../../etc/passwd\n"
                                "#EXTINF:0.5,\ndev2-1-000004.ts\n#EXT-X-ENDLIST\n";
    const QList<ClipIndexEntry> entries = ClipIndex::parse(playlist);
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries.at(0).fileName, "dev2-1-000001.ts");
    EXPECT_EQ(entries.at(0).durationMs, 2980);
    EXPECT_EQ(entries.at(1).fileName, "dev2-1-000002.ts");
    EXPECT_EQ(entries.at(1).durationMs, 3010);
    EXPECT_EQ(entries.at(2).fileName, "dev2-1-000004.ts");
    EXPECT_EQ(entries.at(2).durationMs, 500);
}

TEST(StreamDescription, NamesTheClientAddressAndPortOfAnMpegTsStream) {
    const QString v4 = LiveStreams::sdpFor("127.0.0.1", 50000, "Door\r\ncamera");
    EXPECT_TRUE(v4.contains("c=IN IP4 127.0.0.1\r\n"));
    EXPECT_TRUE(v4.contains("m=video 50000 RTP/AVP 33\r\n"));
    EXPECT_TRUE(v4.contains("a=rtpmap:33 MP2T/90000"));
    EXPECT_TRUE(v4.contains("s=Door camera\r\n")) << "a name cannot add lines to the description";
    EXPECT_TRUE(LiveStreams::sdpFor("::1", 50002, "x").contains("c=IN IP6 ::1\r\n"));

    EXPECT_EQ(LiveStreams::normalisedHost("::ffff:127.0.0.1"), "127.0.0.1");
    EXPECT_EQ(LiveStreams::normalisedHost("127.0.0.1"), "127.0.0.1");
    EXPECT_TRUE(LiveStreams::normalisedHost("127.0.0.1,port=1}").isEmpty())
        << "no text into the output chain";
    EXPECT_TRUE(LiveStreams::normalisedHost("").isEmpty());
}

TEST(ArchivePlayback, PicksTheClipCoveringAMomentOrTheNextOne) {
    const QJsonArray clips{QJsonObject{{"dtStart", 1000}, {"dtEnd", 2000}},
                           QJsonObject{{"dtStart", 2000}, {"dtEnd", 3000}},
                           QJsonObject{{"dtStart", 5000}, {"dtEnd", 6000}}};
    EXPECT_EQ(ArchivePlayback::clipAt(clips, 0), 0);
    EXPECT_EQ(ArchivePlayback::clipAt(clips, 1500), 0);
    EXPECT_EQ(ArchivePlayback::clipAt(clips, 2000), 1) << "a clip's end belongs to the next one";
    EXPECT_EQ(ArchivePlayback::clipAt(clips, 4000), 2) << "a gap skips to the next recording";
    EXPECT_EQ(ArchivePlayback::clipAt(clips, 6000), -1);
    EXPECT_EQ(ArchivePlayback::clipAt(QJsonArray(), 0), -1);
}

// libvlc's time as the server reads it every 40 ms: steps of half a second (now and then a quarter),
// each shown 0-60 ms after the moment it stands for.
TEST(PlayerClock, TellsThePlayersTimeBetweenTheStepsOfLibvlc) {
    PlayerClock clock;
    EXPECT_EQ(clock.estimate(0), -1) << "nothing read yet";
    std::mt19937 random(7);
    std::uniform_int_distribution<int> late(0, 60);
    const qint64 startedAt = 1000; // the player's time 0
    qint64 shown = 0, nextStep = 500, showAt = startedAt + 500 + late(random);
    double worst = 0, worstBefore = 0;
    for (qint64 now = startedAt; now < startedAt + 6000; now += 40) {
        if (now >= showAt) {
            shown = nextStep;
            nextStep += (nextStep / 500) % 5 == 3 ? 250 : 500;
            showAt = startedAt + nextStep + late(random);
        }
        clock.sample(shown, now);
        const double error = std::abs(double(clock.estimate(now) - (now - startedAt)));
        double& kept = now < startedAt + 1600 ? worstBefore : worst;
        kept = std::max(kept, error);
        EXPECT_GE(clock.estimate(now), clock.lastTime());
    }
    // Read as steps, the time is up to half a second behind; a sample and the lateness of the
    // soonest step remain.
    EXPECT_LE(worst, 100) << "once two steps were seen";
    EXPECT_LE(worstBefore, 560) << "before that, the steps themselves";

    // A player that stalls is run on by one long step at most.
    const qint64 stalledAt = startedAt + 6000;
    EXPECT_LE(clock.estimate(stalledAt + 10000), clock.lastTime() + PlayerClock::maxAheadMs);

    // A seek back: the pace of before does not carry the new time away.
    clock.sample(2000, stalledAt + 10000);
    EXPECT_LE(clock.estimate(stalledAt + 10040), 2000 + PlayerClock::unknownPaceAheadMs);
    EXPECT_GE(clock.estimate(stalledAt + 10040), 2000);

    // After a reset (a pause, a new file) the first value read is no step.
    clock.reset();
    clock.sample(2000, 50000);
    EXPECT_EQ(clock.estimate(50000), 2000);
    EXPECT_EQ(clock.estimate(60000), 2000 + PlayerClock::unknownPaceAheadMs);
    clock.sample(2500, 60000);
    EXPECT_EQ(clock.estimate(60100), 2600);
}

TEST(ArchiveExport, ConcatListCutsTheFirstAndLastClipOfTheRange) {
    const QJsonArray clips{QJsonObject{{"dtStart", 1000}, {"dtEnd", 3000}, {"filePath", "/v/a.ts"}},
                           QJsonObject{{"dtStart", 3000}, {"dtEnd", 5000}, {"filePath", "/v/it's.ts"}},
                           QJsonObject{{"dtStart", 5000}, {"dtEnd", 7000}, {"filePath", "/v/c.ts"}}};
    EXPECT_EQ(ArchiveExport::concatList(clips, 2500, 4000),
              QByteArray("ffconcat version 1.0\n"
                         "file '/v/a.ts'\ninpoint 1.500\n"
                         "file '/v/it'\\''s.ts'\noutpoint 1.000\n"));
    EXPECT_EQ(ArchiveExport::concatList(clips, 3000, 5000),
              QByteArray("ffconcat version 1.0\nfile '/v/it'\\''s.ts'\n"))
        << "a whole clip is not cut, its neighbours are not listed";
    EXPECT_EQ(ArchiveExport::concatList(clips, 8000, 9000), QByteArray("ffconcat version 1.0\n"));
}

TEST(ArchiveExport, TargetNamesAreSafeAndNew) {
    QTemporaryDir dir;
    const qint64 from = 1733500000000;
    const QString first = ArchiveExport::targetPath(dir.path(), "Gate/../cam 1", 7, from, from + 61400);
    EXPECT_EQ(QFileInfo(first).dir().absolutePath(), QDir(dir.path()).absolutePath());
    EXPECT_TRUE(QFileInfo(first).fileName().startsWith("Gate____cam_1_")) << first.toStdString();
    EXPECT_TRUE(first.endsWith("_61s.mp4")) << first.toStdString();
    QFile(first).open(QIODevice::WriteOnly);
    const QString second = ArchiveExport::targetPath(dir.path(), "Gate/../cam 1", 7, from, from + 61400);
    EXPECT_NE(second, first);
    EXPECT_TRUE(second.endsWith("_61s-1.mp4")) << second.toStdString();
    EXPECT_TRUE(QFileInfo(ArchiveExport::targetPath(dir.path(), "", 7, from, from + 1000))
                    .fileName()
                    .startsWith("device7_"));
}
