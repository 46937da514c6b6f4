// Delivery of event clips to local fake YouTube (resumable upload, token renewal) and Telegram
// (sendVideo) endpoints, with the archive row's delivery fields; and the Telegram linking rules.
#include "devServer/server/DatabaseSetup.h"
#include "devServer/server/DemoCamera.h"
#include "devServer/server/ForwardingConfig.h"
#include "devServer/server/ForwardingManager.h"
#include "devServer/server/LiveForwarder.h"
#include "devServer/server/RecordStore.h"
#include "devServer/server/TelegramSettingsHandler.h"
#include "rirOVA/tests/LoopbackHttpServer.h"

#include "kvoCore/SettingsSimple.h"
#include "kvoCore/SpSingleton.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <QUrlQuery>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace DevServer;

namespace {

bool waitUntil(const std::function<bool()>& done, int msecs = 10000) {
    return QTest::qWaitFor(done, msecs);
}

QByteArray json(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QString formValue(const QByteArray& body, const QString& key) {
    return QUrlQuery(QString::fromUtf8(body)).queryItemValue(key, QUrl::FullyDecoded);
}

class ForwardingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        auto* settings =
            SpSingleton<KvoCore::SettingsSimple>::instance(dir.filePath("test.conf"), QSettings::IniFormat);
        settings->setValue("db/drvname", "QSQLITE");
        static int round = 0;
        db = DatabaseSetup::open(dir.filePath(QStringLiteral("db%1").arg(++round)));
        store = std::make_unique<RecordStore>(db.data());
        ASSERT_TRUE(fake.listen());
        config.youtubeUploadBase = fake.url("/upload/youtube/v3");
        config.youtubeOauthBase = fake.url("/oauth2/v4");
        config.telegramBase = fake.url("/tg");
        config.telegramBotToken = "bot-token";
        config.retryDelayMs = 100;
        config.maxRetryDelayMs = 400;
        config.maxAttempts = 3;
        config.requestTimeoutMs = 5000;
        clipFile = dir.filePath("event-1.ts");
        QFile file(clipFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        clipBytes = QByteArray(200 * 1024, 'v') + "end-of-clip";
        file.write(clipBytes);
    }

    void startManager() {
        manager =
            std::make_unique<ForwardingManager>(*store, config, [this](const QList<KvoCore::DTO>& records) {
                for (const KvoCore::DTO& record : records) {
                    pushed.append(record.params);
                }
            });
    }

    QJsonObject addClip(int type = 2) {
        return store->create("archive",
                             {{"rstIDDevice", 1},
                              {"type", type},
                              {"dtStart", QDateTime::currentMSecsSinceEpoch() - 5000},
                              {"dtEnd", QDateTime::currentMSecsSinceEpoch()},
                              {"filePath", clipFile},
                              {"deviceName", "yard"},
                              {"detected", "motion"},
                              {"final", true}},
                             2);
    }

    QJsonObject clip(qint64 id) { return store->info("archive", id).value_or(QJsonObject()); }

    // The fake YouTube: a token endpoint, the session start and the byte upload.
    void serveYoutube(int failingSessions = 0) {
        fake.route("/oauth2/v4/token", [this](const HttpRequest& request) {
            ++renewals;
            if (formValue(request.body, "grant_type") != "refresh_token" ||
                formValue(request.body, "refresh_token") != "refresh-1") {
                return HttpReply{400, json({{"error", "invalid_grant"}})};
            }
            return HttpReply{200, json({{"access_token", "renewed-token"}, {"expires_in", 3600}})};
        });
        fake.route("/upload/youtube/v3/videos", [this, failingSessions](const HttpRequest& request) {
            if (sessionsStarted++ < failingSessions) {
                return HttpReply{503, json({{"error", "backendError"}})};
            }
            if (request.headers.value("authorization") != "Bearer renewed-token") {
                return HttpReply{401, json({{"error", "invalid token"}})};
            }
            HttpReply reply{200, QByteArray()};
            reply.headers.append(qMakePair(QByteArray("Location"), fake.url("/upload/session/42").toUtf8()));
            return reply;
        });
        fake.route("/upload/session/42", [this](const HttpRequest& request) {
            uploaded = request.body;
            return HttpReply{200, json({{"id", "video-42"}, {"kind", "youtube#video"}})};
        });
    }

    QTemporaryDir dir;
    SharedPointerEx<KvoCore::DBSimple> db;
    std::unique_ptr<RecordStore> store;
    LoopbackHttpServer fake;
    ForwardingConfig config;
    std::unique_ptr<ForwardingManager> manager;
    QList<QJsonObject> pushed;
    QString clipFile;
    QByteArray clipBytes;
    QByteArray uploaded;
    int renewals = 0;
    int sessionsStarted = 0;
};

TEST_F(ForwardingTest, EventClipIsUploadedToYoutubeWithAnExpiredTokenRenewedFirst) {
    serveYoutube();
    const qint64 expired = QDateTime::currentMSecsSinceEpoch() - 1000;
    const QJsonObject settings = store->create("youtubeSettings",
                                               {{"isUploadEvents", true},
                                                {"privacyType", 3},
                                                {"access_token", "old-token"},
                                                {"refresh_token", "refresh-1"},
                                                {"utc_expired_date", QString::number(expired)}},
                                               2);
    startManager();
    const QJsonObject recording = addClip(1);
    manager->onClipStored(recording);
    const QJsonObject event = addClip(2);
    manager->onClipStored(event);
    const qint64 id = event.value("id").toVariant().toLongLong();

    ASSERT_TRUE(waitUntil([&] { return clip(id).value("youtubeUploadedStatus").toString() == "uploaded"; }))
        << QJsonDocument(clip(id)).toJson().toStdString();
    EXPECT_EQ(renewals, 1) << "the expired token was not renewed before the upload";
    EXPECT_EQ(uploaded, clipBytes);
    const QJsonObject done = clip(id);
    EXPECT_EQ(done.value("youtubeLoadAttempts").toInt(), 1);
    EXPECT_GT(done.value("dtStartYoutubeLoad").toVariant().toLongLong(), 0);
    EXPECT_GE(done.value("dtEndYoutubeLoad").toVariant().toLongLong(),
              done.value("dtStartYoutubeLoad").toVariant().toLongLong());
    EXPECT_EQ(done.value("youtubePrivacyType").toInt(), 3);
    EXPECT_EQ(done.value("tgUploadedStatus").toString(), "created") << "Telegram is not linked";
    EXPECT_EQ(clip(recording.value("id").toVariant().toLongLong()).value("youtubeUploadedStatus").toString(),
              "created")
        << "a plain recording was uploaded";

    // The session start carried the privacy and the clip's size; the renewed token is stored.
    const QList<HttpRequest> sessions = fake.requestsTo("/upload/youtube/v3/videos");
    ASSERT_EQ(sessions.size(), 1);
    EXPECT_TRUE(sessions.first().target.contains("uploadType=resumable"));
    EXPECT_EQ(sessions.first().headers.value("x-upload-content-length").toLongLong(), clipBytes.size());
    EXPECT_EQ(QJsonDocument::fromJson(sessions.first().body)
                  .object()
                  .value("status")
                  .toObject()
                  .value("privacyStatus"),
              "private");
    const QJsonObject stored =
        store->info("youtubeSettings", settings.value("id").toVariant().toLongLong()).value();
    EXPECT_EQ(stored.value("access_token").toString(), "renewed-token");
    EXPECT_GT(stored.value("utc_expired_date").toString().toLongLong(), QDateTime::currentMSecsSinceEpoch());

    // Every change of the row was pushed, ending with the upload done.
    QStringList statuses;
    for (const QJsonObject& record : pushed) {
        if (record.value("FN") == "archive_srUpdated" && record.value("id").toVariant().toLongLong() == id) {
            statuses.append(record.value("youtubeUploadedStatus").toString());
        }
    }
    ASSERT_FALSE(statuses.isEmpty());
    EXPECT_EQ(statuses.last(), "uploaded");
    EXPECT_TRUE(statuses.contains("uploading"));
}

TEST_F(ForwardingTest, FailingEndpointsAreRetriedWithRisingAttemptsUntilTheyGiveUp) {
    serveYoutube(1); // the first session start fails, the second succeeds
    fake.route("/tg/", [](const HttpRequest&) {
        return HttpReply{500, json({{"ok", false}, {"description", "down"}})};
    });
    store->create(
        "youtubeSettings",
        {{"isUploadEvents", true}, {"access_token", "renewed-token"}, {"refresh_token", "refresh-1"}}, 2);
    store->create("telegramSettings", {{"enabled", true}, {"phone", "+100"}, {"groupName", "guards"}}, 2);
    // Linking is the server's: set it as the linking flow would.
    const qint64 tg = store->list("telegramSettings").last().toObject().value("id").toVariant().toLongLong();
    store->update("telegramSettings", tg, {{"isLink", true}});
    startManager();
    const QJsonObject event = addClip(2);
    const qint64 id = event.value("id").toVariant().toLongLong();
    QElapsedTimer clock;
    clock.start();
    manager->onClipStored(event);

    ASSERT_TRUE(waitUntil([&] { return clip(id).value("tgUploadedStatus").toString() == "failed"; }))
        << QJsonDocument(clip(id)).toJson().toStdString();
    ASSERT_TRUE(waitUntil([&] { return clip(id).value("youtubeUploadedStatus").toString() == "uploaded"; }));
    // Three attempts with waits of 100 and 200 ms between them.
    EXPECT_GE(clock.elapsed(), 300);
    const QJsonObject done = clip(id);
    EXPECT_EQ(done.value("tgLoadAttempts").toInt(), 3);
    EXPECT_EQ(done.value("youtubeLoadAttempts").toInt(), 2);
    EXPECT_EQ(fake.requestsTo("/tg/botbot-token/sendVideo").size(), 3);
    EXPECT_TRUE(fake.requestsTo("/tg/botbot-token/sendVideo").first().body.contains("end-of-clip"));
    EXPECT_TRUE(fake.requestsTo("/tg/botbot-token/sendVideo").first().body.contains("guards"));

    QList<int> attempts;
    QStringList tgStatuses;
    for (const QJsonObject& record : pushed) {
        if (record.value("FN") == "archive_srUpdated" && record.value("id").toVariant().toLongLong() == id) {
            const int n = record.value("tgLoadAttempts").toInt();
            if (attempts.isEmpty() || attempts.last() != n) {
                attempts.append(n);
            }
            tgStatuses.append(record.value("tgUploadedStatus").toString());
        }
    }
    EXPECT_EQ(attempts, (QList<int>{0, 1, 2, 3})) << "attempt counts pushed to the clients";
    EXPECT_TRUE(tgStatuses.contains("retrying"));
    EXPECT_EQ(ForwardingManager::retryDelayMs(config, 1), 100);
    EXPECT_EQ(ForwardingManager::retryDelayMs(config, 2), 200);
    EXPECT_EQ(ForwardingManager::retryDelayMs(config, 5), 400) << "the wait is capped";
}

TEST_F(ForwardingTest, TelegramVideoMessageGoesToTheLinkedChat) {
    fake.route("/tg/botbot-token/sendVideo", [](const HttpRequest& request) {
        const bool multipart = request.headers.value("content-type").startsWith("multipart/form-data");
        return multipart ? HttpReply{200, json({{"ok", true}})} : HttpReply{400, json({{"ok", false}})};
    });
    const QJsonObject tg = store->create("telegramSettings", {{"enabled", true}, {"phone", "+100200"}}, 2);
    store->update("telegramSettings", tg.value("id").toVariant().toLongLong(), {{"isLink", true}});
    // Uploads switched off: nothing goes to YouTube.
    store->create("youtubeSettings", {{"isUploadEvents", false}, {"access_token", "a"}}, 2);
    startManager();
    const QJsonObject event = addClip(2);
    const qint64 id = event.value("id").toVariant().toLongLong();
    manager->onClipStored(event);
    ASSERT_TRUE(waitUntil([&] { return clip(id).value("tgUploadedStatus").toString() == "uploaded"; }));
    EXPECT_EQ(clip(id).value("tgLoadAttempts").toInt(), 1);
    const QByteArray body = fake.requestsTo("/tg/").first().body;
    EXPECT_TRUE(body.contains("+100200")) << "no group name: the message goes to the phone's chat";
    EXPECT_TRUE(body.contains("name=\"video\""));
    EXPECT_EQ(clip(id).value("youtubeUploadedStatus").toString(), "created");
    EXPECT_TRUE(fake.requestsTo("/upload").isEmpty());
}

// The Telegram linking rules, with a clock the test moves.
class TelegramLinkingTest : public ForwardingTest {
protected:
    Outcome send(const QString& action, const QJsonObject& params) {
        Request request;
        request.group = "telegramSettings";
        request.action = action;
        request.dto.params = params;
        request.dto.params.insert("FN", "telegramSettings_" + action);
        request.dto.params.insert("_receiver", "7");
        request.userId = 2;
        return handler->handle(request);
    }
    static QJsonObject noticeOf(const Outcome& outcome, const QString& fn) {
        for (const KvoCore::DTO& reply : outcome.replies) {
            if (reply.params.value("FN") == fn) {
                return reply.params;
            }
        }
        return {};
    }
    qint64 now = 1'000'000;
    std::unique_ptr<TelegramSettingsHandler> handler;
};

TEST_F(TelegramLinkingTest, CodesExpireAndTooManyTriesAreRefusedForAWhile) {
    config.codeLifetimeSec = 60;
    config.codeRequestIntervalSec = 30;
    config.maxWrongCodes = 2;
    config.lockSec = 3600;
    handler = std::make_unique<TelegramSettingsHandler>(*store, "4242", config, [this] { return now; });

    const Outcome created = send("trCreate", {{"phone", "+100"}});
    const qint64 id = created.replies.first().params.value("id").toVariant().toLongLong();
    EXPECT_EQ(noticeOf(created, "telegramSettings_srCode").value("expiresIn").toInt(), 60);

    // A code past its lifetime does not link.
    now += 61'000;
    const Outcome late = send("trUpdate", {{"id", id}, {"code", "4242"}});
    const QJsonObject expired = noticeOf(late, "telegramSettings_srLinked");
    EXPECT_FALSE(expired.value("isLink").toBool(true));
    EXPECT_TRUE(expired.value("expired").toBool());
    EXPECT_EQ(late.replies.first().params.value("status").toString(), "code expired");
    EXPECT_FALSE(late.replies.first().params.value("isNeedToConfirmCode").toBool(true));

    // A new code; asking again at once is refused with the wait.
    const Outcome again = send("trUpdate", {{"id", id}, {"phone", "+100"}, {"requestCode", true}});
    EXPECT_TRUE(noticeOf(again, "telegramSettings_srCode").value("RES").toBool());
    now += 10'000;
    const Outcome tooSoon = send("trUpdate", {{"id", id}, {"phone", "+100"}, {"requestCode", true}});
    const QJsonObject refused = noticeOf(tooSoon, "telegramSettings_srCode");
    EXPECT_FALSE(refused.value("RES").toBool(true));
    EXPECT_EQ(refused.value("retryAfter").toInt(), 20);
    EXPECT_EQ(tooSoon.replies.first().params.value("status").toString(), "code requested")
        << "a refused request changed the record";

    // Two wrong codes lock linking for an hour, even with the right code.
    const Outcome wrong1 = send("trUpdate", {{"id", id}, {"code", "1111"}});
    EXPECT_EQ(noticeOf(wrong1, "telegramSettings_srLinked").value("attemptsLeft").toInt(), 1);
    const Outcome wrong2 = send("trUpdate", {{"id", id}, {"code", "2222"}});
    EXPECT_EQ(noticeOf(wrong2, "telegramSettings_srLinked").value("retryAfter").toInt(), 3600);
    EXPECT_EQ(wrong2.replies.first().params.value("status").toString(), "try later");
    EXPECT_FALSE(wrong2.replies.first().params.value("isNeedToConfirmCode").toBool(true));
    const Outcome locked = send("trUpdate", {{"id", id}, {"phone", "+100"}, {"requestCode", true}});
    EXPECT_FALSE(noticeOf(locked, "telegramSettings_srCode").value("RES").toBool(true));
    EXPECT_GT(noticeOf(locked, "telegramSettings_srCode").value("retryAfter").toInt(), 3500);

    // After the lock a new code links.
    now += 3601'000;
    send("trUpdate", {{"id", id}, {"phone", "+100"}, {"requestCode", true}});
    const Outcome linked = send("trUpdate", {{"id", id}, {"code", "4242"}});
    EXPECT_TRUE(noticeOf(linked, "telegramSettings_srLinked").value("isLink").toBool());
    EXPECT_EQ(linked.replies.first().params.value("status").toString(), "linked");
}

quint16 freeTcpPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

TEST_F(ForwardingTest, SelectedCameraIsStreamedOverRtmpAndTheStatusFollows) {
    if (QProcess::execute("ffmpeg", {"-hide_banner", "-loglevel", "error", "-version"}) != 0) {
        GTEST_SKIP() << "no ffmpeg";
    }
    // A small camera clip, and a local RTMP listener that takes two seconds of the stream.
    const QString camera = dir.filePath("camera.mp4");
    ASSERT_EQ(QProcess::execute("ffmpeg", {"-hide_banner", "-loglevel", "error", "-f", "lavfi", "-i",
                                           "testsrc=size=160x120:rate=10", "-t", "2", "-c:v", "libx264", "-g",
                                           "10", "-pix_fmt", "yuv420p", "-y", camera}),
              0);
    const auto device = DemoCamera::addIfEmpty(*store, camera);
    ASSERT_TRUE(device.has_value());
    const quint16 port = freeTcpPort();
    const QString received = dir.filePath("received.flv");
    QProcess listener;
    listener.setProcessChannelMode(QProcess::MergedChannels);
    listener.start("ffmpeg", {"-hide_banner", "-loglevel", "error", "-listen", "1", "-i",
                              QStringLiteral("rtmp://127.0.0.1:%1/live2/key-1").arg(port), "-t", "2", "-c",
                              "copy", "-y", received});
    ASSERT_TRUE(listener.waitForStarted());
    QThread::msleep(500); // the listener opens its port

    const QJsonObject settings =
        store->create("youtubeSettings",
                      {{"isStreamDeviceOnYoutube", true},
                       {"rstIDStreamDevice", device->value("id")},
                       {"serverURL", QStringLiteral("rtmp://127.0.0.1:%1/live2").arg(port)},
                       {"streamKey", "key-1"}},
                      2);
    const qint64 id = settings.value("id").toVariant().toLongLong();
    LiveForwarder live(*store, config, [this](const QList<KvoCore::DTO>& records) {
        for (const KvoCore::DTO& record : records) {
            pushed.append(record.params);
        }
    });
    const auto status = [&] { return store->info("youtubeSettings", id)->value("status").toString(); };
    live.applyAll();
    ASSERT_TRUE(waitUntil([&] { return status() == "streaming"; }, 20000)) << status().toStdString();
    ASSERT_TRUE(waitUntil([&] { return listener.state() == QProcess::NotRunning; }, 20000))
        << listener.readAll().toStdString();
    QFile flv(received);
    ASSERT_TRUE(flv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(flv.read(3) == "FLV");
    EXPECT_GT(flv.size(), 1000) << "the listener received no pictures";

    // The channel went away: the status says so instead of "streaming".
    ASSERT_TRUE(waitUntil([&] { return status() == "stream error"; }, 20000)) << status().toStdString();
    QStringList pushedStatuses;
    for (const QJsonObject& record : pushed) {
        if (record.value("FN") == "youtubeSettings_srUpdated") {
            pushedStatuses.append(record.value("status").toString());
        }
    }
    EXPECT_EQ(pushedStatuses, (QStringList{"connecting", "streaming", "stream error"}));

    // Switched off: nothing runs and the status is cleared.
    QJsonObject off = store->info("youtubeSettings", id).value();
    off.insert("isStreamDeviceOnYoutube", false);
    live.apply(off);
    EXPECT_EQ(status(), "n/a");

    // A camera that cannot be streamed is reported, not started.
    QString error;
    EXPECT_TRUE(
        LiveForwarder::arguments({{"typeCode", 5}, {"source", "screen://"}}, "rtmp://x/y", &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
