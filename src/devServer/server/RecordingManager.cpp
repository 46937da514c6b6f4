#include "RecordingManager.h"

#include "RecordStore.h"
#include "Recorder.h"
#include "RequestHandler.h"
#include "ServerLog.h"

#include <QDir>
#include <QJsonArray>
#include <QTimer>

namespace DevServer {

RecordingManager::RecordingManager(RecordStore& store, const VlcEngine& engine, const QString& videoDir,
                                   int clipSeconds, Broadcast broadcast, QObject* parent)
    : QObject(parent), _store(store), _engine(engine), _videoDir(videoDir), _clipSeconds(clipSeconds),
      _broadcast(std::move(broadcast)) {}

RecordingManager::~RecordingManager() {
    stopAll();
}

void RecordingManager::stopAll() {
    while (!_recorders.empty()) {
        deviceDown(_recorders.begin()->first);
    }
}

void RecordingManager::deviceUp(const QJsonObject& device) {
    const qint64 id = device.value("id").toVariant().toLongLong();
    _devices.insert(id, device);
    _recorders.erase(id);
    auto recorder = std::make_unique<Recorder>(_engine, device, QDir(_videoDir).filePath(QString::number(id)),
                                               _clipSeconds);
    connect(recorder.get(), &Recorder::clipFinished, this,
            [this](qint64 deviceId, const QString& path, qint64 dtStart, qint64 dtEnd) {
                addClip(_devices.value(deviceId), 1, path, dtStart, dtEnd);
            });
    connect(recorder.get(), &Recorder::failed, this, &RecordingManager::onFailed, Qt::QueuedConnection);
    if (!recorder->start()) {
        onFailed(id, recorder->error());
        return;
    }
    setRecState(id, QStringLiteral("recorded"), recorder->startedAt());
    _recorders[id] = std::move(recorder);
}

void RecordingManager::setVideoDir(const QString& videoDir) {
    _videoDir = videoDir;
    // The running clips end here; the next ones start in the new folder.
    for (const QJsonObject& device : _devices.values()) {
        if (_recorders.find(device.value("id").toVariant().toLongLong()) != _recorders.end()) {
            deviceChanged(device);
        }
    }
}

void RecordingManager::deviceChanged(const QJsonObject& device) {
    deviceDown(device.value("id").toVariant().toLongLong());
    deviceUp(device);
}

void RecordingManager::deviceDown(qint64 deviceId) {
    const auto it = _recorders.find(deviceId);
    if (it != _recorders.end()) {
        std::unique_ptr<Recorder> recorder = std::move(it->second);
        _recorders.erase(it);
        recorder->stop(); // reports the last clip while the device's name is still known
        setRecState(deviceId, QStringLiteral("stopped"), 0);
    }
    _devices.remove(deviceId);
}

void RecordingManager::onFailed(qint64 deviceId, const QString& error) {
    serverLog()->warn("Recording of device {} failed: {}; retry in {} s", deviceId, error.toStdString(),
                      retrySeconds);
    _recorders.erase(deviceId);
    setRecState(deviceId, QStringLiteral("error"), 0);
    QTimer::singleShot(retrySeconds * 1000, this, [this, deviceId] {
        if (_devices.contains(deviceId) && _recorders.find(deviceId) == _recorders.end()) {
            deviceUp(_devices.value(deviceId));
        }
    });
}

QJsonObject RecordingManager::addClip(const QJsonObject& device, int type, const QString& filePath,
                                      qint64 dtStart, qint64 dtEnd, const QString& detected) {
    const qint64 deviceId = device.value("id").toVariant().toLongLong();
    QJsonObject fields{{"rstIDDevice", deviceId},
                       {"type", type},
                       {"dtStart", dtStart},
                       {"dtEnd", dtEnd},
                       {"duration", dtEnd - dtStart},
                       {"filePath", filePath},
                       {"deviceName", device.value("deviceName").toString()},
                       {"final", true}};
    if (!detected.isEmpty()) {
        fields.insert("detected", detected);
    }
    try {
        const qint64 owner = device.value("rstIdOwner").toVariant().toLongLong();
        const QJsonObject row = _store.create(QStringLiteral("archive"), fields, owner > 0 ? owner : 2);
        _broadcast({RequestHandler::notice(QStringLiteral("archive"), QStringLiteral("srInserted"), row)});
        return row;
    } catch (const std::exception& e) {
        serverLog()->error("Clip '{}' of device {} not stored: {}", filePath.toStdString(), deviceId,
                           e.what());
        return {};
    }
}

void RecordingManager::setRecState(qint64 deviceId, const QString& state, qint64 dtRecStarted) {
    try {
        const QJsonArray rows =
            _store.list(QStringLiteral("deviceRecState"),
                        RecordStore::whereEquals(QStringLiteral("rstIDDevice"), deviceId), {}, 1);
        const QJsonObject fields{
            {"rstIDDevice", deviceId}, {"recState", state}, {"dtRecStarted", dtRecStarted}};
        if (rows.isEmpty()) {
            const qint64 owner = _devices.value(deviceId).value("rstIdOwner").toVariant().toLongLong();
            const QJsonObject row =
                _store.create(QStringLiteral("deviceRecState"), fields, owner > 0 ? owner : 2);
            _broadcast({RequestHandler::notice(QStringLiteral("deviceRecState"), QStringLiteral("srInserted"),
                                               row)});
            return;
        }
        const qint64 id = rows.first().toObject().value("id").toVariant().toLongLong();
        if (const auto row = _store.update(QStringLiteral("deviceRecState"), id, fields)) {
            _broadcast({RequestHandler::notice(QStringLiteral("deviceRecState"), QStringLiteral("srUpdated"),
                                               *row)});
        }
    } catch (const std::exception& e) {
        // A removed device takes its state row with it; nothing to keep then.
        serverLog()->warn("Recording state of device {} not stored: {}", deviceId, e.what());
    }
}

} // namespace DevServer
