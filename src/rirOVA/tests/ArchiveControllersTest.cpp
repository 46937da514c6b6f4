#include "FeatureTestSupport.h"

#include "rirOVA/client/controllers/ArchiveController.h"
#include "rirOVA/client/controllers/ArchiveLocalPlayerController.h"
#include "rirOVA/client/controllers/ArchivePlayerController.h"
#include "rirOVA/client/controllers/VideoLineListController.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

using namespace ClientController;
using namespace FeatureTest;

namespace {

// Creates a stream of the device and returns its key as sent to the server.
QString createStream(ArchivePlayerController& player, int deviceId) {
    clearSent();
    player.trCreateVideo({{"rstIDDevice", deviceId}, {"dtStart", 1000}});
    const QList<QJsonObject> requests = sentWith("archivePlayer_trCreateVideo");
    EXPECT_EQ(requests.size(), 1);
    return requests.isEmpty() ? QString() : requests.first().value("streamKey").toString();
}

QJsonObject clip(int device, int type, double start, double end, const QString& name) {
    return {{"rstIDDevice", device}, {"type", type}, {"dtStart", start}, {"dtEnd", end}, {"name", name}};
}

} // namespace

TEST(ArchivePlayerControllerTest, StreamsAreCreatedUnderFreshKeys) {
    ArchivePlayerController player;
    const QString first = createStream(player, 3);
    const QString second = createStream(player, 3);
    ASSERT_FALSE(first.isEmpty());
    EXPECT_NE(first, second);
    ASSERT_TRUE(player.streamMap().contains(first));
    EXPECT_EQ(player.streamMap().value(first).value("status").toString(), "creating");
    EXPECT_EQ(player.streamMap().value(first).value("rstIDDevice").toInt(), 3);
    // The smallest key of the device, whatever the order of creation.
    EXPECT_EQ(player.getStremKeyByIDDevice(3), qMin(first, second));
    EXPECT_TRUE(player.getStremKeyByIDDevice(4).isEmpty());
}

TEST(ArchivePlayerControllerTest, PlayPauseJumpOnlyForOwnKeys) {
    ArchivePlayerController player;
    ArchivePlayerController other;
    const QString key = createStream(player, 3);
    const QString foreign = createStream(other, 3);
    clearSent();
    player.trPlayVideo({{"streamKey", foreign}});
    player.trPauseVideo({{"streamKey", foreign}});
    EXPECT_TRUE(player.trJumpVideo({{"streamKey", foreign}, {"position", 5}}).isEmpty());
    player.trPlayVideo({});
    EXPECT_TRUE(sent().isEmpty());

    player.trPlayVideo({{"streamKey", key}});
    player.trPauseVideo({{"streamKey", key}});
    player.trJumpVideo({{"streamKey", key}, {"position", 5}});
    player.trJumpVideo({{"streamKey", key}, {"position", 6}});
    const QList<QJsonObject> messages = sent();
    ASSERT_EQ(messages.size(), 4);
    EXPECT_EQ(messages.at(0).value("FN").toString(), "archivePlayer_trPlayVideo");
    EXPECT_EQ(messages.at(1).value("FN").toString(), "archivePlayer_trPauseVideo");
    EXPECT_EQ(messages.at(2).value("FN").toString(), "archivePlayer_trJumpVideo");
    const QString requestId = messages.at(2).value("_requestId").toString();
    EXPECT_FALSE(requestId.isEmpty());
    EXPECT_NE(requestId, messages.at(3).value("_requestId").toString());

    // Removal is always asked for.
    clearSent();
    player.trRemoveVideo({{"streamKey", foreign}});
    EXPECT_EQ(sentWith("archivePlayer_trRemoveVideo").size(), 1);
}

TEST(ArchivePlayerControllerTest, AnswersForOwnStreamsOnly) {
    ArchivePlayerController player;
    ArchivePlayerController other;
    const QString key = createStream(player, 3);
    QSignalSpy created(&player, &ArchivePlayerController::saCreateVideo);
    QSignalSpy played(&player, &ArchivePlayerController::saPlayVideo);
    QSignalSpy paused(&player, &ArchivePlayerController::saPauseVideo);
    QSignalSpy sought(&player, &ArchivePlayerController::saSeekVideo);
    QSignalSpy jumped(&player, &ArchivePlayerController::saJumpVideo);
    QSignalSpy removed(&player, &ArchivePlayerController::saRemoveVideo);
    QSignalSpy position(&player, &ArchivePlayerController::srPosition);
    QSignalSpy sdp(&player, &ArchivePlayerController::srNewSDP);

    // Failed, foreign or unknown creations emit nothing.
    deliver({{"FN", "archivePlayer_saCreateVideo"},
             {"_receiver", player.objectNumber()},
             {"streamKey", key},
             {"status", "ERROR"}});
    deliver({{"FN", "archivePlayer_saCreateVideo"},
             {"_receiver", other.objectNumber()},
             {"streamKey", key},
             {"status", "OK"}});
    deliver({{"FN", "archivePlayer_saCreateVideo"},
             {"_receiver", player.objectNumber()},
             {"streamKey", "{x}"},
             {"status", "OK"}});
    EXPECT_EQ(created.count(), 0);
    deliver({{"FN", "archivePlayer_saCreateVideo"},
             {"_receiver", player.objectNumber()},
             {"streamKey", key},
             {"status", "OK"}});
    EXPECT_EQ(created.count(), 1);

    for (const char* action : {"saPlayVideo", "saPauseVideo", "saSeekVideo", "saJumpVideo"}) {
        deliver({{"FN", QStringLiteral("archivePlayer_") + action}, {"streamKey", "{foreign}"}});
        deliver({{"FN", QStringLiteral("archivePlayer_") + action}, {"streamKey", key}});
    }
    EXPECT_EQ(played.count(), 1);
    EXPECT_EQ(paused.count(), 1);
    EXPECT_EQ(sought.count(), 1);
    EXPECT_EQ(jumped.count(), 1);

    deliver({{"FN", "archivePlayer_srPosition"}, {"streamKey", "{foreign}"}, {"position", 7}});
    deliver({{"FN", "archivePlayer_srNewSDP"}, {"streamKey", key}, {"sdp", "v=0"}});
    EXPECT_EQ(position.count(), 1);
    EXPECT_EQ(sdp.count(), 1);

    // Removal is reported and forgets the stream: later controls send nothing.
    deliver({{"FN", "archivePlayer_saRemoveVideo"}, {"streamKey", key}});
    EXPECT_EQ(removed.count(), 1);
    EXPECT_FALSE(player.streamMap().contains(key));
    clearSent();
    player.trPlayVideo({{"streamKey", key}});
    EXPECT_TRUE(sent().isEmpty());
}

TEST(ArchivePlayerControllerTest, ClearStreamMapForgetsEveryStream) {
    ArchivePlayerController player;
    createStream(player, 1);
    createStream(player, 2);
    player.clearStreamMap();
    EXPECT_TRUE(player.streamMap().isEmpty());
    EXPECT_TRUE(player.getStremKeyByIDDevice(1).isEmpty());
}

TEST(ArchivePlayerControllerTest, ArchiveSdpFileStaysInItsDirectory) {
    ScopedWorkDir work;
    ArchivePlayerController player;
    const QString key = QStringLiteral("{0b8c8e2a-4f4e-4d6c-9a0e-2b1f0c3d4e5f}");
    const QString expected = work.path() + "/sdp_archive/" + key + ".sdp";

    EXPECT_TRUE(player.createSDPFile({{"streamKey", key}, {"sdp", "   "}}).isEmpty());
    EXPECT_EQ(player.createSDPFile({{"streamKey", key}, {"sdp", "v=0\ns=first and longer\n"}}), expected);
    EXPECT_EQ(player.createSDPFile({{"streamKey", key}, {"sdp", "v=1\n"}}), expected);
    QFile file(expected);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("v=1\n"));

    // Keys that are not plain file names write nothing anywhere.
    for (const QString& unsafe :
         {QStringLiteral("../escaped"), QStringLiteral(".."), QStringLiteral(""), QStringLiteral("sub/dir"),
          QStringLiteral("..\\win"), QStringLiteral("C:evil"), QStringLiteral("/tmp/abs")}) {
        EXPECT_TRUE(player.createSDPFile({{"streamKey", unsafe}, {"sdp", "v=0"}}).isEmpty())
            << unsafe.toStdString();
    }
    EXPECT_TRUE(player.createSDPFile({{"sdp", "v=0"}}).isEmpty());
    EXPECT_FALSE(QFile::exists(work.path() + "/escaped.sdp"));
    EXPECT_EQ(QDir(work.path() + "/sdp_archive").entryList(QDir::Files).size(), 1);
    EXPECT_EQ(QDir(work.path()).entryList(QDir::Files).size(), 0);
}

TEST(ArchiveLocalPlayerControllerTest, FindIntervalPrefersDetectionClips) {
    ArchiveLocalPlayerController local;
    local.addItem(clip(3, 1, 10, 20, "recorded"));
    local.addItem(clip(3, 2, 15, 30, "detected"));
    local.addItem(clip(3, 3, 40, 50, "recorded3"));
    local.addItem(clip(3, 7, 0, 100, "unknown type"));
    local.addItem(clip(4, 2, 0, 100, "other device"));

    EXPECT_EQ(local.findInterval(3, 17).value("name").toString(), "detected");
    EXPECT_EQ(local.findInterval(3, 12).value("name").toString(), "recorded");
    EXPECT_EQ(local.findInterval(3, 30).value("name").toString(), "detected");
    EXPECT_EQ(local.findInterval(3, 45).value("name").toString(), "recorded3");
    EXPECT_TRUE(local.findInterval(3, 35).isEmpty());
    EXPECT_TRUE(local.findInterval(3, 5).isEmpty());
    EXPECT_TRUE(local.findInterval(9, 17).isEmpty());
}

TEST(ArchiveLocalPlayerControllerTest, OverlappingClipsOfOneKind) {
    ArchiveLocalPlayerController local;
    // A long clip starting early covers a moment after a short later clip ended.
    local.addItem(clip(3, 1, 0, 100, "long"));
    local.addItem(clip(3, 1, 10, 20, "short"));
    EXPECT_EQ(local.findInterval(3, 50).value("name").toString(), "long");
    EXPECT_EQ(local.findInterval(3, 15).value("name").toString(), "long");
    // The first clip of a start stays.
    local.addItem(clip(3, 1, 10, 90, "duplicate start"));
    EXPECT_EQ(local.findNearestRightBoundInterval(3, 5).value("name").toString(), "short");
}

TEST(ArchiveLocalPlayerControllerTest, NearestRightBound) {
    ArchiveLocalPlayerController local;
    local.addItem(clip(3, 1, 10, 20, "recorded"));
    local.addItem(clip(3, 2, 15, 30, "detected"));
    EXPECT_EQ(local.findNearestRightBoundInterval(3, 12).value("name").toString(), "detected");
    EXPECT_EQ(local.findNearestRightBoundInterval(3, 10).value("name").toString(), "recorded");
    EXPECT_TRUE(local.findNearestRightBoundInterval(3, 16).isEmpty());

    local.addItem(clip(3, 1, 15, 25, "recorded at 15"));
    EXPECT_EQ(local.findNearestRightBoundInterval(3, 12).value("name").toString(), "detected");
    local.addItem(clip(3, 3, 13, 14, "recorded at 13"));
    EXPECT_EQ(local.findNearestRightBoundInterval(3, 12).value("name").toString(), "recorded at 13");

    local.clearAllMaps();
    EXPECT_TRUE(local.findNearestRightBoundInterval(3, 0).isEmpty());
    EXPECT_TRUE(local.findInterval(3, 17).isEmpty());
}

TEST(ArchiveControllerTest, ListsAndTimelineLines) {
    ArchiveController archive;
    ModelCheck check(archive);
    addEntriesLikeTheView(archive);
    EXPECT_EQ(archive.controllerName(), "archive");
    EXPECT_FALSE(archive.isStaticModel());
    deliver(
        {{"FN", "archive_saGetList"}, {"_receiver", archive.objectNumber()}, {"entries", ids({2, 9, 4})}});
    EXPECT_EQ(archive.proxyModel()->rowCount(), 3);
    EXPECT_TRUE(archive.originalModel()->dataAtLeastLoaded());

    VideoLineListController lines;
    ModelCheck linesCheck(lines);
    EXPECT_TRUE(lines.controllerName().isEmpty());
    lines.originalModel()->addRow({{"id", 2}, {"name", "line"}});
    EXPECT_EQ(lines.proxyModel()->rowCount(), 1);
}

TEST(ArchivePlayerControllerTest, ExportsAreFollowedUntilTheyEnd) {
    ArchivePlayerController player;
    ArchivePlayerController other;
    clearSent();
    const QString key =
        player.trExportVideo({{"rstIDDevice", 3}, {"dtStart", 10}, {"dtEnd", 20}, {"folder", "/x"}});
    const QList<QJsonObject> requests = sentWith("archivePlayer_trExportVideo");
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests.first().value("exportKey").toString(), key);
    EXPECT_EQ(requests.first().value("folder").toString(), "/x");
    const QString otherKey = other.trExportVideo({{"rstIDDevice", 3}});
    EXPECT_NE(key, otherKey);

    QSignalSpy answered(&player, &ArchivePlayerController::saExportVideo);
    QSignalSpy progress(&player, &ArchivePlayerController::srExportProgress);
    QSignalSpy cancelled(&player, &ArchivePlayerController::saCancelExport);
    deliver({{"FN", "archivePlayer_saExportVideo"}, {"exportKey", key}, {"RES", true}});
    deliver({{"FN", "archivePlayer_srExportProgress"}, {"exportKey", otherKey}, {"progress", 0.5}});
    deliver(
        {{"FN", "archivePlayer_srExportProgress"}, {"exportKey", key}, {"progress", 0.5}, {"done", false}});
    EXPECT_EQ(answered.count(), 1);
    ASSERT_EQ(progress.count(), 1);
    EXPECT_DOUBLE_EQ(progress.first().first().toJsonObject().value("progress").toDouble(), 0.5);

    // Cancelling a foreign export sends nothing; the own one is asked for once.
    clearSent();
    player.trCancelExport({{"exportKey", otherKey}});
    EXPECT_TRUE(sent().isEmpty());
    player.trCancelExport({{"exportKey", key}});
    EXPECT_EQ(sentWith("archivePlayer_trCancelExport").size(), 1);

    // The last notice ends the export: later ones and cancels are not for this player any more.
    deliver({{"FN", "archivePlayer_srExportProgress"}, {"exportKey", key}, {"done", true}, {"RES", true}});
    EXPECT_EQ(progress.count(), 2);
    deliver({{"FN", "archivePlayer_srExportProgress"}, {"exportKey", key}, {"progress", 0.7}});
    EXPECT_EQ(progress.count(), 2);
    clearSent();
    player.trCancelExport({{"exportKey", key}});
    EXPECT_TRUE(sent().isEmpty());

    // A refused export is over at once.
    const QString refused = player.trExportVideo({{"rstIDDevice", 3}});
    deliver({{"FN", "archivePlayer_saExportVideo"}, {"exportKey", refused}, {"RES", false}, {"error", "no"}});
    deliver({{"FN", "archivePlayer_saCancelExport"}, {"exportKey", refused}, {"RES", true}});
    EXPECT_EQ(answered.count(), 2);
    EXPECT_EQ(cancelled.count(), 0);
}

TEST(ArchiveLocalPlayerControllerTest, ClipIsReadableOnlyWhenItsFileIsThere) {
    ScopedWorkDir work;
    ArchiveLocalPlayerController local;
    const QString path = work.path() + "/clip.ts";
    EXPECT_FALSE(local.isClipReadable({{"filePath", path}}));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(local.isClipReadable({{"filePath", path}})) << "an empty file is not a clip yet";
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0123");
    file.close();
    EXPECT_TRUE(local.isClipReadable({{"filePath", path}}));
    EXPECT_FALSE(local.isClipReadable({{"filePath", work.path()}})) << "a folder";
    EXPECT_FALSE(local.isClipReadable({}));
}
