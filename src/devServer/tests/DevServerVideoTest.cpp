// The server program with its demo camera on loopback, watched through the client's own player.
#include "LinkClient.h"
#include "LiveTestSupport.h"
#include "ServerProcess.h"
#include "devServer/server/ArchivePlayback.h"

#include "kvoCore/Utils.h"
#include "qmlVlc/QmlVlcConfig.h"
#include "qmlVlc/QmlVlcPlayer.h"
#include "qmlVlc/QmlVlcVideoSurface.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkDatagram>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>

using LiveTestSupport::freeRtpPort;
using LiveTestSupport::videoPicturesInRtp;
using LiveTestSupport::waitUntil;

namespace {

// Datagrams that reach a port within `msecs`.
int datagramsWithin(QUdpSocket& socket, int msecs) {
    int count = 0;
    waitUntil(
        [&] {
            while (socket.hasPendingDatagrams()) {
                socket.receiveDatagram();
                ++count;
            }
            return false;
        },
        msecs);
    return count;
}

// Writes `text` into a new file; false when it cannot.
bool writeFile(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

class DevServerVideoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        QmlVlcConfig::instance().setExtraArguments(
            {"--no-xlib", "--quiet", "--no-audio", "--avcodec-hw=none"});
    }

    void startServer(QMap<QString, QVariant> settings = {}) {
        settings.insert("video/demoClip", QStringLiteral(DEVSERVER_DEMO_CLIP));
        server = std::make_unique<ServerProcess>(false, settings);
        ASSERT_TRUE(server->start()) << server->error().toStdString();
    }

    std::unique_ptr<LinkClient> adminClient() {
        auto client = std::make_unique<LinkClient>();
        EXPECT_TRUE(client->connectTo(server->port()));
        EXPECT_TRUE(client->logIn("admin", KvoCore::Utils::getPwdHash(QString())));
        return client;
    }

    QJsonObject demoCamera(LinkClient& client) {
        const QJsonArray devices =
            client.request({{"FN", "device_trGetList"}}, "device_saGetList").value("entries").toArray();
        for (const QJsonValue& device : devices) {
            if (device.toObject().value("deviceName").toString() == "Demo camera") {
                return device.toObject();
            }
        }
        return {};
    }

    // The demo clip copied into the server's video folder (the server plays only files of its own
    // folders) under `subfolder`; empty when it cannot be copied.
    QString demoClipInVideoFolder(const QString& subfolder) {
        const QString clipFile = server->folder() + QStringLiteral("/video/%1/demo.mp4").arg(subfolder);
        const bool copied = QDir().mkpath(QFileInfo(clipFile).absolutePath()) &&
                            QFile::copy(QStringLiteral(DEVSERVER_DEMO_CLIP), clipFile);
        return copied ? clipFile : QString();
    }

    // Lists `clipFile` as a finished 10 s recording of device `id` from `dtStart`; the answer.
    static QJsonObject addTenSecondClip(LinkClient& client, qint64 id, const QString& clipFile,
                                        qint64 dtStart) {
        return client.request({{"FN", "archive_trCreate"},
                               {"rstIDDevice", id},
                               {"type", 1},
                               {"dtStart", dtStart},
                               {"dtEnd", dtStart + 10000},
                               {"duration", 10000},
                               {"final", true},
                               {"filePath", clipFile}},
                              "archive_saCreate");
    }

    // The first `count` recorded clips (type 1) pushed to the client within `msecs`; fewer when
    // they do not come.
    static QList<QJsonObject> recordedClips(LinkClient& client, int count, int msecs) {
        QList<QJsonObject> clips;
        waitUntil(
            [&] {
                const QJsonObject next = client.waitFor("archive_srInserted", 100);
                if (next.value("type").toInt() == 1) {
                    clips.append(next);
                }
                return clips.size() >= count;
            },
            msecs);
        return clips;
    }

    std::unique_ptr<ServerProcess> server;
};

TEST_F(DevServerVideoTest, DemoCameraStreamsLiveToTheClientPlayerUntilTheClientLeaves) {
    startServer({{"video/record", false}});
    auto client = adminClient();
    const QJsonObject camera = demoCamera(*client);
    ASSERT_FALSE(camera.isEmpty()) << "a new database starts with the demo camera";
    EXPECT_EQ(camera.value("typeCode").toInt(), 4);
    EXPECT_TRUE(camera.value("enabled").toBool());
    const qint64 id = camera.value("id").toVariant().toLongLong();

    const quint16 port = freeRtpPort();
    ASSERT_NE(port, 0);
    const QJsonObject sdp = client->request(
        {{"FN", "device_trGetSDP"}, {"id", id}, {"rtpVideoPort", port}, {"rtcpVideoPort", port + 1}},
        "device_saGetSDP");
    ASSERT_TRUE(sdp.value("RES").toBool()) << sdp.value("error").toString().toStdString();
    EXPECT_EQ(sdp.value("id").toVariant().toLongLong(), id);
    const QString content = sdp.value("sdpContent").toString();
    EXPECT_TRUE(content.contains(QStringLiteral("m=video %1 ").arg(port))) << content.toStdString();

    QTemporaryDir dir;
    const QString sdpPath = dir.filePath(QStringLiteral("%1.sdp").arg(id));
    ASSERT_TRUE(writeFile(sdpPath, content));
    {
        QmlVlcPlayer player;
        player.classBegin();
        QmlVlcVideoSurface surface;
        surface.setSource(&player);
        QSignalSpy error(&player, &QmlVlcPlayerProxy::mediaPlayerEncounteredError);
        player.play(sdpPath);
        ASSERT_TRUE(waitUntil([&] { return surface.currentFrame() != nullptr || error.count() > 0; }, 20000))
            << "no decoded picture from the live stream";
        EXPECT_EQ(error.count(), 0);
        ASSERT_TRUE(surface.currentFrame());
        // libvlc may hand over a padded buffer (e.g. 320x258); the picture shown is the stream's size.
        EXPECT_TRUE(waitUntil([&] { return surface.displaySize() == QSize(320, 240); }, 5000))
            << surface.displaySize().width() << "x" << surface.displaySize().height();
        // The picture moves: a later frame differs from the first one.
        const QByteArray first = QByteArray(surface.currentFrame()->frameBuf);
        EXPECT_TRUE(waitUntil([&] { return QByteArray(surface.currentFrame()->frameBuf) != first; }, 5000));
        player.stop();
        surface.setSource(nullptr);
    }

    // The client hears the bit rate of its stream every two seconds. The demo clip (10 s) goes out
    // as read, so the rate is about the clip's own: its size over its length, less the container.
    QJsonObject stats;
    for (int i = 0; i < 4; ++i) {
        const QJsonObject next = client->waitFor("device_srStreamStats", 5000);
        ASSERT_FALSE(next.isEmpty()) << "no bit rate of the live stream";
        stats = next;
    }
    const QJsonArray entries = stats.value("entries").toArray();
    ASSERT_EQ(entries.size(), 1) << QJsonDocument(stats).toJson().toStdString();
    EXPECT_EQ(entries[0].toObject().value("id").toVariant().toLongLong(), id);
    const double clipBitsPerSecond = QFileInfo(QStringLiteral(DEVSERVER_DEMO_CLIP)).size() * 8 / 10.0;
    const double bitrate = entries[0].toObject().value("bitrate").toDouble();
    EXPECT_GT(bitrate, clipBitsPerSecond * 0.4);
    EXPECT_LT(bitrate, clipBitsPerSecond * 2.0);

    // The stream keeps coming while the client is connected, also after a camera restart, and stops
    // when the client leaves.
    QUdpSocket receiver;
    ASSERT_TRUE(receiver.bind(QHostAddress(QHostAddress::LocalHost), port));
    EXPECT_GT(datagramsWithin(receiver, 1500), 0);
    const QJsonObject restarted =
        client->request({{"FN", "device_trRestartCamera"}, {"id", id}}, "device_saRestartCamera");
    EXPECT_TRUE(restarted.value("RES").toBool()) << restarted.value("error").toString().toStdString();
    EXPECT_EQ(restarted.value("streams").toInt(), 1);
    datagramsWithin(receiver, 300);
    EXPECT_GT(datagramsWithin(receiver, 1500), 0) << "no stream after the restart";
    client.reset();
    datagramsWithin(receiver, 1000);
    EXPECT_EQ(datagramsWithin(receiver, 1500), 0) << "the stream outlived its client";
}

TEST_F(DevServerVideoTest, BadStreamRequestsGetClearErrors) {
    startServer({{"video/record", false}});
    auto client = adminClient();
    const qint64 id = demoCamera(*client).value("id").toVariant().toLongLong();
    ASSERT_GT(id, 1);
    const quint16 port = freeRtpPort();
    const QList<QJsonObject> bad{
        {{"FN", "device_trGetSDP"}, {"id", 9999}, {"rtpVideoPort", port}, {"rtcpVideoPort", port + 1}},
        {{"FN", "device_trGetSDP"}, {"id", id}, {"rtpVideoPort", port + 1}, {"rtcpVideoPort", port + 2}},
        {{"FN", "device_trGetSDP"}, {"id", id}, {"rtpVideoPort", port}, {"rtcpVideoPort", port + 3}},
        {{"FN", "device_trGetSDP"}, {"id", id}},
    };
    for (const QJsonObject& request : bad) {
        const QJsonObject answer = client->request(request, "device_saGetSDP");
        EXPECT_FALSE(answer.value("RES").toBool(true));
        EXPECT_FALSE(answer.value("error").toString().isEmpty());
        EXPECT_FALSE(answer.contains("sdpContent"));
    }

    // A camera test opens the source: the demo clip passes, a missing file fails with its name.
    const QJsonObject passed = client->request({{"FN", "device_trTest"}, {"id", id}}, "device_saTest");
    EXPECT_TRUE(passed.value("RES").toBool()) << passed.value("error").toString().toStdString();
    const QJsonObject failed = client->request(
        {{"FN", "device_trTest"}, {"typeCode", 4}, {"source", "/nonexistent/clip.mp4"}}, "device_saTest");
    EXPECT_FALSE(failed.value("RES").toBool(true));
    EXPECT_TRUE(failed.value("error").toString().contains("/nonexistent/clip.mp4"));

    // A disabled device streams no more.
    const QJsonObject sdp = client->request(
        {{"FN", "device_trGetSDP"}, {"id", id}, {"rtpVideoPort", port}, {"rtcpVideoPort", port + 1}},
        "device_saGetSDP");
    ASSERT_TRUE(sdp.value("RES").toBool());
    QUdpSocket receiver;
    ASSERT_TRUE(receiver.bind(QHostAddress(QHostAddress::LocalHost), port));
    EXPECT_GT(datagramsWithin(receiver, 2000), 0);

    // Asking again with other ports moves the stream: the old port falls silent.
    const quint16 otherPort = freeRtpPort();
    ASSERT_NE(otherPort, port);
    QUdpSocket other;
    ASSERT_TRUE(other.bind(QHostAddress(QHostAddress::LocalHost), otherPort));
    ASSERT_TRUE(client
                    ->request({{"FN", "device_trGetSDP"},
                               {"id", id},
                               {"rtpVideoPort", otherPort},
                               {"rtcpVideoPort", otherPort + 1}},
                              "device_saGetSDP")
                    .value("RES")
                    .toBool());
    datagramsWithin(receiver, 500);
    EXPECT_EQ(datagramsWithin(receiver, 1500), 0) << "the old port still gets the stream";
    EXPECT_GT(datagramsWithin(other, 1500), 0);

    const QJsonObject update =
        client->request({{"FN", "device_trUpdate"}, {"id", id}, {"enabled", false}}, "device_saUpdate");
    ASSERT_TRUE(update.value("RES").toBool()) << update.value("error").toString().toStdString();
    datagramsWithin(other, 3000);
    EXPECT_EQ(datagramsWithin(other, 1500), 0) << "a disabled device still streams";
    const QJsonObject refused = client->request(
        {{"FN", "device_trGetSDP"}, {"id", id}, {"rtpVideoPort", port}, {"rtcpVideoPort", port + 1}},
        "device_saGetSDP");
    EXPECT_FALSE(refused.value("RES").toBool(true));
}

// A camera being edited is previewed: the tested source streams to the asking client until it
// asks for another test, stops the preview, or a failed test ends it.
TEST_F(DevServerVideoTest, CameraTestStreamsAPreviewToTheAskingClient) {
    startServer({{"video/record", false}});
    auto client = adminClient();
    const quint16 port = freeRtpPort();
    QUdpSocket receiver;
    ASSERT_TRUE(receiver.bind(QHostAddress(QHostAddress::LocalHost), port));
    const QJsonObject preview = client->request({{"FN", "device_trTest"},
                                                 {"typeCode", 4},
                                                 {"source", QStringLiteral(DEVSERVER_DEMO_CLIP)},
                                                 {"preview", true},
                                                 {"rtpVideoPort", port},
                                                 {"rtcpVideoPort", port + 1}},
                                                "device_saTest");
    ASSERT_TRUE(preview.value("RES").toBool()) << preview.value("error").toString().toStdString();
    EXPECT_EQ(preview.value("id").toInt(-1), 0);
    EXPECT_TRUE(preview.value("sdpContent").toString().contains(QStringLiteral("m=video %1 ").arg(port)));
    EXPECT_GT(datagramsWithin(receiver, 2000), 0) << "the preview streams";

    const QJsonObject stopped =
        client->request({{"FN", "device_trTest"}, {"stopPreview", true}}, "device_saTest");
    EXPECT_TRUE(stopped.value("RES").toBool());
    datagramsWithin(receiver, 500); // what was on its way
    EXPECT_EQ(datagramsWithin(receiver, 1500), 0) << "the preview stopped";

    // A source that fails its test sends nothing and says why.
    const QJsonObject failed = client->request({{"FN", "device_trTest"},
                                                {"typeCode", 4},
                                                {"source", "/nonexistent/clip.mp4"},
                                                {"preview", true},
                                                {"rtpVideoPort", port},
                                                {"rtcpVideoPort", port + 1}},
                                               "device_saTest");
    EXPECT_FALSE(failed.value("RES").toBool(true));
    EXPECT_FALSE(failed.contains("sdpContent"));
    EXPECT_EQ(datagramsWithin(receiver, 1500), 0);
    const QJsonObject noPort = client->request({{"FN", "device_trTest"},
                                                {"typeCode", 4},
                                                {"source", QStringLiteral(DEVSERVER_DEMO_CLIP)},
                                                {"preview", true}},
                                               "device_saTest");
    EXPECT_FALSE(noPort.value("RES").toBool(true)) << "a preview needs a port to send to";
}

TEST_F(DevServerVideoTest, RecordsClipsAndReportsMotionOfTheDemoCamera) {
    startServer({{"video/clipSeconds", 2}, {"video/eventSeconds", 2}});
    auto client = adminClient();
    const qint64 id = demoCamera(*client).value("id").toVariant().toLongLong();
    ASSERT_GT(id, 1);

    // A finished clip is pushed and listed with its span and file.
    const QList<QJsonObject> recorded = recordedClips(*client, 1, 20000);
    ASSERT_FALSE(recorded.isEmpty()) << "no recorded clip within 20 s";
    const QJsonObject inserted = recorded.first();
    EXPECT_EQ(inserted.value("rstIDDevice").toVariant().toLongLong(), id);
    const QJsonArray archive =
        client->request({{"FN", "archive_trGetList"}}, "archive_saGetList").value("entries").toArray();
    QJsonObject clip;
    for (const QJsonValue& row : archive) {
        if (row.toObject().value("id") == inserted.value("id")) {
            clip = row.toObject();
        }
    }
    ASSERT_FALSE(clip.isEmpty()) << "the pushed clip is in the archive list";
    EXPECT_EQ(clip.value("type").toInt(), 1);
    EXPECT_EQ(clip.value("deviceName").toString(), "Demo camera");
    EXPECT_TRUE(clip.value("final").toBool());
    const qint64 start = clip.value("dtStart").toVariant().toLongLong();
    const qint64 end = clip.value("dtEnd").toVariant().toLongLong();
    EXPECT_GT(start, 1700000000000LL) << "epoch milliseconds";
    EXPECT_EQ(clip.value("duration").toVariant().toLongLong(), end - start);
    EXPECT_GE(end - start, 1500);
    EXPECT_LE(end - start, 6000);
    EXPECT_GT(QFileInfo(clip.value("filePath").toString()).size(), 0);

    const QJsonArray states =
        client->request({{"FN", "deviceRecState_trGetList"}}, "deviceRecState_saGetList")
            .value("entries")
            .toArray();
    ASSERT_EQ(states.size(), 1);
    EXPECT_EQ(states.first().toObject().value("recState").toString(), "recorded");
    EXPECT_GT(states.first().toObject().value("dtRecStarted").toVariant().toLongLong(), 1700000000000LL);

    // The moving square is seen: picture-relative boxes for the demo camera, and an event clip.
    const QJsonObject motion = client->waitFor("device_srObjectsDetected", 15000);
    ASSERT_FALSE(motion.isEmpty()) << "no motion reported";
    EXPECT_EQ(motion.value("id").toVariant().toLongLong(), id);
    const QJsonArray objects = motion.value("objects").toArray();
    ASSERT_FALSE(objects.isEmpty());
    for (const QJsonValue& value : objects) {
        const QJsonObject box = value.toObject();
        EXPECT_EQ(box.value("name").toString(), "motion");
        EXPECT_GE(box.value("x").toDouble(-1), 0.0);
        EXPECT_GT(box.value("width").toDouble(), 0.0);
        EXPECT_LE(box.value("x").toDouble() + box.value("width").toDouble(), 1.0 + 1e-9);
        EXPECT_LE(box.value("y").toDouble() + box.value("height").toDouble(), 1.0 + 1e-9);
        // The square is 48 of 320 pixels wide: a box is far smaller than the picture.
        EXPECT_LT(box.value("width").toDouble(), 0.6);
    }
    QJsonObject event;
    ASSERT_TRUE(waitUntil(
        [&] {
            const QJsonObject next = client->waitFor("archive_srInserted", 100);
            if (next.value("type").toInt() == 2) {
                event = next;
            }
            return !event.isEmpty();
        },
        20000))
        << "no event clip";
    EXPECT_EQ(event.value("detected").toString(), "motion");
    EXPECT_GT(QFileInfo(event.value("filePath").toString()).size(), 0);
}

TEST_F(DevServerVideoTest, ArchivePlaybackStreamsPausesJumpsAndReportsItsPosition) {
    startServer({{"video/clipSeconds", 2}});
    auto client = adminClient();
    const qint64 id = demoCamera(*client).value("id").toVariant().toLongLong();
    const QList<QJsonObject> clips = recordedClips(*client, 2, 30000);
    ASSERT_GE(clips.size(), 2) << "two clips are needed";
    const qint64 firstStart = clips.at(0).value("dtStart").toVariant().toLongLong();
    const qint64 secondStart = clips.at(1).value("dtStart").toVariant().toLongLong();

    const QJsonObject unknown = client->request({{"FN", "archivePlayer_trPlayVideo"}, {"streamKey", "nope"}},
                                                "archivePlayer_saPlayVideo");
    EXPECT_FALSE(unknown.value("RES").toBool(true));

    const quint16 port = freeRtpPort();
    const QJsonObject created = client->request({{"FN", "archivePlayer_trCreateVideo"},
                                                 {"_receiver", "7"},
                                                 {"streamKey", "k1"},
                                                 {"rstIDDevice", id},
                                                 {"dtStart", firstStart},
                                                 {"rtpVideoPort", port}},
                                                "archivePlayer_saCreateVideo");
    ASSERT_EQ(created.value("status").toString(), "OK") << created.value("error").toString().toStdString();
    EXPECT_EQ(created.value("streamKey").toString(), "k1");
    EXPECT_EQ(created.value("_receiver").toString(), "7");
    const QJsonObject sdp = client->waitFor("archivePlayer_srNewSDP");
    EXPECT_EQ(sdp.value("streamKey").toString(), "k1");
    ASSERT_TRUE(sdp.value("sdp").toString().contains(QStringLiteral("m=video %1 ").arg(port)));

    QTemporaryDir dir;
    const QString sdpPath = dir.filePath("k1.sdp");
    ASSERT_TRUE(writeFile(sdpPath, sdp.value("sdp").toString()));
    {
        QmlVlcPlayer player;
        player.classBegin();
        QmlVlcVideoSurface surface;
        surface.setSource(&player);
        player.play(sdpPath);
        EXPECT_TRUE(waitUntil([&] { return surface.currentFrame() != nullptr; }, 20000))
            << "no decoded picture from the archive stream";
        player.stop();
        surface.setSource(nullptr);
    }
    const QJsonObject position = client->waitFor("archivePlayer_srPosition", 3000);
    EXPECT_EQ(position.value("streamKey").toString(), "k1");
    EXPECT_GE(position.value("position").toVariant().toLongLong(), firstStart);

    const QJsonObject paused = client->request({{"FN", "archivePlayer_trPauseVideo"}, {"streamKey", "k1"}},
                                               "archivePlayer_saPauseVideo");
    EXPECT_TRUE(paused.value("RES").toBool());
    const QJsonObject jumped = client->request({{"FN", "archivePlayer_trJumpVideo"},
                                                {"streamKey", "k1"},
                                                {"_requestId", "r-1"},
                                                {"position", secondStart + 500}},
                                               "archivePlayer_saJumpVideo");
    EXPECT_TRUE(jumped.value("RES").toBool()) << jumped.value("error").toString().toStdString();
    EXPECT_EQ(jumped.value("_requestId").toString(), "r-1");
    const QJsonObject played = client->request({{"FN", "archivePlayer_trPlayVideo"}, {"streamKey", "k1"}},
                                               "archivePlayer_saPlayVideo");
    EXPECT_TRUE(played.value("RES").toBool());
    EXPECT_TRUE(waitUntil(
        [&] {
            const QJsonObject next = client->waitFor("archivePlayer_srPosition", 100);
            return next.value("position").toVariant().toLongLong() >= secondStart;
        },
        5000))
        << "the position does not follow the jump";

    QUdpSocket receiver;
    ASSERT_TRUE(receiver.bind(QHostAddress(QHostAddress::LocalHost), port));
    const QJsonObject removed = client->request({{"FN", "archivePlayer_trRemoveVideo"}, {"streamKey", "k1"}},
                                                "archivePlayer_saRemoveVideo");
    EXPECT_TRUE(removed.value("RES").toBool());
    datagramsWithin(receiver, 800);
    EXPECT_EQ(datagramsWithin(receiver, 1200), 0) << "a removed stream still sends";
}

// Clip after clip, the stream goes on as one: the next clip's pictures come after the last ones of
// the clip before (not among them, which the player drops as late) and at the pace of the recording
// (not in a burst), with no pause between, and none of the recording is left out at the boundary.
TEST_F(DevServerVideoTest, ArchiveStreamGoesFromClipToClipWithoutOverlapOrPause) {
    startServer({{"video/record", false}});
    auto client = adminClient();
    const qint64 id = demoCamera(*client).value("id").toVariant().toLongLong();
    const QString clipFile = demoClipInVideoFolder(QStringLiteral("boundary"));
    ASSERT_FALSE(clipFile.isEmpty());
    const qint64 base = (QDateTime::currentMSecsSinceEpoch() - 3600000) / 1000 * 1000;
    for (int i = 0; i < 2; ++i) {
        const QJsonObject made = addTenSecondClip(*client, id, clipFile, base + i * 10000);
        ASSERT_TRUE(made.value("RES").toBool()) << made.value("error").toString().toStdString();
    }
    const quint16 port = freeRtpPort();
    QUdpSocket receiver;
    ASSERT_TRUE(receiver.bind(QHostAddress(QHostAddress::LocalHost), port));
    const QJsonObject created = client->request({{"FN", "archivePlayer_trCreateVideo"},
                                                 {"streamKey", "b1"},
                                                 {"rstIDDevice", id},
                                                 {"dtStart", base + 6000},
                                                 {"rtpVideoPort", port}},
                                                "archivePlayer_saCreateVideo");
    ASSERT_EQ(created.value("status").toString(), "OK") << created.value("error").toString().toStdString();

    // Four seconds up to the end of the first clip, then three into the second.
    struct Picture {
        qint64 arrivedMs;
        double pts;
        bool keyFrame;
    };
    std::vector<Picture> pictures;
    // Each reported position and when it came.
    struct Report {
        qint64 arrivedMs;
        qint64 position;
    };
    std::vector<Report> reports;
    QElapsedTimer clock;
    clock.start();
    waitUntil(
        [&] {
            while (receiver.hasPendingDatagrams()) {
                const QNetworkDatagram datagram = receiver.receiveDatagram();
                for (const auto& picture : videoPicturesInRtp(datagram.data())) {
                    pictures.push_back({clock.elapsed(), picture.pts, picture.keyFrame});
                }
            }
            const QList<QJsonObject> positions = client->received("archivePlayer_srPosition");
            for (int i = int(reports.size()); i < positions.size(); ++i) {
                reports.push_back(
                    {clock.elapsed(), positions.at(i).value("position").toVariant().toLongLong()});
            }
            return false;
        },
        8000);
    ASSERT_GT(pictures.size(), 75u) << "fewer than 5 s of pictures at 15 per second";
    // From the second second on: the start (libvlc's seek into the first clip, whose first timestamps
    // sometimes jump) is not what this is about.
    pictures.erase(pictures.begin(), std::find_if(pictures.begin(), pictures.end(),
                                                  [](const Picture& p) { return p.arrivedMs >= 1500; }));
    ASSERT_GT(pictures.size(), 60u);
    double latest = pictures.front().pts;
    double worstBack = 0;
    double worstStep = 0; // the longest a picture stays on the screen
    qint64 longestPause = 0;
    double worstBurst = 0; // the most recording that came within a tenth of a second
    std::size_t windowStart = 0;
    for (std::size_t i = 1; i < pictures.size(); ++i) {
        worstBack = std::max(worstBack, latest - pictures[i].pts);
        worstStep = std::max(worstStep, pictures[i].pts - latest);
        latest = std::max(latest, pictures[i].pts);
        longestPause = std::max(longestPause, pictures[i].arrivedMs - pictures[i - 1].arrivedMs);
        while (pictures[i].arrivedMs - pictures[windowStart].arrivedMs > 100) {
            ++windowStart;
        }
        worstBurst = std::max(worstBurst, pictures[i].pts - pictures[windowStart].pts);
    }
    std::cout << "[ boundary ] " << pictures.size() << " pictures, worst step back " << worstBack * 1000
              << " ms, longest picture " << worstStep * 1000 << " ms, longest pause " << longestPause
              << " ms, most recording within 100 ms " << worstBurst * 1000 << " ms" << std::endl;
    // The position runs with the clock: from one report to the next it moves on as much as time
    // went by (libvlc's own time moves in steps of up to half a second). Into the next clip it moves
    // on by as much as the one before was cut short at most.
    ASSERT_GE(reports.size(), 10u);
    std::vector<double> drifts;
    std::cout << "[ boundary ] position moved less time gone by:";
    for (std::size_t i = 1; i < reports.size(); ++i) {
        if (reports[i - 1].arrivedMs >= 1500) {
            drifts.push_back(double(reports[i].position - reports[i - 1].position) -
                             double(reports[i].arrivedMs - reports[i - 1].arrivedMs));
            std::cout << ' ' << drifts.back();
        }
    }
    std::cout << std::endl;
    std::sort(drifts.begin(), drifts.end(), [](double a, double b) { return std::abs(a) > std::abs(b); });
    EXPECT_LE(std::abs(drifts[0]), DevServer::ArchivePlayback::switchLeadMs + 100) << "the position leaps";
    // A report that came late (a busy machine) moves two differences, one each way.
    EXPECT_LE(std::abs(drifts[1]), 150) << "the position stands still and leaps within a clip";
    EXPECT_LE(std::abs(drifts[drifts.size() / 2]), 50) << "the position moves in steps";
    EXPECT_LE(worstBack, 0.07) << "pictures of the next clip came among those of the clip before";
    EXPECT_LE(worstStep, 0.3) << "the picture stands still between the clips";
    EXPECT_LE(longestPause, 600);
    EXPECT_LE(worstBurst, 0.4);

    // The demo clip has a key frame every second, so 15 pictures from one to the next: at the
    // boundary the last picture of the first clip may be left out, no more, and the key frames stay
    // about a second of timestamps apart (a pause makes that more).
    std::vector<std::size_t> keyFrames;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        if (pictures[i].keyFrame) {
            keyFrames.push_back(i);
        }
    }
    ASSERT_GE(keyFrames.size(), 4u) << "key frames are told in the stream";
    std::cout << "[ boundary ] from key frame to key frame:";
    for (std::size_t k = 1; k < keyFrames.size(); ++k) {
        const std::size_t count = keyFrames[k] - keyFrames[k - 1];
        const double apart = pictures[keyFrames[k]].pts - pictures[keyFrames[k - 1]].pts;
        std::cout << ' ' << count << " pictures in " << apart * 1000 << " ms;";
        EXPECT_GE(count, 14u) << "pictures of the recording left out before key frame " << k;
        EXPECT_LE(count, 15u);
        EXPECT_GE(apart, 0.9) << "before key frame " << k;
        EXPECT_LE(apart, 1.25) << "the stream paused before key frame " << k;
    }
    std::cout << std::endl;
}

TEST_F(DevServerVideoTest, ArchiveStreamPlaysAtTheSpeedAskedFor) {
    startServer({{"video/record", false}});
    auto client = adminClient();
    const qint64 id = demoCamera(*client).value("id").toVariant().toLongLong();
    // The 10 s demo clip, listed as a recording that ended a minute ago.
    const QString clipFile = demoClipInVideoFolder(QStringLiteral("speed"));
    ASSERT_FALSE(clipFile.isEmpty());
    const qint64 start = QDateTime::currentMSecsSinceEpoch() - 70000;
    const QJsonObject clip = addTenSecondClip(*client, id, clipFile, start);
    ASSERT_TRUE(clip.value("RES").toBool()) << clip.value("error").toString().toStdString();

    const quint16 port = freeRtpPort();
    const QJsonObject refused = client->request({{"FN", "archivePlayer_trCreateVideo"},
                                                 {"streamKey", "fast"},
                                                 {"rstIDDevice", id},
                                                 {"dtStart", start},
                                                 {"rtpVideoPort", port},
                                                 {"speed", 100}},
                                                "archivePlayer_saCreateVideo");
    EXPECT_FALSE(refused.value("RES").toBool(true)) << "a speed out of range";
    EXPECT_TRUE(refused.value("error").toString().contains("speed"));

    const QJsonObject created = client->request({{"FN", "archivePlayer_trCreateVideo"},
                                                 {"streamKey", "fast"},
                                                 {"rstIDDevice", id},
                                                 {"dtStart", start},
                                                 {"rtpVideoPort", port},
                                                 {"speed", 4}},
                                                "archivePlayer_saCreateVideo");
    ASSERT_EQ(created.value("status").toString(), "OK") << created.value("error").toString().toStdString();
    const QJsonObject sdp = client->waitFor("archivePlayer_srNewSDP");
    QTemporaryDir dir;
    const QString sdpPath = dir.filePath("fast.sdp");
    ASSERT_TRUE(writeFile(sdpPath, sdp.value("sdp").toString()));
    // Four times as fast, the 10 s clip is sent in about 2.5 s (at the normal speed it takes 10 s):
    // the position stops where the stream ends, and the client's player shows the stream meanwhile.
    QmlVlcPlayer player;
    player.classBegin();
    player.setArchiveStreamProfile(true);
    QmlVlcVideoSurface surface;
    surface.setSource(&player);
    player.play(sdpPath);
    // The rate is taken from the first report to the last change, wherever the start took long.
    QElapsedTimer clock;
    clock.start();
    qint64 first = -1, furthest = 0, firstMs = 0, lastChangeMs = 0;
    int unchanged = 0;
    waitUntil(
        [&] {
            const QJsonObject next = client->waitFor("archivePlayer_srPosition", 100);
            if (next.isEmpty()) {
                return false;
            }
            const qint64 at = next.value("position").toVariant().toLongLong();
            if (first < 0) {
                first = furthest = at;
                firstMs = lastChangeMs = clock.elapsed();
            } else if (at != furthest) {
                furthest = at;
                lastChangeMs = clock.elapsed();
                unchanged = 0;
            }
            return ++unchanged >= 4 && surface.currentFrame() != nullptr;
        },
        20000);
    EXPECT_TRUE(surface.currentFrame() != nullptr) << "no picture of the fast stream";
    ASSERT_GE(unchanged, 4) << "the stream did not end";
    const double fastRate = double(furthest - first) / double(qMax<qint64>(1, lastChangeMs - firstMs));
    EXPECT_GE(furthest - start, 3000) << "the stream got to " << furthest - start << " ms of the clip";
    EXPECT_GE(fastRate, 2.0) << "the clip moved " << fastRate << " times as fast as the clock";
    std::cout << "[ speed ] at x4 the clip moved " << fastRate << " times as fast as the clock" << std::endl;

    // Back to the normal speed from the clip's first second: about a second of the clip per second.
    const QJsonObject jumped = client->request({{"FN", "archivePlayer_trJumpVideo"},
                                                {"streamKey", "fast"},
                                                {"position", start + 1000},
                                                {"speed", 1}},
                                               "archivePlayer_saJumpVideo");
    EXPECT_TRUE(jumped.value("RES").toBool()) << jumped.value("error").toString().toStdString();
    const QJsonObject badSpeed =
        client->request({{"FN", "archivePlayer_trPlayVideo"}, {"streamKey", "fast"}, {"speed", "fast"}},
                        "archivePlayer_saPlayVideo");
    EXPECT_FALSE(badSpeed.value("RES").toBool(true)) << "a speed that is no number";
    // Measured once the jump shows (reports of the fast stream may still be on their way) and the
    // position has moved on from the moment jumped to.
    qint64 from = -1, last = -1;
    bool jumpSeen = false;
    QElapsedTimer span;
    waitUntil(
        [&] {
            const QJsonObject next = client->waitFor("archivePlayer_srPosition", 100);
            if (next.isEmpty()) {
                return false;
            }
            last = next.value("position").toVariant().toLongLong();
            jumpSeen = jumpSeen || last < start + 2000;
            if (jumpSeen && from < 0 && last > start + 1300) {
                from = last;
                span.start();
            }
            return span.isValid() && span.elapsed() >= 3000;
        },
        15000);
    ASSERT_GE(from, 0) << "the stream does not move on from the jump";
    const double rate = double(last - from) / double(qMax<qint64>(1, span.elapsed()));
    std::cout << "[ speed ] back at x1 the clip moves " << rate << " times as fast as the clock" << std::endl;
    EXPECT_NEAR(rate, 1.0, 0.4) << "the clip moves " << rate << " times as fast as the clock";
    player.stop();
    surface.setSource(nullptr);
}

// Duration of a media file in milliseconds as ffprobe reads it; -1 when it cannot.
qint64 probedDurationMs(const QString& path) {
    QProcess probe;
    probe.start("ffprobe", {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", path});
    if (!probe.waitForFinished(20000) || probe.exitCode() != 0) {
        return -1;
    }
    bool ok = false;
    const double seconds = probe.readAllStandardOutput().trimmed().toDouble(&ok);
    return ok ? qint64(seconds * 1000) : -1;
}

TEST_F(DevServerVideoTest, ExportWritesOneMp4AcrossClipsAndCancelLeavesNothing) {
    startServer({{"video/clipSeconds", 2}});
    auto client = adminClient();
    const qint64 id = demoCamera(*client).value("id").toVariant().toLongLong();
    const QList<QJsonObject> clips = recordedClips(*client, 3, 40000);
    ASSERT_GE(clips.size(), 3) << "three clips are needed";
    // From the middle of the first clip to the middle of the third: across two clip boundaries.
    const auto at = [&](int i, double part) {
        const qint64 start = clips.at(i).value("dtStart").toVariant().toLongLong();
        const qint64 end = clips.at(i).value("dtEnd").toVariant().toLongLong();
        return start + qint64(double(end - start) * part);
    };
    const qint64 from = at(0, 0.5), to = at(2, 0.5);
    QTemporaryDir folder;

    const QJsonObject refused = client->request({{"FN", "archivePlayer_trExportVideo"},
                                                 {"exportKey", "bad"},
                                                 {"rstIDDevice", id},
                                                 {"dtStart", from},
                                                 {"dtEnd", to},
                                                 {"folder", "relative/folder"}},
                                                "archivePlayer_saExportVideo");
    EXPECT_FALSE(refused.value("RES").toBool(true));

    QElapsedTimer timer;
    timer.start();
    const QJsonObject started = client->request({{"FN", "archivePlayer_trExportVideo"},
                                                 {"exportKey", "e1"},
                                                 {"rstIDDevice", id},
                                                 {"dtStart", from},
                                                 {"dtEnd", to},
                                                 {"folder", folder.path()}},
                                                "archivePlayer_saExportVideo");
    ASSERT_TRUE(started.value("RES").toBool()) << started.value("error").toString().toStdString();
    const QString filePath = started.value("filePath").toString();
    EXPECT_EQ(QFileInfo(filePath).absolutePath(), QDir(folder.path()).absolutePath());
    QJsonObject done;
    ASSERT_TRUE(waitUntil(
        [&] {
            const QJsonObject next = client->waitFor("archivePlayer_srExportProgress", 100);
            if (next.value("done").toBool()) {
                done = next;
            }
            return !done.isEmpty();
        },
        30000))
        << "the export does not end";
    const qint64 elapsed = timer.elapsed();
    ASSERT_TRUE(done.value("RES").toBool()) << done.value("error").toString().toStdString();
    EXPECT_EQ(done.value("filePath").toString(), filePath);
    const qint64 duration = probedDurationMs(filePath);
    std::printf("[ export ] %lld ms of recording across 3 clips written in %lld ms (%.1fx real time), "
                "ffprobe duration %lld ms\n",
                static_cast<long long>(to - from), static_cast<long long>(elapsed),
                double(to - from) / double(qMax<qint64>(1, elapsed)), static_cast<long long>(duration));
    EXPECT_NEAR(double(duration), double(to - from), 1000.0);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QFileInfo(filePath).fileName()})
        << "one file, no leftovers";

    // Cancelled right after the start: no file at all, and no notice of an end.
    QTemporaryDir cancelFolder;
    client->send({{"FN", "archivePlayer_trExportVideo"},
                  {"exportKey", "e2"},
                  {"rstIDDevice", id},
                  {"dtStart", at(0, 0.0)},
                  {"dtEnd", to},
                  {"folder", cancelFolder.path()}});
    const QJsonObject cancelled = client->request(
        {{"FN", "archivePlayer_trCancelExport"}, {"exportKey", "e2"}}, "archivePlayer_saCancelExport");
    EXPECT_TRUE(cancelled.value("RES").toBool()) << cancelled.value("error").toString().toStdString();
    EXPECT_TRUE(client->waitFor("archivePlayer_saExportVideo").value("RES").toBool());
    waitUntil([] { return false; }, 1500);
    EXPECT_TRUE(QDir(cancelFolder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    for (const QJsonObject& notice : client->received("archivePlayer_srExportProgress")) {
        EXPECT_FALSE(notice.value("exportKey").toString() == "e2" && notice.value("done").toBool());
    }
}

TEST_F(DevServerVideoTest, ArchiveStreamEndsWithItsViewer) {
    startServer({{"video/clipSeconds", 2}});
    auto client = adminClient();
    const qint64 id = demoCamera(*client).value("id").toVariant().toLongLong();
    // Three clips: the stream from the first one would go on for about six seconds.
    const QList<QJsonObject> clips = recordedClips(*client, 3, 40000);
    ASSERT_GE(clips.size(), 3) << "three clips are needed";
    const QJsonObject clip = clips.first();
    const quint16 port = freeRtpPort();
    QUdpSocket receiver;
    ASSERT_TRUE(receiver.bind(QHostAddress(QHostAddress::LocalHost), port));
    const QJsonObject created = client->request({{"FN", "archivePlayer_trCreateVideo"},
                                                 {"streamKey", "viewer"},
                                                 {"rstIDDevice", id},
                                                 {"dtStart", clip.value("dtStart")},
                                                 {"rtpVideoPort", port}},
                                                "archivePlayer_saCreateVideo");
    ASSERT_EQ(created.value("status").toString(), "OK") << created.value("error").toString().toStdString();
    EXPECT_GT(datagramsWithin(receiver, 1500), 0) << "the stream is sent";
    client.reset();
    datagramsWithin(receiver, 800);
    EXPECT_EQ(datagramsWithin(receiver, 1500), 0) << "a stream outlives its viewer";
}

} // namespace
