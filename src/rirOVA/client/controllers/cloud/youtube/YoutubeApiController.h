#pragma once

#include "kvoClientController/controller/ControllerDesktopBase.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

namespace ClientController {

// Reads the authorised user's YouTube channel with the stored OAuth 2.0 tokens and renews the access
// token with the refresh token when the channel request fails. Every invokable waits in a local event
// loop for its HTTP reply and returns a result object: the caller's "_" keys plus "status", "result"
// and, on failure, "errorMessage".
//
// The two base addresses come from the settings "youtube/apiBase" and "youtube/oauthBase" when they
// hold an http(s) address (read once, here in the constructor), else from the provider's defaults.
class YoutubeApiController : public ControllerDesktopBase {
    Q_OBJECT

public:
    static const QString kDefaultApiBase;
    static const QString kDefaultOauthBase;
    static const QString kClientId;
    static const QString kClientSecret;
    // A reply that has not finished after this long is aborted, so a silent peer cannot hold the
    // screen's busy indicator forever.
    static constexpr int kDefaultTransferTimeoutMs = 30000;

    explicit YoutubeApiController(QQuickItem* parent = nullptr);
    ~YoutubeApiController() override;

    // An http(s) address from the setting `key`, else `fallback` (a bad value is logged).
    static QString addressSetting(const char* key, const QString& fallback);

    const QString& apiBase() const { return _apiBase; }
    const QString& oauthBase() const { return _oauthBase; }
    int transferTimeoutMs() const { return _transferTimeoutMs; }
    void setTransferTimeoutMs(int ms) { _transferTimeoutMs = ms; }

    // The channel of the access token's owner; on failure the token is renewed and the request
    // repeated with the renewed token (used for that one request only), amountTry rounds at most.
    Q_INVOKABLE QJsonObject channelListRequest(const QJsonObject& mapParams, int amountTry = 5);
    // One channel request with mapParams "access_token" and "part".
    Q_INVOKABLE QJsonObject channelListSimpleRequest(const QJsonObject& mapParams);
    // A new access token for mapParams "refresh_token", "client_id" and "client_secret"; a network
    // failure is retried up to amountTry attempts in all.
    Q_INVOKABLE QJsonObject refreshAccessTokenRequest(const QJsonObject& mapParams, int amountTry = 1);

private:
    // What is left of a finished reply.
    struct Outcome {
        // The controller was destroyed while waiting: nothing of it may be touched any more.
        bool controllerGone = false;
        int error = 0;
        QString errorString;
        QByteArray body;
    };

    // Waits in a local event loop until `reply` ends (finished, aborted by the transfer timeout or
    // destroyed with the controller) and takes its outcome; the reply is deleted afterwards.
    Outcome waitFor(QNetworkReply* reply);
    QNetworkRequest request(const QString& base, const QString& path) const;
    static QJsonObject networkErrorResult(const QJsonObject& mapParams, const Outcome& outcome);
    static QJsonObject controllerGoneResult(const QJsonObject& mapParams);
    void logStdException(const QString& location, const std::exception& e) const;
    void logUnknownException(const QString& location) const;

    std::unique_ptr<QNetworkAccessManager> _manager;
    QString _apiBase;
    QString _oauthBase;
    int _transferTimeoutMs = kDefaultTransferTimeoutMs;
};

} // namespace ClientController
