#include "YoutubeUploader.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <QUrlQuery>

namespace DevServer {

namespace {

int statusOf(QNetworkReply* reply) {
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

QString describe(QNetworkReply* reply) {
    const int status = statusOf(reply);
    return status > 0 ? QStringLiteral("HTTP status %1").arg(status) : reply->errorString();
}

} // namespace

YoutubeUploader::YoutubeUploader(QNetworkAccessManager& network, const ForwardingConfig& config,
                                 QObject* parent)
    : QObject(parent), _network(network), _config(config) {}

QString YoutubeUploader::privacyStatus(int privacyType) {
    switch (privacyType) {
    case 2:
        return QStringLiteral("public");
    case 3:
        return QStringLiteral("private");
    default:
        return QStringLiteral("unlisted");
    }
}

QNetworkReply* YoutubeUploader::watch(QNetworkReply* reply) {
    reply->setParent(this);
    return reply;
}

void YoutubeUploader::start(const QJsonObject& settings, const QJsonObject& clip) {
    _settings = settings;
    _clip = clip;
    _accessToken = settings.value("access_token").toString();
    const QString refresh = settings.value("refresh_token").toString();
    if (_accessToken.isEmpty() && refresh.isEmpty()) {
        fail(QStringLiteral("No YouTube account is linked"));
        return;
    }
    const qint64 expiresAt = settings.value("utc_expired_date").toVariant().toLongLong();
    const bool expiring = expiresAt > 0 && expiresAt <= QDateTime::currentMSecsSinceEpoch() + renewMarginMs;
    if (!refresh.isEmpty() && (_accessToken.isEmpty() || expiring)) {
        renewToken();
        return;
    }
    openSession();
}

void YoutubeUploader::renewToken() {
    _renewed = true;
    const QString refresh = _settings.value("refresh_token").toString();
    if (refresh.isEmpty()) {
        fail(QStringLiteral("The access token was refused and there is no refresh token"));
        return;
    }
    QNetworkRequest request(QUrl(_config.youtubeOauthBase + QStringLiteral("/token")));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    request.setTransferTimeout(_config.requestTimeoutMs);
    QUrlQuery form;
    form.addQueryItem(QStringLiteral("client_id"), _config.youtubeClientId);
    form.addQueryItem(QStringLiteral("client_secret"), _config.youtubeClientSecret);
    form.addQueryItem(QStringLiteral("refresh_token"), refresh);
    form.addQueryItem(QStringLiteral("grant_type"), QStringLiteral("refresh_token"));
    QNetworkReply* reply = watch(_network.post(request, form.toString(QUrl::FullyEncoded).toUtf8()));
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        const QJsonObject answer = QJsonDocument::fromJson(reply->readAll()).object();
        const QString token = answer.value("access_token").toString();
        if (reply->error() != QNetworkReply::NoError || token.isEmpty()) {
            fail(QStringLiteral("Token renewal failed: %1").arg(describe(reply)));
            return;
        }
        _accessToken = token;
        const int expiresIn = answer.value("expires_in").toInt();
        emit tokenRenewed(token,
                          expiresIn > 0 ? QDateTime::currentMSecsSinceEpoch() + expiresIn * 1000LL : 0);
        openSession();
    });
}

void YoutubeUploader::openSession() {
    const QString path = _clip.value("filePath").toString();
    const QFileInfo file(path);
    if (!file.isFile()) {
        fail(QStringLiteral("The clip file '%1' is missing").arg(path));
        return;
    }
    QUrl url(_config.youtubeUploadBase + QStringLiteral("/videos"));
    url.setQuery(QStringLiteral("uploadType=resumable&part=snippet,status"));
    QNetworkRequest request(url);
    request.setRawHeader("Authorization", "Bearer " + _accessToken.toUtf8());
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json; charset=UTF-8"));
    request.setRawHeader("X-Upload-Content-Type", "video/mp2t");
    request.setRawHeader("X-Upload-Content-Length", QByteArray::number(file.size()));
    request.setTransferTimeout(_config.requestTimeoutMs);
    const qint64 start = _clip.value("dtStart").toVariant().toLongLong();
    const QJsonObject metadata{
        {"snippet",
         QJsonObject{{"title", QStringLiteral("%1 %2").arg(_clip.value("deviceName").toString(),
                                                           QDateTime::fromMSecsSinceEpoch(start).toString(
                                                               QStringLiteral("yyyy-MM-dd hh:mm:ss")))},
                     {"description", _clip.value("detected").toString()}}},
        {"status", QJsonObject{{"privacyStatus", privacyStatus(_settings.value("privacyType").toInt())}}}};
    QNetworkReply* reply =
        watch(_network.post(request, QJsonDocument(metadata).toJson(QJsonDocument::Compact)));
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        if (statusOf(reply) == 401 && !_renewed) {
            renewToken();
            return;
        }
        const QByteArray location = reply->rawHeader("Location");
        if (reply->error() != QNetworkReply::NoError || location.isEmpty()) {
            fail(QStringLiteral("No upload session: %1").arg(describe(reply)));
            return;
        }
        sendBytes(location);
    });
}

void YoutubeUploader::sendBytes(const QByteArray& sessionUrl) {
    auto* file = new QFile(_clip.value("filePath").toString(), this);
    if (!file->open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("The clip file cannot be read: %1").arg(file->errorString()));
        return;
    }
    const QUrl url = QUrl(_config.youtubeUploadBase).resolved(QUrl::fromEncoded(sessionUrl));
    QNetworkRequest request(url);
    request.setRawHeader("Authorization", "Bearer " + _accessToken.toUtf8());
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("video/mp2t"));
    request.setHeader(QNetworkRequest::ContentLengthHeader, file->size());
    request.setTransferTimeout(_config.requestTimeoutMs);
    QNetworkReply* reply = watch(_network.put(request, file));
    connect(reply, &QNetworkReply::finished, this, [this, reply, file] {
        reply->deleteLater();
        file->deleteLater();
        const QJsonObject answer = QJsonDocument::fromJson(reply->readAll()).object();
        if (reply->error() != QNetworkReply::NoError) {
            fail(QStringLiteral("Upload failed: %1").arg(describe(reply)));
            return;
        }
        _done = true;
        emit finished(true, answer.value("id").toString());
    });
}

void YoutubeUploader::fail(const QString& error) {
    if (_done) {
        return;
    }
    _done = true;
    emit finished(false, error);
}

} // namespace DevServer
