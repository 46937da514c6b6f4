#include "rirOVA/client/controllers/cloud/youtube/YoutubeApiController.h"
#include "LoopbackHttpServer.h"
#include "kvoCore/SettingsSimple.h"
#include "kvoCore/SpSingleton.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrlQuery>
#include <gtest/gtest.h>
#include <memory>

using ClientController::YoutubeApiController;

namespace {

const QByteArray kChannels = "/yt/channels";
const QByteArray kToken = "/oauth/token";

QByteArray json(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QJsonObject channelReply(const QString& title) {
    return QJsonObject{{"kind", "youtube#channelListResponse"},
                       {"items", QJsonArray{QJsonObject{{"snippet", QJsonObject{{"title", title}}}}}}};
}

QJsonObject apiError() {
    return QJsonObject{{"error", QJsonObject{{"code", 401}, {"message", "Invalid Credentials"}}}};
}

// The access token a channel request carried.
QString tokenOf(const HttpRequest& request) {
    const QUrl url(QString::fromLatin1(request.target));
    return QUrlQuery(url).queryItemValue("access_token", QUrl::FullyDecoded);
}

QString formValue(const HttpRequest& request, const QString& key) {
    return QUrlQuery(QString::fromUtf8(request.body)).queryItemValue(key, QUrl::FullyDecoded);
}

// The result holds the caller's "_" keys with their values, and otherwise only its own keys.
void expectOnlyInnerKeysOf(const QJsonObject& params, const QJsonObject& result) {
    for (auto it = params.begin(); it != params.end(); ++it) {
        if (it.key().startsWith('_')) {
            EXPECT_EQ(result.value(it.key()), it.value()) << it.key().toStdString();
        }
    }
    for (const QString& key : result.keys()) {
        const bool own = key == "status" || key == "result" || key == "errorMessage";
        EXPECT_TRUE(own || (key.startsWith('_') && params.contains(key))) << key.toStdString();
    }
}

class YoutubeApiControllerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        settingsDir = new QTemporaryDir;
        SpSingleton<KvoCore::SettingsSimple>::instance(settingsDir->filePath("youtube.conf"),
                                                       QSettings::IniFormat);
    }
    static void TearDownTestSuite() {
        delete settingsDir;
        settingsDir = nullptr;
    }

    void SetUp() override {
        ASSERT_TRUE(server.listen());
        pointAt(server.url("/yt"), server.url("/oauth/"));
    }

    static void pointAt(const QString& apiBase, const QString& oauthBase) {
        auto* settings = SpSingleton<KvoCore::SettingsSimple>::instance();
        settings->setValue("youtube/apiBase", apiBase);
        settings->setValue("youtube/oauthBase", oauthBase);
    }

    // A loopback port on which nothing listens.
    static quint16 closedPort() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        return port;
    }

    // Every channel request fails with `channelStatus`/`channelBody`; every renewal answers with
    // `renewal` and a numbered token ("renewed-1", ...) when it is 200 without body of its own.
    void scriptFailingChannel(int channelStatus, const QByteArray& channelBody, int renewalStatus = 200,
                              const QByteArray& renewalBody = QByteArray()) {
        server.route(kChannels, [=](const HttpRequest&) { return HttpReply{channelStatus, channelBody}; });
        server.route(kToken, [this, renewalStatus, renewalBody](const HttpRequest&) {
            ++renewals;
            const QByteArray body =
                renewalBody.isEmpty()
                    ? json({{"access_token", QString("renewed-%1").arg(renewals)}, {"expires_in", 3599}})
                    : renewalBody;
            return HttpReply{renewalStatus, body};
        });
    }

    static inline QTemporaryDir* settingsDir = nullptr;
    LoopbackHttpServer server;
    int renewals = 0;
    const QJsonObject params{{"access_token", "initial"},
                             {"refresh_token", "1//0gRefresh-tok_en"},
                             {"part", "snippet"},
                             {"_receiver", "42"},
                             {"_screen", QJsonObject{{"name", "YouTubeEssentials"}}}};
};

TEST_F(YoutubeApiControllerTest, ChannelReplyObjectIsSuccessAndErrorOrForeignShapesAreFailures) {
    QByteArray body = json(channelReply("My channel"));
    int status = 200;
    server.route(kChannels, [&](const HttpRequest&) { return HttpReply{status, body}; });
    YoutubeApiController controller;

    QJsonObject result = controller.channelListSimpleRequest(params);
    EXPECT_TRUE(result.value("status").toBool());
    EXPECT_EQ(result.value("result").toObject(), channelReply("My channel"));
    EXPECT_FALSE(result.contains("errorMessage"));
    expectOnlyInnerKeysOf(params, result);
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(server.requests()[0].method, "GET");
    EXPECT_EQ(server.requests()[0].target, "/yt/channels?access_token=initial&part=snippet&mine=true");

    body = json(apiError());
    result = controller.channelListSimpleRequest(params);
    EXPECT_FALSE(result.value("status").toBool());
    EXPECT_EQ(result.value("result").toObject(), apiError());
    EXPECT_EQ(result.value("errorMessage").toString(), "Youtube API response contains error");
    expectOnlyInnerKeysOf(params, result);

    for (const QByteArray& foreign :
         {QByteArray("[{\"items\":[]}]"), QByteArray("\"text\""), QByteArray("<html>"), QByteArray()}) {
        body = foreign;
        result = controller.channelListSimpleRequest(params);
        EXPECT_FALSE(result.value("status").toBool()) << foreign.constData();
        EXPECT_EQ(result.value("errorMessage").toString(), "Youtube respond with failed format")
            << foreign.constData();
        EXPECT_FALSE(result.contains("result")) << foreign.constData();
        expectOnlyInnerKeysOf(params, result);
    }
}

TEST_F(YoutubeApiControllerTest, NetworkErrorsCarryTheirCodeAndDescription) {
    pointAt(QString("http://127.0.0.1:%1/yt").arg(closedPort()), server.url("/oauth"));
    auto refused = std::make_unique<YoutubeApiController>();
    QJsonObject result = refused->channelListSimpleRequest(params);
    EXPECT_FALSE(result.value("status").toBool());
    EXPECT_EQ(result.value("result").toObject(),
              (QJsonObject{{"code", int(QNetworkReply::ConnectionRefusedError)}}));
    EXPECT_TRUE(result.value("errorMessage")
                    .toString()
                    .startsWith(QString("Netowrk error code '%1', description: '")
                                    .arg(int(QNetworkReply::ConnectionRefusedError))))
        << result.value("errorMessage").toString().toStdString();
    EXPECT_GT(result.value("errorMessage").toString().size(),
              QString("Netowrk error code '1', description: ''").size());
    expectOnlyInnerKeysOf(params, result);

    // An HTTP error status is a network error too, whatever the body says.
    pointAt(server.url("/yt"), server.url("/oauth"));
    server.route(kChannels, [](const HttpRequest&) { return HttpReply{401, json(apiError())}; });
    YoutubeApiController controller;
    result = controller.channelListSimpleRequest(params);
    EXPECT_FALSE(result.value("status").toBool());
    EXPECT_EQ(result.value("result").toObject(),
              (QJsonObject{{"code", int(QNetworkReply::AuthenticationRequiredError)}}));
    expectOnlyInnerKeysOf(params, result);
}

TEST_F(YoutubeApiControllerTest, RenewalPostsTheFormAndReportsTheToken) {
    server.route(kToken, [](const HttpRequest&) {
        return HttpReply{200,
                         json({{"access_token", "fresh"}, {"expires_in", 3599}, {"token_type", "Bearer"}})};
    });
    YoutubeApiController controller;
    const QJsonObject renewal{{"client_id", "123-abc.apps.googleusercontent.com"},
                              {"client_secret", "Q7_hTr2pLx9-WmKc4ZdE8vNa"},
                              {"refresh_token", "1//0gRefresh-tok_en"},
                              {"access_token", "old"},
                              {"_receiver", "7"}};
    QJsonObject result = controller.refreshAccessTokenRequest(renewal);
    EXPECT_TRUE(result.value("status").toBool());
    EXPECT_EQ(result.value("result").toObject().value("access_token").toString(), "fresh");
    expectOnlyInnerKeysOf(renewal, result);
    ASSERT_EQ(server.requests().size(), 1);
    const HttpRequest& post = server.requests()[0];
    EXPECT_EQ(post.method, "POST");
    EXPECT_EQ(post.target, kToken);
    EXPECT_EQ(post.headers.value("content-type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(post.body, "client_id=123-abc.apps.googleusercontent.com&client_secret=Q7_hTr2pLx9-WmKc4ZdE8vNa"
                         "&refresh_token=1//0gRefresh-tok_en&grant_type=refresh_token");

    // Characters that would split or alter a form field reach the endpoint unchanged.
    const QJsonObject awkward{{"client_id", "a&b=c"}, {"client_secret", "x+y z"}, {"refresh_token", "r#1%2"}};
    controller.refreshAccessTokenRequest(awkward);
    ASSERT_EQ(server.requests().size(), 2);
    EXPECT_EQ(formValue(server.requests()[1], "client_id"), "a&b=c");
    EXPECT_EQ(formValue(server.requests()[1], "client_secret"), "x+y z");
    EXPECT_EQ(formValue(server.requests()[1], "refresh_token"), "r#1%2");
    EXPECT_EQ(formValue(server.requests()[1], "grant_type"), "refresh_token");
}

TEST_F(YoutubeApiControllerTest, RenewalWithoutTokenOrInForeignShapeFails) {
    QByteArray body;
    server.route(kToken, [&](const HttpRequest&) { return HttpReply{200, body}; });
    YoutubeApiController controller;

    body = json({{"error", "invalid_grant"}, {"error_description", "Bad Request"}});
    QJsonObject result = controller.refreshAccessTokenRequest(params);
    EXPECT_FALSE(result.value("status").toBool());
    EXPECT_EQ(result.value("result").toObject().value("error").toString(), "invalid_grant");
    EXPECT_EQ(result.value("errorMessage").toString(), "Youtube API response contains error");
    expectOnlyInnerKeysOf(params, result);

    body = json({{"expires_in", 3599}});
    EXPECT_FALSE(controller.refreshAccessTokenRequest(params).value("status").toBool());

    body = "[]";
    result = controller.refreshAccessTokenRequest(params);
    EXPECT_FALSE(result.value("status").toBool());
    EXPECT_EQ(result.value("errorMessage").toString(), "Youtube respond with failed format");
    expectOnlyInnerKeysOf(params, result);
}

TEST_F(YoutubeApiControllerTest, RenewalRetriesNetworkErrorsOnly) {
    int failuresLeft = 0;
    int attempts = 0;
    server.route(kToken, [&](const HttpRequest&) {
        ++attempts;
        if (failuresLeft > 0) {
            --failuresLeft;
            return HttpReply{503, "{}"};
        }
        return HttpReply{200, json({{"access_token", "fresh"}})};
    });
    YoutubeApiController controller;

    failuresLeft = 100;
    QJsonObject result = controller.refreshAccessTokenRequest(params, 1);
    EXPECT_EQ(attempts, 1);
    EXPECT_FALSE(result.value("status").toBool());
    EXPECT_EQ(result.value("result").toObject(),
              (QJsonObject{{"code", int(QNetworkReply::ServiceUnavailableError)}}));
    expectOnlyInnerKeysOf(params, result);

    attempts = 0;
    result = controller.refreshAccessTokenRequest(params, 3);
    EXPECT_EQ(attempts, 3);
    EXPECT_FALSE(result.value("status").toBool());

    attempts = 0;
    failuresLeft = 2;
    result = controller.refreshAccessTokenRequest(params, 3);
    EXPECT_EQ(attempts, 3);
    EXPECT_TRUE(result.value("status").toBool());
    EXPECT_EQ(result.value("result").toObject().value("access_token").toString(), "fresh");

    // A reply that arrived is final, even when it holds no token.
    attempts = 0;
    server.route("/", [&](const HttpRequest&) { return HttpReply{}; });
    failuresLeft = 0;
    pointAt(server.url("/yt"), server.url("/nowhere"));
    YoutubeApiController empty;
    result = empty.refreshAccessTokenRequest(params, 3);
    EXPECT_EQ(server.requestsTo("/nowhere/token").size(), 1);
    EXPECT_FALSE(result.value("status").toBool());

    pointAt(server.url("/yt"), QString("http://127.0.0.1:%1").arg(closedPort()));
    YoutubeApiController refused;
    for (int amountTry : {1, 3}) {
        result = refused.refreshAccessTokenRequest(params, amountTry);
        EXPECT_EQ(result.value("result").toObject(),
                  (QJsonObject{{"code", int(QNetworkReply::ConnectionRefusedError)}}));
        expectOnlyInnerKeysOf(params, result);
    }
}

TEST_F(YoutubeApiControllerTest, FailingChannelIsRetriedWithOneRenewalPerRound) {
    scriptFailingChannel(200, json(apiError()));
    YoutubeApiController controller;
    for (int amountTry : {1, 3, 5}) {
        renewals = 0;
        const int before = server.requests().size();
        const QJsonObject result = controller.channelListRequest(params, amountTry);
        EXPECT_FALSE(result.value("status").toBool());
        EXPECT_EQ(result.value("errorMessage").toString(), "Youtube API response contains error");
        expectOnlyInnerKeysOf(params, result);

        // Rounds: request with the stored token, renewal, request with the renewed token.
        const QList<HttpRequest> made = server.requests().mid(before);
        ASSERT_EQ(made.size(), 3 * amountTry - 2) << amountTry;
        for (int i = 0; i < made.size(); ++i) {
            const int round = i / 3 + 1;
            switch (i % 3) {
            case 0:
                EXPECT_TRUE(made[i].targetStartsWith(kChannels));
                EXPECT_EQ(tokenOf(made[i]), "initial");
                break;
            case 1:
                EXPECT_EQ(made[i].target, kToken);
                EXPECT_EQ(formValue(made[i], "refresh_token"), "1//0gRefresh-tok_en");
                EXPECT_TRUE(QRegularExpression("^[0-9]+-[a-z0-9]{32}\\.apps\\.googleusercontent\\.com$")
                                .match(formValue(made[i], "client_id"))
                                .hasMatch());
                EXPECT_EQ(formValue(made[i], "client_secret"), YoutubeApiController::kClientSecret);
                break;
            default:
                EXPECT_TRUE(made[i].targetStartsWith(kChannels));
                EXPECT_EQ(tokenOf(made[i]), QString("renewed-%1").arg(round));
                EXPECT_TRUE(made[i].target.contains("&part=snippet&mine=true"));
            }
        }
        EXPECT_EQ(renewals, amountTry - 1);
    }
}

TEST_F(YoutubeApiControllerTest, FailedRenewalsSkipTheRenewedRequest) {
    // Renewal answered with an error status: a network error, so the round ends after it.
    scriptFailingChannel(500, "{}", 400, json({{"error", "invalid_grant"}}));
    YoutubeApiController controller;
    QJsonObject result = controller.channelListRequest(params, 3);
    EXPECT_EQ(server.requestsTo(kChannels).size(), 3);
    EXPECT_EQ(renewals, 2);
    EXPECT_EQ(result.value("result").toObject(),
              (QJsonObject{{"code", int(QNetworkReply::InternalServerError)}}));
    expectOnlyInnerKeysOf(params, result);

    // A renewal reply without a token is no renewal either: no request goes out with an empty token.
    LoopbackHttpServer other;
    ASSERT_TRUE(other.listen());
    pointAt(other.url("/yt"), other.url("/oauth"));
    other.route(kChannels, [](const HttpRequest&) { return HttpReply{200, json(apiError())}; });
    other.route(kToken, [](const HttpRequest&) {
        return HttpReply{200, json({{"error", "invalid_grant"}})};
    });
    YoutubeApiController second;
    result = second.channelListRequest(params, 5);
    EXPECT_EQ(other.requestsTo(kToken).size(), 4);
    const QList<HttpRequest> channelRequests = other.requestsTo(kChannels);
    ASSERT_EQ(channelRequests.size(), 5);
    for (const HttpRequest& request : channelRequests) {
        EXPECT_EQ(tokenOf(request), "initial");
    }
    EXPECT_FALSE(result.value("status").toBool());
}

TEST_F(YoutubeApiControllerTest, RenewedTokenServesOneRequestOnly) {
    server.route(kChannels, [](const HttpRequest& request) {
        return tokenOf(request) == "fresh" ? HttpReply{200, json(channelReply("Renewed"))}
                                           : HttpReply{401, json(apiError())};
    });
    server.route(kToken, [](const HttpRequest&) {
        return HttpReply{200, json({{"access_token", "fresh"}})};
    });
    YoutubeApiController controller;

    QJsonObject result = controller.channelListRequest(params);
    EXPECT_TRUE(result.value("status").toBool());
    EXPECT_EQ(result.value("result").toObject(), channelReply("Renewed"));
    expectOnlyInnerKeysOf(params, result);
    ASSERT_EQ(server.requests().size(), 3);
    EXPECT_EQ(tokenOf(server.requests()[0]), "initial");
    EXPECT_EQ(server.requests()[1].target, kToken);
    EXPECT_EQ(tokenOf(server.requests()[2]), "fresh");

    // The next call starts again with the caller's token.
    controller.channelListRequest(params, 1);
    ASSERT_EQ(server.requests().size(), 4);
    EXPECT_EQ(tokenOf(server.requests()[3]), "initial");

    // A first request that succeeds needs no renewal.
    QJsonObject fresh = params;
    fresh.insert("access_token", "fresh");
    result = controller.channelListRequest(fresh);
    EXPECT_TRUE(result.value("status").toBool());
    EXPECT_EQ(server.requests().size(), 5);
}

TEST_F(YoutubeApiControllerTest, SilentPeerOrDestroyedControllerEndsTheWait) {
    server.route(kChannels, [](const HttpRequest&) { return HttpReply{200, QByteArray(), true}; });
    YoutubeApiController controller;
    controller.setTransferTimeoutMs(200);
    QJsonObject result = controller.channelListSimpleRequest(params);
    EXPECT_FALSE(result.value("status").toBool());
    EXPECT_EQ(result.value("result").toObject(),
              (QJsonObject{{"code", int(QNetworkReply::OperationCanceledError)}}));

    // The screen that owns the controller closes while a request is pending.
    auto* doomed = new YoutubeApiController;
    QTimer::singleShot(100, [doomed] { delete doomed; });
    result = doomed->channelListRequest(params, 5);
    EXPECT_FALSE(result.value("status").toBool());
    EXPECT_FALSE(result.value("errorMessage").toString().isEmpty());
    expectOnlyInnerKeysOf(params, result);
    EXPECT_EQ(server.requestsTo(kChannels).size(), 2);
    EXPECT_TRUE(server.requestsTo(kToken).isEmpty());
}

TEST_F(YoutubeApiControllerTest, BaseAddressesComeFromSettingsWithoutBeingWritten) {
    auto* settings = SpSingleton<KvoCore::SettingsSimple>::instance();
    settings->remove("youtube");
    {
        YoutubeApiController controller;
        EXPECT_TRUE(controller.apiBase().startsWith("https://"));
        EXPECT_TRUE(controller.oauthBase().startsWith("https://"));
    }
    EXPECT_FALSE(settings->contains("youtube/apiBase"));
    EXPECT_FALSE(settings->contains("youtube/oauthBase"));

    pointAt("not an address", "ftp://127.0.0.1/oauth");
    YoutubeApiController fallback;
    EXPECT_EQ(fallback.apiBase(), YoutubeApiController::kDefaultApiBase);
    EXPECT_EQ(fallback.oauthBase(), YoutubeApiController::kDefaultOauthBase);

    // Read once: a later change does not move a controller that exists.
    pointAt(server.url("/yt"), server.url("/oauth/"));
    YoutubeApiController pointed;
    pointAt(server.url("/elsewhere"), server.url("/elsewhere"));
    server.route(kChannels, [](const HttpRequest&) { return HttpReply{200, json(channelReply("x"))}; });
    EXPECT_TRUE(pointed.channelListSimpleRequest(params).value("status").toBool());
    EXPECT_EQ(server.requestsTo(kChannels).size(), 1);
}

// The screens call the invokables from JavaScript with the trailing arguments left out.
TEST_F(YoutubeApiControllerTest, QmlCallsWithDefaultArguments) {
    server.route(kChannels, [](const HttpRequest& request) {
        return tokenOf(request) == "fresh" ? HttpReply{200, json(channelReply("From QML"))}
                                           : HttpReply{401, json(apiError())};
    });
    server.route(kToken, [](const HttpRequest&) {
        return HttpReply{200, json({{"access_token", "fresh"}})};
    });
    qmlRegisterType<YoutubeApiController>("KVO", 1, 0, "YoutubeApiController");
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.13\n"
                      "import KVO 1.0\n"
                      "Item {\n"
                      "    property var channel\n"
                      "    property var renewal\n"
                      "    YoutubeApiController { id: api }\n"
                      "    Component.onCompleted: {\n"
                      "        channel = api.channelListRequest({access_token: 'stale', refresh_token: 'r',\n"
                      "                                          part: 'snippet', _receiver: '9'})\n"
                      "        renewal = api.refreshAccessTokenRequest({refresh_token: 'r', client_id: 'c',\n"
                      "                                                 client_secret: 's'})\n"
                      "    }\n"
                      "}\n",
                      QUrl("qrc:/YoutubeApiControllerTest.qml"));
    std::unique_ptr<QObject> root(component.create());
    ASSERT_TRUE(root) << component.errorString().toStdString();

    const QVariantMap channel = root->property("channel").toMap();
    EXPECT_TRUE(channel.value("status").toBool());
    EXPECT_EQ(channel.value("_receiver").toString(), "9");
    const QVariantList items = channel.value("result").toMap().value("items").toList();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0].toMap().value("snippet").toMap().value("title").toString(), "From QML");
    EXPECT_TRUE(root->property("renewal").toMap().value("status").toBool());
    // Stale token, renewal, renewed token; then the one renewal attempt of the direct call.
    EXPECT_EQ(server.requests().size(), 4);
    EXPECT_EQ(server.requestsTo(kToken).size(), 2);
}

} // namespace
