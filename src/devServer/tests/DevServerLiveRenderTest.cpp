// Real pixels under X: the client's video surface in a Qt Quick window shows the demo camera's live
// stream from the server, with its square moving. The last picture is kept as a screenshot.
#include "DemoClipPicture.h"
#include "LinkClient.h"
#include "LiveTestSupport.h"
#include "ServerProcess.h"

#include "kvoCore/Utils.h"
#include "qmlVlc/QmlVlcConfig.h"
#include "qmlVlc/QmlVlcPlayer.h"
#include "qmlVlc/QmlVlcTypes.h"
#include "qmlVlc/QmlVlcVideoSurface.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using LiveTestSupport::freeRtpPort;
using LiveTestSupport::waitUntil;

namespace {

const char* const scene = R"(
import QtQuick 2.15
import QtQuick.Window 2.15
import QmlVlc 0.1
Window {
    width: 320; height: 240; visible: true; color: "black"
    property alias player: player
    VlcPlayer { id: player }
    VlcVideoSurface { anchors.fill: parent; source: player; fillMode: VlcVideoSurface.Stretch }
}
)";

} // namespace

TEST(DevServerLiveRender, TheClientPlayerShowsTheMovingDemoPicture) {
    QmlVlcConfig::instance().setExtraArguments({"--no-xlib", "--quiet", "--no-audio", "--avcodec-hw=none"});
    QmlVlcTypes::registerTypes();
    QmlVlcTypes::registerPlayerState();

    ServerProcess server(false,
                         {{"video/demoClip", QStringLiteral(DEVSERVER_DEMO_CLIP)}, {"video/record", false}});
    ASSERT_TRUE(server.start()) << server.error().toStdString();
    LinkClient client;
    ASSERT_TRUE(client.connectTo(server.port()));
    ASSERT_TRUE(client.logIn("admin", KvoCore::Utils::getPwdHash(QString())));
    const QJsonArray devices =
        client.request({{"FN", "device_trGetList"}}, "device_saGetList").value("entries").toArray();
    ASSERT_EQ(devices.size(), 1);
    const qint64 id = devices.first().toObject().value("id").toVariant().toLongLong();
    const quint16 port = freeRtpPort();
    const QJsonObject sdp = client.request(
        {{"FN", "device_trGetSDP"}, {"id", id}, {"rtpVideoPort", port}, {"rtcpVideoPort", port + 1}},
        "device_saGetSDP");
    ASSERT_TRUE(sdp.value("RES").toBool()) << sdp.value("error").toString().toStdString();
    QTemporaryDir dir;
    const QString sdpPath = dir.filePath(QStringLiteral("%1.sdp").arg(id));
    {
        QFile file(sdpPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(sdp.value("sdpContent").toString().toUtf8());
    }

    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(scene, QUrl());
    std::unique_ptr<QObject> root(component.create());
    ASSERT_TRUE(root) << component.errorString().toStdString();
    auto* window = qobject_cast<QQuickWindow*>(root.get());
    auto* player = qobject_cast<QmlVlcPlayer*>(root->property("player").value<QObject*>());
    ASSERT_TRUE(window && player);
    ASSERT_TRUE(waitUntil([&] { return window->isExposed(); }, 5000));
    player->play(sdpPath);

    QImage shot;
    QPointF first(-1, -1);
    ASSERT_TRUE(waitUntil(
        [&] {
            shot = window->grabWindow();
            first = DemoClipPicture::squareCentre(shot);
            return first.x() >= 0;
        },
        20000))
        << "the square of the demo picture never showed";
    // The background is the clip's dark blue (#203040), not black: the picture fills the window.
    const QRgb corner = shot.pixel(4, 4);
    EXPECT_NEAR(qBlue(corner), 0x40, 16);
    EXPECT_NEAR(qRed(corner), 0x20, 16);
    QPointF later(-1, -1);
    EXPECT_TRUE(waitUntil(
        [&] {
            shot = window->grabWindow();
            later = DemoClipPicture::squareCentre(shot);
            return later.x() >= 0 && QLineF(first, later).length() > 10;
        },
        5000))
        << "the square does not move";
    shot.save(QStringLiteral(OKULON_TEST_OUTPUT_DIR "/devServerLiveStream.png"));
    player->stop();
}
