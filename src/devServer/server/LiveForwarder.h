#pragma once

#include "ForwardingConfig.h"
#include "kvoCore/DTO.h"

#include <QJsonObject>
#include <QMap>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

namespace DevServer {

class RecordStore;

// Streams the camera chosen in a YouTube settings record ("isStreamDeviceOnYoutube",
// "rstIDStreamDevice") to its live channel ("serverURL" + "/" + "streamKey") over RTMP with ffmpeg.
// The record's "status" follows the real state: "connecting" until ffmpeg reports progress,
// "streaming" while it does, "stream error" when it stops (it is started again after a wait) and
// "n/a" when streaming is off; each change is pushed to the clients.
class LiveForwarder : public QObject {
    Q_OBJECT
public:
    using Broadcast = std::function<void(const QList<KvoCore::DTO>&)>;

    static constexpr int restartDelayMs = 10000;

    LiveForwarder(RecordStore& store, const ForwardingConfig& config, Broadcast broadcast,
                  QObject* parent = nullptr);
    ~LiveForwarder() override;

    // Starts, restarts or stops the stream of one settings record as it now reads.
    void apply(const QJsonObject& settings);
    // Every stored settings record (at start).
    void applyAll();
    void stopAll();

    // The ffmpeg arguments for a device record and a target; empty with `error` set when the
    // device's source cannot be streamed.
    static QStringList arguments(const QJsonObject& device, const QString& target, QString* error);

private:
    struct Stream {
        std::unique_ptr<QProcess> process;
        QStringList arguments;
        QString status;
    };

    void start(qint64 settingsId, const QStringList& arguments);
    void stop(qint64 settingsId);
    void setStatus(qint64 settingsId, const QString& status);
    void onOutput(qint64 settingsId);
    void onFinished(qint64 settingsId);

    RecordStore& _store;
    ForwardingConfig _config;
    Broadcast _broadcast;
    std::map<qint64, Stream> _streams;
};

} // namespace DevServer
