#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTimer>

class QTcpSocket;

namespace ClientController {

// The browser side of an OAuth 2.0 sign-in of a desktop program: a one-shot HTTP listener on a free
// loopback port that takes the provider's redirect with the authorisation code. Every start makes a
// new PKCE verifier (S256 challenge) and a random "state"; a redirect whose state differs is refused
// and ends the sign-in, since it was not asked for by this program. Runs on the GUI thread without
// blocking it.
class OAuthLoopbackReceiver : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool listening READ listening NOTIFY listeningChanged)
    Q_PROPERTY(QString redirectUri READ redirectUri NOTIFY listeningChanged)
    Q_PROPERTY(QString codeVerifier READ codeVerifier NOTIFY listeningChanged)
    Q_PROPERTY(QString codeChallenge READ codeChallenge NOTIFY listeningChanged)
    Q_PROPERTY(QString state READ state NOTIFY listeningChanged)
    Q_PROPERTY(QString authorizationEndpoint READ authorizationEndpoint CONSTANT)
    Q_PROPERTY(QString tokenEndpoint READ tokenEndpoint CONSTANT)

public:
    // The provider's consent page; the setting "youtube/authorizeUrl" overrides it.
    static const QString kDefaultAuthorizationEndpoint;
    // Scopes asked for: uploading videos and reading the channel.
    static const QString kYoutubeScopes;
    // A browser that connects but never sends its request line is dropped after this long.
    static constexpr int kRequestTimeoutMs = 10000;
    static constexpr int kMaxRequestBytes = 16 * 1024;

    explicit OAuthLoopbackReceiver(QObject* parent = nullptr);
    ~OAuthLoopbackReceiver() override;

    bool listening() const { return _server.isListening(); }
    // The redirect of the latest sign-in; it stays after the answer, for the code exchange.
    QString redirectUri() const { return _redirectUri; }
    QString codeVerifier() const { return _verifier; }
    QString codeChallenge() const { return _challenge; }
    QString state() const { return _state; }
    QString authorizationEndpoint() const { return _authorizationEndpoint; }
    // The token address: the OAuth base of the YouTube API settings plus "/token".
    QString tokenEndpoint() const { return _tokenEndpoint; }

    // Listens on 127.0.0.1 with a free port and new verifier and state; false (and `failed`) when no
    // port can be had. A running listener is restarted.
    Q_INVOKABLE bool start();
    Q_INVOKABLE void stop();
    // The consent page address with the client, redirect, scopes, PKCE challenge and state.
    Q_INVOKABLE QString authorizationUrl(const QString& clientId) const;
    // The form body of the code exchange, values percent-encoded, with the PKCE verifier.
    Q_INVOKABLE QString tokenRequestBody(const QString& code, const QString& clientId,
                                         const QString& clientSecret) const;
    // The code of a provider page title of the form "Success code=..." (the page of providers that
    // show the code instead of redirecting); empty when the title carries none.
    Q_INVOKABLE QString codeFromTitle(const QString& title) const;

    // S256 challenge of a verifier: unpadded base64url of its SHA-256.
    static QString challengeOf(const QString& verifier);

signals:
    void listeningChanged();
    void codeReceived(const QString& code);
    void failed(const QString& error);

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    // Answers the browser with a small page and closes its connection.
    static void reply(QTcpSocket* socket, int status, const QString& title, const QString& text);
    void finish();

    QTcpServer _server;
    QString _verifier;
    QString _challenge;
    QString _state;
    QString _redirectUri;
    QString _authorizationEndpoint;
    QString _tokenEndpoint;
};

} // namespace ClientController
