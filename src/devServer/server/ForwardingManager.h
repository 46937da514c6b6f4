#pragma once

#include "ForwardingConfig.h"
#include "kvoCore/DTO.h"

#include <QJsonObject>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <functional>
#include <optional>

namespace DevServer {

class RecordStore;

// Delivers every new event clip to the channels whose uploads are on: YouTube (settings
// "isUploadEvents" with a linked account) and Telegram ("enabled" with a linked account). Each
// delivery is tried up to `maxAttempts` times with a doubling wait between attempts; the archive
// row's delivery fields ("youtubeUploadedStatus"/"tgUploadedStatus": "created", "uploading",
// "retrying", "uploaded", "failed"; start/end times; attempt counts) follow and are pushed.
class ForwardingManager : public QObject {
    Q_OBJECT
public:
    using Broadcast = std::function<void(const QList<KvoCore::DTO>&)>;

    ForwardingManager(RecordStore& store, const ForwardingConfig& config, Broadcast broadcast,
                      QObject* parent = nullptr);

    // Takes a stored clip; only event clips (type 2) are delivered.
    void onClipStored(const QJsonObject& clip);

    // The wait before attempt `attempt` + 1 after `attempt` failed ones.
    static int retryDelayMs(const ForwardingConfig& config, int attempt);

private:
    enum class Channel { Youtube, Telegram };
    struct Names {
        const char* status;
        const char* attempts;
        const char* started;
        const char* ended;
    };
    static Names namesOf(Channel channel);

    // The settings record that delivers the clip of this owner on this channel, if any: the owner's
    // own when it has uploads on, else the first one that has.
    std::optional<QJsonObject> settingsFor(Channel channel, qint64 owner);
    void attempt(Channel channel, qint64 clipId, int number);
    void finishAttempt(Channel channel, qint64 clipId, int number, bool ok, const QString& result);
    void updateClip(qint64 clipId, const QJsonObject& fields);
    void storeToken(qint64 settingsId, const QString& token, qint64 expiresAtMs);

    RecordStore& _store;
    ForwardingConfig _config;
    Broadcast _broadcast;
    QNetworkAccessManager _network;
};

} // namespace DevServer
