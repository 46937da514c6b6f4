#pragma once

#include "ForwardingConfig.h"

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

namespace DevServer {

// One delivery of a clip to YouTube with the Data API's resumable upload: renews an access token
// that has expired (or is about to) with the refresh token, opens an upload session, then sends
// the file's bytes to the session address. A refused token is renewed once and the session asked
// for again. Ends with exactly one `finished`.
class YoutubeUploader : public QObject {
    Q_OBJECT
public:
    // A token that expires within this margin is renewed before the upload.
    static constexpr qint64 renewMarginMs = 60 * 1000;

    YoutubeUploader(QNetworkAccessManager& network, const ForwardingConfig& config,
                    QObject* parent = nullptr);

    // `settings` is the YouTube settings record (tokens, privacy), `clip` the archive row.
    void start(const QJsonObject& settings, const QJsonObject& clip);

    // "unlisted", "public" or "private" of the settings' privacy code (1, 2, 3).
    static QString privacyStatus(int privacyType);

signals:
    void tokenRenewed(const QString& accessToken, qint64 expiresAtMs);
    void finished(bool ok, const QString& result);

private:
    void renewToken();
    void openSession();
    void sendBytes(const QByteArray& sessionUrl);
    void fail(const QString& error);
    // Prepares a reply: aborted after the configured time, owned by this object.
    QNetworkReply* watch(QNetworkReply* reply);

    QNetworkAccessManager& _network;
    ForwardingConfig _config;
    QJsonObject _settings;
    QJsonObject _clip;
    QString _accessToken;
    bool _renewed = false;
    bool _done = false;
};

} // namespace DevServer
