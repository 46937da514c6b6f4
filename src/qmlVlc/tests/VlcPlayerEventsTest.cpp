// QmlVlcPlayer on real libvlc: events reaching the QML signals in order, the error recovery timer,
// playlist and property behaviour seen from QML.
#include "ProcessMemory.h"
#include "VlcTestSupport.h"
#include "qmlVlc/QmlVlcConfig.h"
#include "qmlVlc/QmlVlcMediaListPlayer.h"
#include "qmlVlc/QmlVlcMemoryTrim.h"
#include "qmlVlc/QmlVlcPlayer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

using VlcTestSupport::mediaPath;
using VlcTestSupport::waitUntil;

namespace {

class VlcPlayerEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        VlcTestSupport::configureQuietLibvlc();
        qRegisterMetaType<QmlVlcPlayerProxy::State>("QmlVlcPlayerProxy::State");
        player = std::make_unique<QmlVlcPlayer>();
        player->classBegin();
    }

    std::unique_ptr<QmlVlcPlayer> player;
};

std::vector<int> states(const QSignalSpy& spy) {
    std::vector<int> result;
    for (const QList<QVariant>& args : spy) {
        result.push_back(args.at(0).toInt());
    }
    return result;
}

TEST_F(VlcPlayerEventsTest, PlayingAClipToItsEndSignalsOpeningPlayingEnded) {
    QSignalSpy stateSpy(player.get(), &QmlVlcPlayerProxy::stateChanged);
    QSignalSpy opening(player.get(), &QmlVlcPlayerProxy::mediaPlayerOpening);
    QSignalSpy playing(player.get(), &QmlVlcPlayerProxy::mediaPlayerPlaying);
    QSignalSpy ended(player.get(), &QmlVlcPlayerProxy::mediaPlayerEndReached);
    QSignalSpy mediaChanged(player.get(), &QmlVlcPlayerProxy::mediaPlayerMediaChanged);
    QSignalSpy currentItem(player->playlist(), &QmlVlcPlaylist::currentItemChanged);

    long statesAtEnd = -1;
    const auto connection = QObject::connect(player.get(), &QmlVlcPlayerProxy::mediaPlayerEndReached,
                                             [&] { statesAtEnd = stateSpy.count(); });

    EXPECT_EQ(player->mrl(), QString()) << "no media yet";
    player->setMrl(mediaPath("short.mp4"));
    ASSERT_TRUE(waitUntil([&] { return ended.count() > 0; }, 15000));
    EXPECT_FALSE(player->isPlaying());
    EXPECT_TRUE(player->mrl().endsWith(QStringLiteral("short.mp4")));
    EXPECT_GE(mediaChanged.count(), 1);
    EXPECT_GE(currentItem.count(), 1);

    const std::vector<int> seen = states(stateSpy);
    auto at = [&](int state) { return std::find(seen.begin(), seen.end(), state) - seen.begin(); };
    ASSERT_LT(at(QmlVlcPlayerProxy::Opening), long(seen.size()));
    ASSERT_LT(at(QmlVlcPlayerProxy::Playing), long(seen.size()));
    EXPECT_LT(at(QmlVlcPlayerProxy::Opening), at(QmlVlcPlayerProxy::Playing));
    EXPECT_LT(at(QmlVlcPlayerProxy::Playing), at(QmlVlcPlayerProxy::Ended));
    ASSERT_GT(long(seen.size()), statesAtEnd);
    EXPECT_EQ(seen[statesAtEnd], QmlVlcPlayerProxy::Ended) << "end reached is followed by the Ended state";
    QObject::disconnect(connection);
    EXPECT_EQ(opening.count(), 1);
    EXPECT_EQ(playing.count(), 1);
}

TEST_F(VlcPlayerEventsTest, AnErrorMovesToTheNextItemASecondLater) {
    QmlVlcPlaylist* playlist = player->playlist();
    playlist->setMode(QmlVlcPlaylist::Normal);
    ASSERT_EQ(playlist->add(QStringLiteral("file:///nonexistent/okulon-missing.mp4")), 0);
    ASSERT_EQ(playlist->add(QUrl::fromLocalFile(mediaPath("pattern.mp4")).toString()), 1);
    QSignalSpy error(player.get(), &QmlVlcPlayerProxy::mediaPlayerEncounteredError);
    QSignalSpy playing(player.get(), &QmlVlcPlayerProxy::mediaPlayerPlaying);
    QSignalSpy stateSpy(player.get(), &QmlVlcPlayerProxy::stateChanged);

    QElapsedTimer clock;
    playlist->play();
    ASSERT_TRUE(waitUntil([&] { return error.count() > 0; }, 10000));
    clock.start();
    const std::vector<int> seen = states(stateSpy);
    EXPECT_NE(std::find(seen.begin(), seen.end(), int(QmlVlcPlayerProxy::Error)), seen.end());
    ASSERT_TRUE(waitUntil([&] { return playing.count() > 0; }, 10000));
    EXPECT_GE(clock.elapsed(), 900) << "the next item waits for the recovery delay";
    EXPECT_EQ(playlist->currentItem(), 1);
    player->stop();
}

TEST_F(VlcPlayerEventsTest, AMediaChangeCancelsTheRecoveryAndSingleModeNeverAdvances) {
    QmlVlcPlaylist* playlist = player->playlist();
    playlist->setMode(QmlVlcPlaylist::Normal);
    playlist->add(QStringLiteral("file:///nonexistent/okulon-missing.mp4"));
    playlist->add(QUrl::fromLocalFile(mediaPath("pattern.mp4")).toString());
    QSignalSpy error(player.get(), &QmlVlcPlayerProxy::mediaPlayerEncounteredError);
    QSignalSpy playing(player.get(), &QmlVlcPlayerProxy::mediaPlayerPlaying);
    QSignalSpy mediaChanged(player.get(), &QmlVlcPlayerProxy::mediaPlayerMediaChanged);

    playlist->play();
    ASSERT_TRUE(waitUntil([&] { return error.count() > 0; }, 10000));
    const int changesBefore = mediaChanged.count();
    playlist->setCurrentItem(1); // sets the media without playing it
    ASSERT_TRUE(waitUntil([&] { return mediaChanged.count() > changesBefore; }, 5000));
    waitUntil([] { return false; }, 1500);
    EXPECT_EQ(playing.count(), 0) << "the media change stopped the recovery timer";

    playlist->setMode(QmlVlcPlaylist::Single);
    playlist->playItem(0);
    ASSERT_TRUE(waitUntil([&] { return error.count() > 1; }, 10000));
    waitUntil([] { return false; }, 1500);
    EXPECT_EQ(playing.count(), 0) << "single mode stays on the failed item";
    EXPECT_EQ(playlist->currentItem(), 0);
}

TEST_F(VlcPlayerEventsTest, PlaylistAndAudioFromQml) {
    QmlVlcPlaylist* playlist = player->playlist();
    playlist->setMode(QmlVlcPlaylist::Loop);
    playlist->setMode(static_cast<QmlVlcPlaylist::Mode>(3));
    EXPECT_EQ(playlist->mode(), QmlVlcPlaylist::Loop) << "mode 3 is ignored";

    const int index = playlist->addWithOptions(QUrl::fromLocalFile(mediaPath("pattern.mp4")).toString(),
                                               {":demux=h264", ":h264-fps=25"});
    EXPECT_EQ(index, 0);
    EXPECT_EQ(playlist->add(static_cast<QmlVlcMedia*>(nullptr)), -1);
    EXPECT_EQ(playlist->itemCount(), 1u);

    QSignalSpy volume(player.get(), &QmlVlcPlayerProxy::volumeChanged);
    QSignalSpy mute(player->audio(), &QmlVlcAudio::muteChanged);
    player->setVolume(40);
    player->mute();
    player->toggleMute();
    EXPECT_EQ(volume.count(), 1);
    EXPECT_EQ(mute.count(), 2);
    EXPECT_TRUE(playlist->removeItem(0));
    EXPECT_FALSE(playlist->removeItem(0));
}

// Nice value of every thread of this process, by thread id.
std::map<int, int> threadNiceValues() {
    std::map<int, int> nice;
    const QStringList tasks =
        QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& task : tasks) {
        errno = 0;
        const int value = getpriority(PRIO_PROCESS, static_cast<id_t>(task.toInt()));
        if (errno == 0) {
            nice[task.toInt()] = value;
        }
    }
    return nice;
}

int threadsAtNice(const std::map<int, int>& nice, int value) {
    return int(std::count_if(nice.begin(), nice.end(), [value](const auto& t) { return t.second == value; }));
}

TEST(VlcDecoderPriority, APlayersThreadsRunBelowTheWindowsThreadAndZeroLeavesThemAlone) {
    VlcTestSupport::configureQuietLibvlc();
    QmlVlcConfig& config = QmlVlcConfig::instance();
    const auto playAndRead = [](int decoderNice) {
        QmlVlcConfig::instance().setDecoderNice(decoderNice);
        QmlVlcPlayer player;
        player.classBegin();
        QSignalSpy playing(&player, &QmlVlcPlayerProxy::mediaPlayerPlaying);
        player.setMrl(mediaPath("bars.mp4"));
        EXPECT_TRUE(waitUntil([&] { return playing.count() > 0; }, 15000));
        QThread::msleep(300); // the decoder and video output threads start after "Playing"
        const std::map<int, int> nice = threadNiceValues();
        player.stop();
        return nice;
    };

    const std::map<int, int> untouched = playAndRead(0);
    EXPECT_EQ(threadsAtNice(untouched, 0), int(untouched.size())) << "0 leaves every thread alone";

    const std::map<int, int> lowered = playAndRead(10);
    EXPECT_EQ(lowered.at(getpid()), 0) << "the window's thread keeps its priority";
    // The input thread and what it started: demuxer, decoder, video output at least.
    EXPECT_GE(threadsAtNice(lowered, 10), 3);
    EXPECT_EQ(threadsAtNice(lowered, 0) + threadsAtNice(lowered, 10), int(lowered.size()));

    config.setDecoderNice(99);
    EXPECT_EQ(config.decoderNice(), QmlVlcConfig::maxDecoderNice);
    config.setDecoderNice(QmlVlcConfig::defaultDecoderNice);
}

TEST(VlcMemoryTrim, MemoryFreedOnOtherThreadsGoesBackAfterAPlayerEnds) {
    VlcTestSupport::configureQuietLibvlc();
    // What a decoder thread leaves: 64 MiB of small blocks freed into its arena, held there by one
    // block that stays at the arena's top.
    std::vector<void*> pinned;
    std::thread decoder([&pinned] {
        std::vector<void*> blocks;
        for (int i = 0; i < 64 * 256; ++i) {
            blocks.push_back(std::malloc(4000));
            std::memset(blocks.back(), 1, 4000);
        }
        pinned.push_back(std::malloc(4000));
        for (void* block : blocks) {
            std::free(block);
        }
    });
    decoder.join();
    const qint64 held = ProcessMemory::ownResidentKiB();
    const int trimsBefore = QmlVlcMemoryTrim::trims();

    QmlVlcPlayer player;
    player.classBegin();
    QSignalSpy ended(&player, &QmlVlcPlayerProxy::mediaPlayerEndReached);
    player.setMrl(mediaPath("short.mp4"));
    ASSERT_TRUE(waitUntil([&] { return ended.count() > 0; }, 15000));
    ASSERT_TRUE(
        waitUntil([&] { return QmlVlcMemoryTrim::trims() > trimsBefore; }, QmlVlcMemoryTrim::quietMs + 5000));
    const qint64 after = ProcessMemory::ownResidentKiB();
    EXPECT_GT(held - after, 32 * 1024) << "resident " << held << " KiB before, " << after << " KiB after";
    for (void* block : pinned) {
        std::free(block);
    }
}

TEST(VlcMemoryTrim, LargeBlocksFreedOnOtherThreadsGoBackAtOnce) {
    QmlVlcMemoryTrim::keepLargeBlocksApart();
    // A freed 4 MiB block is what makes glibc raise its threshold when it is left to move it. The
    // pictures are larger than the free blocks earlier tests may have left in the arenas.
    void* volatile first = std::malloc(4 * 1024 * 1024); // volatile: the pair is not optimised away
    std::memset(first, 1, 1024);
    std::free(first);
    std::vector<void*> pinned;
    qint64 held = 0;
    std::thread decoder([&pinned, &held] {
        std::vector<void*> pictures;
        for (int i = 0; i < 48; ++i) {
            pictures.push_back(std::malloc(2 * 1024 * 1024));
            std::memset(pictures.back(), 1, 2 * 1024 * 1024);
            pinned.push_back(std::malloc(64)); // keeps a picture from being the arena's top
        }
        held = ProcessMemory::ownResidentKiB();
        for (void* picture : pictures) {
            std::free(picture);
        }
    });
    decoder.join();
    const qint64 after = ProcessMemory::ownResidentKiB();
    EXPECT_GT(held - after, 64 * 1024)
        << "resident " << held << " KiB with the pictures, " << after << " KiB after they were freed";
    for (void* block : pinned) {
        std::free(block);
    }
}

TEST(VlcPlayerWithoutLibvlc, IsAHarmlessNoOp) {
    // An option libvlc does not know makes libvlc_new fail.
    QmlVlcConfig::instance().setExtraArguments({QStringLiteral("--okulon-no-such-option")});
    QmlVlcPlayer player;
    player.classBegin();
    VlcTestSupport::configureQuietLibvlc();
    player.setPosition(0.5);
    player.setVolume(30);
    EXPECT_EQ(player.position(), 0.0);
    EXPECT_EQ(player.volume(), 0u);
    EXPECT_EQ(player.playlist()->add(QStringLiteral("file:///x.mp4")), -1);
    player.play(QStringLiteral("file:///x.mp4"));
    EXPECT_EQ(player.state(), QmlVlcPlayerProxy::NothingSpecial);
    EXPECT_EQ(QmlVlcConfig::instance().instanceRefCount(), 0);
}

} // namespace

namespace {

TEST(VlcMediaListPlayerEvents, ListChangesReachTheirSignalsAndItemsPlay) {
    VlcTestSupport::configureQuietLibvlc();
    QmlVlcMediaListPlayer player;
    player.classBegin();
    QSignalSpy willAdd(&player, &QmlVlcMediaListPlayerProxy::mediaListWillAddItem);
    QSignalSpy added(&player, &QmlVlcMediaListPlayerProxy::mediaListItemAdded);
    QSignalSpy deleted(&player, &QmlVlcMediaListPlayerProxy::mediaListItemDeleted);
    QSignalSpy playing(&player, &QmlVlcPlayerProxy::mediaPlayerPlaying);

    QmlVlcPlaylist* playlist = player.playlist();
    EXPECT_EQ(playlist->add(QUrl::fromLocalFile(mediaPath("short.mp4")).toString()), 0);
    EXPECT_EQ(playlist->add(QUrl::fromLocalFile(mediaPath("pattern.mp4")).toString()), 1);
    ASSERT_TRUE(waitUntil([&] { return added.count() == 2; }, 5000));
    EXPECT_EQ(willAdd.count(), 2);
    EXPECT_EQ(added.at(1).at(0).toInt(), 1);

    EXPECT_FALSE(playlist->playItem(2));
    EXPECT_TRUE(playlist->playItem(1));
    ASSERT_TRUE(waitUntil([&] { return playing.count() > 0; }, 10000));
    EXPECT_EQ(playlist->currentItem(), 1);
    player.stop();

    EXPECT_TRUE(playlist->removeItem(0));
    ASSERT_TRUE(waitUntil([&] { return deleted.count() == 1; }, 5000));
    EXPECT_EQ(deleted.at(0).at(0).toInt(), 0);
}

} // namespace
