// A camera-like RTP stream on loopback, described by an ".sdp" file, played through the avformat demuxer.
#include "VlcTestSupport.h"
#include "kvoCore/clientNetwork/RtpPortPicker.h"
#include "qmlVlc/QmlVlcPlayer.h"
#include "qmlVlc/QmlVlcVideoSurface.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using VlcTestSupport::mediaPath;
using VlcTestSupport::waitUntil;

namespace {

// A free even UDP port on loopback (RTP), with the next one (RTCP) free too; 0 when none is found.
quint16 freeRtpPort() {
    return KvoCore::RtpPortPicker::pick(200, QHostAddress(QHostAddress::LocalHost))
        .value_or(KvoCore::RtpPortPicker::Pair{})
        .rtp;
}

// libvlc's own stream output sends a clip as RTP to loopback and writes its description.
class RtpSender {
public:
    RtpSender(const QString& clip, quint16 port, const QString& sdpPath) {
        m_instance = VlcTestSupport::newQuietInstance();
        m_media = libvlc_media_new_path(m_instance, clip.toUtf8().constData());
        const QString sout =
            QStringLiteral(":sout=#rtp{dst=127.0.0.1,port=%1,sdp=file://%2}").arg(port).arg(sdpPath);
        libvlc_media_add_option(m_media, sout.toUtf8().constData());
        libvlc_media_add_option(m_media, ":sout-keep");
        libvlc_media_add_option(m_media, ":input-repeat=20");
        m_player = libvlc_media_player_new_from_media(m_media);
        libvlc_media_player_play(m_player);
    }
    ~RtpSender() {
        libvlc_media_player_stop(m_player);
        libvlc_media_player_release(m_player);
        libvlc_media_release(m_media);
        libvlc_release(m_instance);
    }

private:
    libvlc_instance_t* m_instance = nullptr;
    libvlc_media_t* m_media = nullptr;
    libvlc_media_player_t* m_player = nullptr;
};

TEST(SdpStream, AStreamDescriptionFilePlaysThroughAvformat) {
    VlcTestSupport::configureQuietLibvlc();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString sdpPath = dir.filePath(QStringLiteral("17.sdp"));
    const quint16 port = freeRtpPort();
    ASSERT_NE(port, 0);

    RtpSender sender(mediaPath("pattern.mp4"), port, sdpPath);
    ASSERT_TRUE(waitUntil([&] { return QFile(sdpPath).size() > 0; }, 10000)) << "no description written";

    QmlVlcPlayer player;
    player.classBegin();
    QmlVlcVideoSurface surface;
    surface.setSource(&player);
    QSignalSpy error(&player, &QmlVlcPlayerProxy::mediaPlayerEncounteredError);
    player.play(sdpPath);
    ASSERT_TRUE(waitUntil([&] { return surface.currentFrame() != nullptr || error.count() > 0; }, 20000));
    EXPECT_EQ(error.count(), 0);
    ASSERT_TRUE(surface.currentFrame());
    EXPECT_EQ(surface.currentFrame()->width, 320);
    EXPECT_EQ(surface.currentFrame()->height, 240);
    EXPECT_EQ(player.state(), QmlVlcPlayerProxy::Playing);
    player.stop();
    surface.setSource(nullptr);
}

} // namespace
