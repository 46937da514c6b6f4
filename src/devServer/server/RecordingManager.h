#pragma once

#include "kvoCore/DTO.h"

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QObject>
#include <functional>
#include <memory>

namespace DevServer {

class RecordStore;
class Recorder;
class VlcEngine;

// Keeps one recorder per enabled device, turns finished clips into "archive" rows (type 1) and keeps
// each device's "deviceRecState" row current; every change is pushed to the logged-in clients.
class RecordingManager : public QObject {
    Q_OBJECT
public:
    using Broadcast = std::function<void(const QList<KvoCore::DTO>&)>;

    RecordingManager(RecordStore& store, const VlcEngine& engine, const QString& videoDir, int clipSeconds,
                     Broadcast broadcast, QObject* parent = nullptr);
    ~RecordingManager() override;

    void deviceUp(const QJsonObject& device);
    void deviceChanged(const QJsonObject& device);
    void deviceDown(qint64 deviceId);
    void stopAll();
    // Later clips go to `dir`; running recordings close their clip and go on there.
    void setVideoDir(const QString& dir);
    QString videoDir() const { return _videoDir; }

    // Stores a finished clip of `type` (1 recording, 2 event) and pushes it; returns the row.
    QJsonObject addClip(const QJsonObject& device, int type, const QString& filePath, qint64 dtStart,
                        qint64 dtEnd, const QString& detected = QString());

    // Seconds before a failed recording is tried again.
    static constexpr int retrySeconds = 30;

signals:
    // A clip row was stored and pushed (forwarding takes the event clips from here).
    void clipStored(const QJsonObject& row);

private:
    void setRecState(qint64 deviceId, const QString& state, qint64 dtRecStarted);
    void onFailed(qint64 deviceId, const QString& error);

    RecordStore& _store;
    const VlcEngine& _engine;
    QString _videoDir;
    int _clipSeconds;
    Broadcast _broadcast;
    QMap<qint64, QJsonObject> _devices;
    std::map<qint64, std::unique_ptr<Recorder>> _recorders;
};

} // namespace DevServer
