#pragma once

#include "rirOVA/tests/LoopbackHttpServer.h"

#include <QObject>
#include <QString>

// A local stand-in for the YouTube sign-in provider and Data API, for screen tests: a consent page
// whose "Allow" link redirects to the program's loopback address with a code and the state it was
// given, a token endpoint that checks the code and the PKCE verifier against the challenge of the
// consent request, and the channel list of the token's owner.
class FakeOAuthProvider : public QObject {
    Q_OBJECT
    Q_PROPERTY(int port READ port CONSTANT)
    Q_PROPERTY(bool refuseTokens MEMBER _refuseTokens NOTIFY changed)
    Q_PROPERTY(int tokenRequests READ tokenRequests NOTIFY changed)
    Q_PROPERTY(bool verifierMatched READ verifierMatched NOTIFY changed)
    Q_PROPERTY(QString lastState READ lastState NOTIFY changed)
    Q_PROPERTY(QString channelTitle MEMBER _channelTitle NOTIFY changed)

public:
    static constexpr const char* kCode = "4/fake-authorisation-code";
    static constexpr const char* kAccessToken = "fake-access-token";
    static constexpr const char* kRefreshToken = "fake-refresh-token";

    explicit FakeOAuthProvider(QObject* parent = nullptr);

    int port() const { return _http.port(); }
    int tokenRequests() const { return _tokenRequests; }
    bool verifierMatched() const { return _verifierMatched; }
    QString lastState() const { return _state; }

    // "http://127.0.0.1:<port><path>"
    Q_INVOKABLE QString url(const QString& path) const { return _http.url(path); }

signals:
    void changed();

private:
    HttpReply consentPage(const HttpRequest& request);
    HttpReply approve(const HttpRequest& request);
    HttpReply token(const HttpRequest& request);
    HttpReply channels(const HttpRequest& request) const;

    LoopbackHttpServer _http;
    bool _refuseTokens = false;
    int _tokenRequests = 0;
    bool _verifierMatched = false;
    QString _state;
    QString _challenge;
    QString _redirect;
    QString _channelTitle = QStringLiteral("Okulon test channel");
};
