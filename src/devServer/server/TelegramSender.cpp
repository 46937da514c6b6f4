#include "TelegramSender.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace DevServer {

namespace {

QHttpPart textPart(const QByteArray& name, const QString& value) {
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentDispositionHeader, "form-data; name=\"" + name + "\"");
    part.setBody(value.toUtf8());
    return part;
}

} // namespace

TelegramSender::TelegramSender(QNetworkAccessManager& network, const ForwardingConfig& config,
                               QObject* parent)
    : QObject(parent), _network(network), _config(config) {}

void TelegramSender::start(const QJsonObject& settings, const QJsonObject& clip) {
    const QString group = settings.value("groupName").toString().trimmed();
    const QString chat = group.isEmpty() ? settings.value("phone").toString().trimmed() : group;
    // Answers are queued so that `finished` never arrives inside `start`.
    const auto failLater = [this](const QString& error) {
        QTimer::singleShot(0, this, [this, error] { emit finished(false, error); });
    };
    if (chat.isEmpty()) {
        failLater(QStringLiteral("No Telegram chat: neither a group name nor a phone number"));
        return;
    }
    auto* file = new QFile(clip.value("filePath").toString());
    if (!file->open(QIODevice::ReadOnly)) {
        failLater(QStringLiteral("The clip file '%1' cannot be read").arg(file->fileName()));
        delete file;
        return;
    }
    auto* form = new QHttpMultiPart(QHttpMultiPart::FormDataType, this);
    file->setParent(form);
    const qint64 start = clip.value("dtStart").toVariant().toLongLong();
    form->append(textPart("chat_id", chat));
    form->append(textPart("caption", QStringLiteral("%1, %2: %3")
                                         .arg(clip.value("deviceName").toString(),
                                              QDateTime::fromMSecsSinceEpoch(start).toString(
                                                  QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                                              clip.value("detected").toString())));
    QHttpPart video;
    video.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("video/mp2t"));
    video.setHeader(QNetworkRequest::ContentDispositionHeader,
                    "form-data; name=\"video\"; filename=\"" + QFileInfo(*file).fileName().toUtf8() + "\"");
    video.setBodyDevice(file);
    form->append(video);

    QNetworkRequest request(
        QUrl(QStringLiteral("%1/bot%2/sendVideo").arg(_config.telegramBase, _config.telegramBotToken)));
    request.setTransferTimeout(_config.requestTimeoutMs);
    QNetworkReply* reply = _network.post(request, form);
    form->setParent(reply);
    reply->setParent(this);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        const QJsonObject answer = QJsonDocument::fromJson(reply->readAll()).object();
        if (reply->error() != QNetworkReply::NoError || !answer.value("ok").toBool()) {
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            const QString reason = answer.value("description").toString();
            emit finished(false, QStringLiteral("sendVideo failed: %1%2")
                                     .arg(status > 0 ? QStringLiteral("HTTP status %1").arg(status)
                                                     : reply->errorString(),
                                          reason.isEmpty() ? QString() : QStringLiteral(", ") + reason));
            return;
        }
        emit finished(true, QString());
    });
}

} // namespace DevServer
