// Many live tiles at once: eight streams of the server's demo camera, each asked by a session of its
// own, all show pictures in the client's players. The bound is generous (a loaded machine); the
// start-up target itself is measured by the video benchmark.
#include "LinkClient.h"
#include "LiveTestSupport.h"
#include "ServerProcess.h"

#include "kvoCore/Utils.h"
#include "qmlVlc/QmlVlcConfig.h"
#include "qmlVlc/QmlVlcPlayer.h"
#include "qmlVlc/QmlVlcVideoSurface.h"
#include "qmlVlc/vlc/stream_description.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using LiveTestSupport::freeRtpPort;
using LiveTestSupport::waitUntil;

TEST(DevServerManyTiles, EightLiveStreamsAllShowPictures) {
    // The fast start of many tiles is libvlc's RTP access, which the program switches on by a setting.
    vlc::stream_description::set_rtp_access_enabled(true);
    constexpr int tiles = 8;
    QmlVlcConfig::instance().setExtraArguments({"--no-xlib", "--quiet", "--no-audio", "--avcodec-hw=none"});
    ServerProcess server(false,
                         {{"video/demoClip", QStringLiteral(DEVSERVER_DEMO_CLIP)}, {"video/record", false}});
    ASSERT_TRUE(server.start()) << server.error().toStdString();
    QTemporaryDir dir;
    std::vector<std::unique_ptr<LinkClient>> sessions;
    QStringList files;
    for (int i = 0; i < tiles; ++i) {
        auto client = std::make_unique<LinkClient>();
        ASSERT_TRUE(client->connectTo(server.port()));
        ASSERT_TRUE(client->logIn("admin", KvoCore::Utils::getPwdHash(QString())));
        const QJsonArray devices =
            client->request({{"FN", "device_trGetList"}}, "device_saGetList").value("entries").toArray();
        ASSERT_EQ(devices.size(), 1);
        const qint64 id = devices.first().toObject().value("id").toVariant().toLongLong();
        const quint16 port = freeRtpPort();
        ASSERT_NE(port, 0);
        const QJsonObject sdp = client->request(
            {{"FN", "device_trGetSDP"}, {"id", id}, {"rtpVideoPort", port}, {"rtcpVideoPort", port + 1}},
            "device_saGetSDP");
        ASSERT_TRUE(sdp.value("RES").toBool()) << sdp.value("error").toString().toStdString();
        const QString path = dir.filePath(QStringLiteral("tile%1.sdp").arg(i));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(sdp.value("sdpContent").toString().toUtf8());
        files << path;
        sessions.push_back(std::move(client));
    }

    std::vector<std::unique_ptr<QmlVlcPlayer>> players;
    std::vector<std::unique_ptr<QmlVlcVideoSurface>> surfaces;
    for (int i = 0; i < files.size(); ++i) {
        players.push_back(std::make_unique<QmlVlcPlayer>());
        players.back()->classBegin();
        players.back()->setLiveProfile(true);
        players.back()->setHiddenSuspendMs(0); // no window here: nothing is ever seen
        surfaces.push_back(std::make_unique<QmlVlcVideoSurface>());
        surfaces.back()->setSource(players.back().get());
    }
    QElapsedTimer clock;
    clock.start();
    for (size_t i = 0; i < players.size(); ++i) {
        players[i]->play(QUrl::fromLocalFile(files[int(i)]).toString());
        EXPECT_TRUE(players[i]->mrl().startsWith("rtp://@:")) << players[i]->mrl().toStdString();
    }
    const auto showing = [&] {
        int n = 0;
        for (const auto& surface : surfaces) {
            n += surface->currentFrame() ? 1 : 0;
        }
        return n;
    };
    EXPECT_TRUE(waitUntil([&] { return showing() == tiles; }, 30000))
        << showing() << " of " << tiles << " tiles show pictures";
    std::printf("all %d tiles showed pictures after %lld ms\n", tiles,
                static_cast<long long>(clock.elapsed()));
    for (auto& surface : surfaces) {
        surface->setSource(nullptr);
    }
    for (auto& player : players) {
        player->stop();
    }
}
