#include "ForwardingManager.h"

#include "RecordStore.h"
#include "RequestHandler.h"
#include "ServerLog.h"
#include "TelegramSender.h"
#include "YoutubeUploader.h"

#include <QDateTime>
#include <QJsonArray>
#include <QTimer>

namespace DevServer {

namespace {

qint64 idOf(const QJsonObject& record) {
    return record.value("id").toVariant().toLongLong();
}

const char* channelName(bool youtube) {
    return youtube ? "YouTube" : "Telegram";
}

} // namespace

ForwardingManager::ForwardingManager(RecordStore& store, const ForwardingConfig& config, Broadcast broadcast,
                                     QObject* parent)
    : QObject(parent), _store(store), _config(config), _broadcast(std::move(broadcast)) {}

int ForwardingManager::retryDelayMs(const ForwardingConfig& config, int attempt) {
    qint64 delay = config.retryDelayMs;
    for (int i = 1; i < attempt && delay < config.maxRetryDelayMs; ++i) {
        delay *= 2;
    }
    return int(qMin<qint64>(delay, config.maxRetryDelayMs));
}

ForwardingManager::Names ForwardingManager::namesOf(Channel channel) {
    if (channel == Channel::Youtube) {
        return {"youtubeUploadedStatus", "youtubeLoadAttempts", "dtStartYoutubeLoad", "dtEndYoutubeLoad"};
    }
    return {"tgUploadedStatus", "tgLoadAttempts", "dtStartTgLoad", "dtEndTgLoad"};
}

std::optional<QJsonObject> ForwardingManager::settingsFor(Channel channel, qint64 owner) {
    const bool youtube = channel == Channel::Youtube;
    const QJsonArray rows =
        _store.list(youtube ? QStringLiteral("youtubeSettings") : QStringLiteral("telegramSettings"));
    std::optional<QJsonObject> found;
    for (const QJsonValue& value : rows) {
        const QJsonObject row = value.toObject();
        if (idOf(row) <= 1) {
            continue;
        }
        const bool on = youtube ? row.value("isUploadEvents").toBool() &&
                                      !(row.value("access_token").toString().isEmpty() &&
                                        row.value("refresh_token").toString().isEmpty())
                                : row.value("enabled").toBool() && row.value("isLink").toBool();
        if (!on) {
            continue;
        }
        if (row.value("rstIdOwner").toVariant().toLongLong() == owner) {
            return row;
        }
        if (!found) {
            found = row;
        }
    }
    return found;
}

void ForwardingManager::onClipStored(const QJsonObject& clip) {
    if (clip.value("type").toInt() != 2) {
        return;
    }
    const qint64 owner = clip.value("rstIdOwner").toVariant().toLongLong();
    for (Channel channel : {Channel::Youtube, Channel::Telegram}) {
        try {
            const auto settings = settingsFor(channel, owner);
            if (!settings) {
                continue;
            }
            if (channel == Channel::Youtube) {
                updateClip(idOf(clip), {{"youtubePrivacyType", settings->value("privacyType").toInt(1)}});
            }
            attempt(channel, idOf(clip), 1);
        } catch (const std::exception& e) {
            serverLog()->error("Forwarding of clip {} not started: {}", idOf(clip), e.what());
        }
    }
}

void ForwardingManager::attempt(Channel channel, qint64 clipId, int number) {
    const bool youtube = channel == Channel::Youtube;
    const Names names = namesOf(channel);
    const auto clip = _store.info(QStringLiteral("archive"), clipId);
    if (!clip) {
        return; // the clip was removed meanwhile
    }
    const auto settings = settingsFor(channel, clip->value("rstIdOwner").toVariant().toLongLong());
    if (!settings) {
        // Uploads were switched off or the account unlinked since the clip was taken.
        updateClip(clipId, {{names.status, "cancelled"}});
        return;
    }
    QJsonObject fields{{names.status, "uploading"}, {names.attempts, number}};
    if (number == 1) {
        fields.insert(names.started, QDateTime::currentMSecsSinceEpoch());
    }
    updateClip(clipId, fields);
    serverLog()->info("{} delivery of clip {}, attempt {}", channelName(youtube), clipId, number);

    if (youtube) {
        auto* uploader = new YoutubeUploader(_network, _config, this);
        const qint64 settingsId = idOf(*settings);
        connect(uploader, &YoutubeUploader::tokenRenewed, this,
                [this, settingsId](const QString& token, qint64 expiresAtMs) {
                    storeToken(settingsId, token, expiresAtMs);
                });
        connect(uploader, &YoutubeUploader::finished, this,
                [this, uploader, clipId, number](bool ok, const QString& result) {
                    uploader->deleteLater();
                    finishAttempt(Channel::Youtube, clipId, number, ok, result);
                });
        uploader->start(*settings, *clip);
        return;
    }
    auto* sender = new TelegramSender(_network, _config, this);
    connect(sender, &TelegramSender::finished, this,
            [this, sender, clipId, number](bool ok, const QString& result) {
                sender->deleteLater();
                finishAttempt(Channel::Telegram, clipId, number, ok, result);
            });
    sender->start(*settings, *clip);
}

void ForwardingManager::finishAttempt(Channel channel, qint64 clipId, int number, bool ok,
                                      const QString& result) {
    const bool youtube = channel == Channel::Youtube;
    const Names names = namesOf(channel);
    try {
        if (ok) {
            serverLog()->info("{} delivery of clip {} done {}", channelName(youtube), clipId,
                              result.toStdString());
            updateClip(clipId,
                       {{names.status, "uploaded"}, {names.ended, QDateTime::currentMSecsSinceEpoch()}});
            return;
        }
        if (number >= _config.maxAttempts) {
            serverLog()->warn("{} delivery of clip {} failed for good after {} attempts: {}",
                              channelName(youtube), clipId, number, result.toStdString());
            updateClip(clipId,
                       {{names.status, "failed"}, {names.ended, QDateTime::currentMSecsSinceEpoch()}});
            return;
        }
        const int delay = retryDelayMs(_config, number);
        serverLog()->warn("{} delivery of clip {} failed ({}); attempt {} in {} ms", channelName(youtube),
                          clipId, result.toStdString(), number + 1, delay);
        updateClip(clipId, {{names.status, "retrying"}});
        QTimer::singleShot(delay, this, [this, channel, clipId, number] {
            try {
                attempt(channel, clipId, number + 1);
            } catch (const std::exception& e) {
                serverLog()->error("Forwarding of clip {} stopped: {}", clipId, e.what());
            }
        });
    } catch (const std::exception& e) {
        serverLog()->error("Delivery state of clip {} not stored: {}", clipId, e.what());
    }
}

void ForwardingManager::updateClip(qint64 clipId, const QJsonObject& fields) {
    if (const auto row = _store.update(QStringLiteral("archive"), clipId, fields)) {
        _broadcast({RequestHandler::notice(QStringLiteral("archive"), QStringLiteral("srUpdated"), *row)});
    }
}

void ForwardingManager::storeToken(qint64 settingsId, const QString& token, qint64 expiresAtMs) {
    try {
        const QJsonObject fields{
            {"access_token", token},
            {"utc_expired_date", expiresAtMs > 0 ? QString::number(expiresAtMs) : QString()}};
        if (const auto row = _store.update(QStringLiteral("youtubeSettings"), settingsId, fields)) {
            // Only the id: tokens are not pushed to every client; lists fetch what they may see.
            _broadcast({RequestHandler::notice(QStringLiteral("youtubeSettings"), QStringLiteral("srUpdated"),
                                               {{"id", settingsId}})});
        }
    } catch (const std::exception& e) {
        serverLog()->error("Renewed YouTube token not stored: {}", e.what());
    }
}

} // namespace DevServer
