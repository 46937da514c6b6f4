// Live streams: the access a stream description is opened with, and the low-latency profile of live
// players against the default buffering of the others.
#include "MpegTsSender.h"
#include "VlcTestSupport.h"
#include "qmlVlc/QmlVlcConfig.h"
#include "qmlVlc/QmlVlcPlayer.h"
#include "qmlVlc/QmlVlcVideoSurface.h"
#include "qmlVlc/vlc/stream_description.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

using VlcTestSupport::mediaPath;
using VlcTestSupport::waitUntil;

namespace {

QString mpegTsDescription(const QString& host, quint16 port) {
    return QString::fromUtf8(MpegTsSender::description(host, port));
}

// A loopback description of `port` written to `name` in `dir`; empty when it cannot be written.
QString writeDescription(const QTemporaryDir& dir, const QString& name, quint16 port) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {};
    }
    file.write(mpegTsDescription(QStringLiteral("127.0.0.1"), port).toUtf8());
    return path;
}

// A live player and its surface (in no window) playing the description file of a loopback stream.
struct LiveTile {
    LiveTile() {
        VlcTestSupport::configureQuietLibvlc();
        player.classBegin();
        player.setLiveProfile(true);
        player.setHiddenSuspendMs(0); // the surface is in no window
        surface.setSource(&player);
    }
    ~LiveTile() { surface.setSource(nullptr); }
    // Writes the description of a stream to `port` on loopback, as a tile does for its camera.
    bool describe(quint16 port) {
        return port != 0 && writeDescription(dir, QStringLiteral("17.sdp"), port) == sdpPath;
    }
    void play() { player.play(QUrl::fromLocalFile(sdpPath).toString()); }

    QTemporaryDir dir;
    const QString sdpPath = dir.filePath(QStringLiteral("17.sdp"));
    QmlVlcPlayer player;
    QmlVlcVideoSurface surface;
};

TEST(StreamDescription, MpegTsOverRtpIsOpenedWithLibvlcsRtpAccessAndEverythingElseWithAvformat) {
    using vlc::stream_description;
    EXPECT_EQ(stream_description::parse(mpegTsDescription("127.0.0.1", 5004).toStdString()).rtp_access_mrl(),
              "rtp://@:5004");
    EXPECT_EQ(stream_description::parse(mpegTsDescription("::1", 6000).toStdString()).rtp_access_mrl(),
              "rtp://@[::]:6000");
    // Bare "\n" line ends are read too.
    EXPECT_EQ(stream_description::parse("v=0\nc=IN IP4 10.0.0.2\nm=video 7000 RTP/AVP 33\n").rtp_access_mrl(),
              "rtp://@:7000");

    // A dynamic payload (H.264 with its own parameters), several payloads, audio beside the video,
    // a bad port or no media at all: avformat reads those.
    const char* const others[] = {
        "v=0\nc=IN IP4 127.0.0.1\nm=video 5004 RTP/AVP 96\na=rtpmap:96 H264/90000\n",
        "v=0\nc=IN IP4 127.0.0.1\nm=video 5004 RTP/AVP 33 96\n",
        "v=0\nc=IN IP4 127.0.0.1\nm=video 5004 RTP/AVP 33\nm=audio 5006 RTP/AVP 14\n",
        "v=0\nc=IN IP4 127.0.0.1\nm=video 70000 RTP/AVP 33\n",
        "v=0\nc=IN IP4 127.0.0.1\nm=video 0 RTP/AVP 33\n",
        "v=0\nc=IN IP4 127.0.0.1\nm=audio 5004 RTP/AVP 33\n",
        "v=0\nc=IN IP4 127.0.0.1\n",
        "",
    };
    for (const char* text : others) {
        EXPECT_TRUE(stream_description::parse(text).rtp_access_mrl().empty()) << text;
    }

    // The ports the media arrive on, whatever reads them; bad ports are none.
    EXPECT_EQ(stream_description::parse(others[2]).ports(), (std::vector<int>{5004, 5006}));
    EXPECT_FALSE(stream_description::parse(others[2]).ipv6());
    EXPECT_TRUE(stream_description::parse(others[3]).ports().empty());
    EXPECT_TRUE(stream_description::parse(mpegTsDescription("::1", 6000).toStdString()).ipv6());

    EXPECT_EQ(stream_description::sdp_path("file:///tmp/a%20b/17.sdp"), "/tmp/a b/17.sdp");
    EXPECT_EQ(stream_description::sdp_path("/tmp/CAM.SDP"), "/tmp/CAM.SDP");
    EXPECT_TRUE(stream_description::sdp_path("/tmp/clip.mp4").empty());
    EXPECT_TRUE(stream_description::sdp_path("rtsp://host/x.sdp").empty());
    EXPECT_TRUE(stream_description::from_mrl("/nonexistent/17.sdp").rtp_access_mrl().empty());
}

TEST(StreamDescription, AServerLikeDescriptionPlaysThroughTheRtpAccess) {
    vlc::stream_description::set_rtp_access_enabled(true);
    LiveTile tile;
    const quint16 port = MpegTsSender::freePort();
    ASSERT_TRUE(tile.describe(port));
    MpegTsSender sender(mediaPath("pattern.mp4"), port);

    QSignalSpy error(&tile.player, &QmlVlcPlayerProxy::mediaPlayerEncounteredError);
    tile.play();
    EXPECT_EQ(tile.player.mrl(), QStringLiteral("rtp://@:%1").arg(port)) << "the file chose the access";
    ASSERT_TRUE(
        waitUntil([&] { return tile.surface.currentFrame() != nullptr || error.count() > 0; }, 20000));
    EXPECT_EQ(error.count(), 0);
    ASSERT_TRUE(tile.surface.currentFrame());
    // The stream tells its size only to the decoder; libvlc may pad the buffer, the picture is
    // shown at its own size.
    ASSERT_TRUE(waitUntil([&] { return tile.surface.displaySize() == QSize(320, 240); }, 5000))
        << tile.surface.displaySize().width() << "x" << tile.surface.displaySize().height();
    tile.player.stop();
}

// A camera's stream that stopped or never came leaves avformat waiting for packets for up to 10 s;
// stopping or replacing the player must not wait for that in the GUI thread.
TEST(StreamDescription, APlayerWhoseStreamEndedStopsAtOnce) {
    vlc::stream_description::set_rtp_access_enabled(false);
    LiveTile tile;
    auto playing = [&] { return waitUntil([&] { return tile.surface.currentFrame() != nullptr; }, 20000); };
    const quint16 port = MpegTsSender::freePort();
    ASSERT_TRUE(tile.describe(port));
    auto sender = std::make_unique<MpegTsSender>(mediaPath("pattern.mp4"), port);
    tile.play();
    ASSERT_TRUE(playing());
    sender.reset();
    QTest::qWait(1000);
    QElapsedTimer clock;
    clock.start();
    // A new stream of the camera on another port, its description in the same file, as a tile
    // asks for its stream again.
    const quint16 second = MpegTsSender::freePort();
    ASSERT_TRUE(tile.describe(second));
    tile.play();
    const qint64 replaceMs = clock.elapsed();
    EXPECT_LT(replaceMs, 2000) << "replacing the ended stream waited " << replaceMs << " ms";
    sender = std::make_unique<MpegTsSender>(mediaPath("pattern.mp4"), second);
    tile.surface.setSource(nullptr);
    tile.surface.setSource(&tile.player);
    EXPECT_TRUE(playing()) << "the new stream plays";

    // Stopped a second after the stream went: how long the stop took.
    auto stopLater = [&] {
        QTest::qWait(1000);
        clock.restart();
        tile.player.stop();
        return clock.elapsed();
    };
    sender.reset();
    const qint64 stopMs = stopLater();
    EXPECT_LT(stopMs, 2000) << "stopping the ended stream waited " << stopMs << " ms";

    // A stream that never comes (the server could not start it): avformat waits for its first
    // packets.
    ASSERT_TRUE(tile.describe(MpegTsSender::freePort()));
    tile.play();
    const qint64 neverMs = stopLater();
    EXPECT_LT(neverMs, 2000) << "stopping a stream that never came waited " << neverMs << " ms";
}

// Where avformat reads a stream, libvlc counts the bytes it demuxes: the count grows with the
// stream, second by second, which is what a tile's bit rate is taken from.
TEST(StreamDescription, AvformatCountsTheBytesOfALiveStream) {
    vlc::stream_description::set_rtp_access_enabled(false);
    LiveTile tile;
    const quint16 port = MpegTsSender::freePort();
    ASSERT_TRUE(tile.describe(port));
    MpegTsSender sender(mediaPath("pattern.mp4"), port);
    tile.play();
    ASSERT_TRUE(waitUntil([&] { return tile.surface.currentFrame() != nullptr; }, 20000));
    double last = tile.player.input()->receivedBytes();
    for (int second = 0; second < 3; ++second) {
        QTest::qWait(1000);
        const double now = tile.player.input()->receivedBytes();
        EXPECT_GT(now, last) << "no bytes counted in second " << second;
        last = now;
    }
    tile.player.stop();
}

TEST(StreamDescription, AnArchiveStreamPlayerUsesTheRtpAccessAndItsOwnBufferingWhereOthersDoNot) {
    const bool wasEnabled = vlc::stream_description::rtp_access_enabled();
    vlc::stream_description::set_rtp_access_enabled(false);
    VlcTestSupport::configureQuietLibvlc();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const quint16 port = MpegTsSender::freePort();
    ASSERT_NE(port, 0);
    const QString sdpPath = dir.filePath(QStringLiteral("archive.sdp"));
    {
        QFile file(sdpPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(mpegTsDescription("127.0.0.1", port).toUtf8());
    }
    const QString sdpUrl = QUrl::fromLocalFile(sdpPath).toString();

    QmlVlcPlayer plain;
    plain.classBegin();
    plain.play(sdpUrl);
    EXPECT_EQ(plain.mrl(), sdpUrl) << "other players read the description through avformat";
    plain.stop();

    QmlVlcPlayer archive;
    archive.classBegin();
    QSignalSpy changed(&archive, &QmlVlcPlayerProxy::archiveStreamProfileChanged);
    archive.setArchiveStreamProfile(true);
    archive.setArchiveStreamProfile(true);
    EXPECT_EQ(changed.count(), 1);
    const QStringList options = archive.mediaOptions();
    EXPECT_TRUE(
        options.contains(QStringLiteral(":network-caching=%1").arg(QmlVlcConfig::archiveStreamCachingMs)))
        << options.join(' ').toStdString();
    EXPECT_TRUE(options.contains(":clock-jitter=0"));
    EXPECT_GT(archive.archiveStreamDelayMs(), QmlVlcConfig::archiveStreamCachingMs);
    QmlVlcVideoSurface surface;
    surface.setSource(&archive);
    QSignalSpy error(&archive, &QmlVlcPlayerProxy::mediaPlayerEncounteredError);
    MpegTsSender sender(mediaPath("pattern.mp4"), port);
    archive.play(sdpUrl);
    EXPECT_EQ(archive.mrl(), QStringLiteral("rtp://@:%1").arg(port)) << "no probing for the archive stream";
    EXPECT_TRUE(waitUntil([&] { return surface.currentFrame() != nullptr || error.count() > 0; }, 20000));
    EXPECT_EQ(error.count(), 0);
    EXPECT_TRUE(surface.currentFrame()) << "the stream plays with these options";
    archive.stop();
    surface.setSource(nullptr);

    // Off again: the next media is the description's own.
    archive.setArchiveStreamProfile(false);
    EXPECT_TRUE(archive.mediaOptions().isEmpty());
    archive.play(sdpUrl);
    EXPECT_EQ(archive.mrl(), sdpUrl);
    archive.stop();
    vlc::stream_description::set_rtp_access_enabled(wasEnabled);
}

TEST(LiveProfile, LivePlayersGetTheLowLatencyOptionsAndTheSettingChangesThem) {
    QmlVlcConfig& config = QmlVlcConfig::instance();
    config.setLiveLatencyMs(QmlVlcConfig::defaultLiveLatencyMs);
    QmlVlcPlayer archive;
    QmlVlcPlayer live;
    QSignalSpy liveChanged(&live, &QmlVlcPlayerProxy::liveProfileChanged);
    live.setLiveProfile(true);
    live.setLiveProfile(true);
    EXPECT_EQ(liveChanged.count(), 1);

    EXPECT_TRUE(archive.mediaOptions().isEmpty()) << "archive players keep libvlc's buffering";
    const QStringList options = live.mediaOptions();
    EXPECT_TRUE(options.contains(":network-caching=100")) << options.join(' ').toStdString();
    EXPECT_TRUE(options.contains(":live-caching=100"));
    EXPECT_TRUE(options.contains(":clock-jitter=0"));

    // The setting applies to the next media of every live player.
    config.setLiveLatencyMs(800);
    EXPECT_TRUE(live.mediaOptions().contains(":network-caching=800"));
    EXPECT_FALSE(live.mediaOptions().contains(":network-caching=100"));
    EXPECT_TRUE(archive.mediaOptions().isEmpty());
    config.setLiveLatencyMs(-5);
    EXPECT_EQ(config.liveLatencyMs(), QmlVlcConfig::defaultLiveLatencyMs) << "a negative value is not kept";

    live.setLiveProfile(false);
    EXPECT_TRUE(live.mediaOptions().isEmpty());
    config.setLiveLatencyMs(QmlVlcConfig::defaultLiveLatencyMs);
}

TEST(LiveProfile, ALivePlayerPlaysAClipWithItsOptions) {
    // The options are real libvlc options: a media that carries them plays.
    VlcTestSupport::configureQuietLibvlc();
    QmlVlcPlayer player;
    player.classBegin();
    player.setLiveProfile(true);
    player.setHiddenSuspendMs(0);
    QmlVlcVideoSurface surface;
    surface.setSource(&player);
    player.play(mediaPath("pattern.mp4"));
    EXPECT_TRUE(waitUntil([&] { return surface.currentFrame() != nullptr; }, 15000));
    EXPECT_EQ(player.state(), QmlVlcPlayerProxy::Playing);
    player.stop();
    surface.setSource(nullptr);
}

} // namespace

// While a stream read through the RTP access waits for data, libvlc shows its last picture again
// many times a second, copied into other buffers: a tile must see that no new picture comes.
TEST(StreamDescription, PicturesShownAgainAfterTheStreamStopsAreNotNewPictures) {
    vlc::stream_description::set_rtp_access_enabled(true);
    VlcTestSupport::configureQuietLibvlc();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const quint16 port = MpegTsSender::freePort();
    ASSERT_NE(port, 0);
    const QString sdpPath = writeDescription(dir, QStringLiteral("18.sdp"), port);
    ASSERT_FALSE(sdpPath.isEmpty());
    auto sender = std::make_unique<MpegTsSender>(mediaPath("pattern.mp4"), port);
    QmlVlcPlayer player;
    player.classBegin();
    player.setLiveProfile(true);
    player.setHiddenSuspendMs(0);
    QmlVlcVideoSurface surface;
    surface.setSource(&player);
    player.play(QUrl::fromLocalFile(sdpPath).toString());
    ASSERT_TRUE(waitUntil([&] { return surface.currentFrame() != nullptr; }, 20000));
    const double before = surface.frameCount();
    waitUntil([] { return false; }, 3000);
    EXPECT_GT(surface.frameCount() - before, 25) << "a 25 fps stream gives new pictures while it plays";

    sender.reset();
    waitUntil([] { return false; }, 5000);
    EXPECT_EQ(player.state(), QmlVlcPlayerProxy::Playing) << "the access still waits for data";
    EXPECT_GT(surface.msSinceLastFrame(), 3000) << "no new picture since the stream stopped";
    player.stop();
    surface.setSource(nullptr);
    vlc::stream_description::set_rtp_access_enabled(false);
}
