// The loopback end of the YouTube sign-in over real sockets: PKCE values, the consent address, the
// one answer it takes, and the answers it refuses.
#include "rirOVA/client/controllers/cloud/youtube/OAuthLoopbackReceiver.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QUrl>
#include <QUrlQuery>
#include <QtTest/QTest>
#include <functional>
#include <gtest/gtest.h>

using ClientController::OAuthLoopbackReceiver;

namespace {

bool waitUntil(const std::function<bool()>& done, int msecs = 5000) {
    return QTest::qWaitFor(done, msecs);
}

// Sends one raw request to the receiver's port, as a browser would, and returns the whole answer.
QByteArray browse(const OAuthLoopbackReceiver& receiver, const QByteArray& request) {
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), QUrl(receiver.redirectUri()).port());
    if (!waitUntil([&] { return socket.state() == QAbstractSocket::ConnectedState; })) {
        return QByteArray();
    }
    socket.write(request);
    QByteArray answer;
    waitUntil([&] {
        answer += socket.readAll();
        return socket.state() == QAbstractSocket::UnconnectedState;
    });
    return answer + socket.readAll();
}

QByteArray get(const QByteArray& target) {
    return "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nUser-Agent: test\r\n\r\n";
}

TEST(OAuthLoopbackReceiverTest, ChallengeAndConsentAddressFollowThePkceRules) {
    // The published PKCE example: this verifier must give this S256 challenge.
    EXPECT_EQ(OAuthLoopbackReceiver::challengeOf("dBjftJeZ4CVP-mB92K27uhbUJU1p1r_wW1gFWFOEjXk"),
              "E9Melhoa2OwvFrEMTJguCHaoeK1t8URWbuGJSstw-cM");

    OAuthLoopbackReceiver receiver;
    ASSERT_TRUE(receiver.start());
    EXPECT_TRUE(receiver.listening());
    EXPECT_TRUE(receiver.redirectUri().startsWith("http://127.0.0.1:"));
    EXPECT_TRUE(receiver.redirectUri().endsWith("/"));
    EXPECT_GE(receiver.codeVerifier().size(), 43);
    EXPECT_LE(receiver.codeVerifier().size(), 128);
    EXPECT_EQ(receiver.codeChallenge(), OAuthLoopbackReceiver::challengeOf(receiver.codeVerifier()));
    const QString firstState = receiver.state();
    const QString firstVerifier = receiver.codeVerifier();
    EXPECT_GE(firstState.size(), 16);

    const QUrl consent(receiver.authorizationUrl("client&id"));
    const QUrlQuery query(consent);
    EXPECT_EQ(query.queryItemValue("client_id", QUrl::FullyDecoded), "client&id");
    EXPECT_EQ(query.queryItemValue("redirect_uri", QUrl::FullyDecoded), receiver.redirectUri());
    EXPECT_EQ(query.queryItemValue("response_type"), "code");
    EXPECT_EQ(query.queryItemValue("access_type"), "offline");
    EXPECT_EQ(query.queryItemValue("code_challenge_method"), "S256");
    EXPECT_EQ(query.queryItemValue("code_challenge"), receiver.codeChallenge());
    EXPECT_EQ(query.queryItemValue("state"), firstState);
    const QString scope = query.queryItemValue("scope", QUrl::FullyDecoded);
    EXPECT_TRUE(scope.contains("youtube.upload") && scope.contains("youtube.readonly"))
        << scope.toStdString();

    const QUrlQuery body(receiver.tokenRequestBody("4/a+b=c", "id", "se&cret"));
    EXPECT_EQ(body.queryItemValue("code", QUrl::FullyDecoded), "4/a+b=c");
    EXPECT_EQ(body.queryItemValue("client_secret", QUrl::FullyDecoded), "se&cret");
    EXPECT_EQ(body.queryItemValue("redirect_uri", QUrl::FullyDecoded), receiver.redirectUri());
    EXPECT_EQ(body.queryItemValue("grant_type"), "authorization_code");
    EXPECT_EQ(body.queryItemValue("code_verifier"), receiver.codeVerifier());

    // Each sign-in has its own secrets.
    ASSERT_TRUE(receiver.start());
    EXPECT_NE(receiver.state(), firstState);
    EXPECT_NE(receiver.codeVerifier(), firstVerifier);
}

TEST(OAuthLoopbackReceiverTest, TakesOneAnswerWithItsStateAndThenCloses) {
    OAuthLoopbackReceiver receiver;
    QSignalSpy codes(&receiver, &OAuthLoopbackReceiver::codeReceived);
    QSignalSpy failures(&receiver, &OAuthLoopbackReceiver::failed);
    ASSERT_TRUE(receiver.start());
    const QString redirect = receiver.redirectUri();

    // What a browser asks for besides the redirect does not end the sign-in.
    EXPECT_TRUE(browse(receiver, get("/favicon.ico")).startsWith("HTTP/1.1 404"));
    EXPECT_TRUE(receiver.listening());

    const QByteArray answer =
        browse(receiver, get("/?state=" + receiver.state().toLatin1() + "&code=4%2F0Ab-code&scope=x"));
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 200")) << answer.toStdString();
    EXPECT_TRUE(answer.contains("<title>"));
    EXPECT_FALSE(answer.contains("4/0Ab-code")) << "the code is not shown on the page";
    ASSERT_EQ(codes.count(), 1);
    EXPECT_EQ(codes.first().first().toString(), "4/0Ab-code");
    EXPECT_EQ(failures.count(), 0);
    EXPECT_FALSE(receiver.listening()) << "the port stays open after the answer";
    EXPECT_EQ(receiver.redirectUri(), redirect) << "the exchange needs the redirect of the sign-in";
    EXPECT_EQ(QUrlQuery(receiver.tokenRequestBody("c", "id", "s"))
                  .queryItemValue("redirect_uri", QUrl::FullyDecoded),
              redirect);

    QTcpSocket late;
    late.connectToHost(QStringLiteral("127.0.0.1"), QUrl(redirect).port());
    EXPECT_FALSE(late.waitForConnected(500)) << "a second answer could still be delivered";
}

TEST(OAuthLoopbackReceiverTest, RefusesForeignStatesProviderErrorsAndJunk) {
    OAuthLoopbackReceiver receiver;
    QSignalSpy codes(&receiver, &OAuthLoopbackReceiver::codeReceived);
    QSignalSpy failures(&receiver, &OAuthLoopbackReceiver::failed);

    ASSERT_TRUE(receiver.start());
    EXPECT_TRUE(browse(receiver, get("/?state=someone-else&code=stolen")).startsWith("HTTP/1.1 400"));
    EXPECT_EQ(codes.count(), 0);
    EXPECT_EQ(failures.count(), 1);
    EXPECT_FALSE(receiver.listening()) << "a forged answer ends the sign-in";

    ASSERT_TRUE(receiver.start());
    EXPECT_TRUE(browse(receiver, get("/?error=access_denied&state=" + receiver.state().toLatin1()))
                    .startsWith("HTTP/1.1 400"));
    ASSERT_EQ(failures.count(), 2);
    EXPECT_EQ(failures.last().first().toString(), "access_denied");

    ASSERT_TRUE(receiver.start());
    EXPECT_TRUE(browse(receiver, "POST / HTTP/1.1\r\nContent-Length: 0\r\n\r\n").startsWith("HTTP/1.1 400"));
    EXPECT_TRUE(browse(receiver, "GET /?" + QByteArray(OAuthLoopbackReceiver::kMaxRequestBytes + 10, 'a'))
                    .startsWith("HTTP/1.1 400"))
        << "an endless request line is cut off";
    EXPECT_EQ(codes.count(), 0);
    EXPECT_TRUE(receiver.listening()) << "junk from the browser does not end the sign-in";
}

TEST(OAuthLoopbackReceiverTest, CodeOfAProviderTitle) {
    const OAuthLoopbackReceiver receiver;
    EXPECT_EQ(receiver.codeFromTitle("Success code=4/P7q7W91a-oMsCeLvIaQm6bTrgtp7"),
              "4/P7q7W91a-oMsCeLvIaQm6bTrgtp7");
    EXPECT_EQ(receiver.codeFromTitle("Success state=x&code=4%2Fabc"), "4/abc");
    EXPECT_EQ(receiver.codeFromTitle("Success"), "");
    EXPECT_EQ(receiver.codeFromTitle("Denied error=access_denied"), "");
    EXPECT_EQ(receiver.codeFromTitle("Sign in - code=1"), "");
}

} // namespace
