#pragma once

#include "ForwardingConfig.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

class QNetworkAccessManager;

namespace DevServer {

// One delivery of a clip as a Telegram video message (Bot API "sendVideo", multipart form) to the
// linked account's group, or to its phone number when no group is named. Ends with exactly one
// `finished`.
class TelegramSender : public QObject {
    Q_OBJECT
public:
    TelegramSender(QNetworkAccessManager& network, const ForwardingConfig& config, QObject* parent = nullptr);

    // `settings` is the Telegram settings record, `clip` the archive row.
    void start(const QJsonObject& settings, const QJsonObject& clip);

signals:
    void finished(bool ok, const QString& result);

private:
    QNetworkAccessManager& _network;
    ForwardingConfig _config;
};

} // namespace DevServer
