#include "MotionManager.h"

#include "MotionDetector.h"
#include "RecordingManager.h"
#include "RequestHandler.h"
#include "ServerLog.h"
#include "VlcStream.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QTimer>

namespace DevServer {

MotionManager::MotionManager(const VlcEngine& engine, RecordingManager& recordings, const QString& videoDir,
                             int eventSeconds, Broadcast broadcast, SettingsLookup settings, QObject* parent)
    : QObject(parent), _engine(engine), _recordings(recordings), _videoDir(videoDir),
      _eventSeconds(eventSeconds), _broadcast(std::move(broadcast)), _settings(std::move(settings)) {}

MotionManager::~MotionManager() {
    while (!_watches.empty()) {
        deviceDown(_watches.begin()->first);
    }
}

KvoCore::DTO MotionManager::objectsNotice(qint64 deviceId, const QList<QRectF>& regions, qint64 dtMs) {
    QJsonArray objects;
    for (const QRectF& region : regions) {
        objects.append(QJsonObject{{"name", "motion"},
                                   {"probability", 1.0},
                                   {"x", region.x()},
                                   {"y", region.y()},
                                   {"width", region.width()},
                                   {"height", region.height()}});
    }
    return RequestHandler::notice(
        QStringLiteral("device"), QStringLiteral("srObjectsDetected"),
        {{"id", deviceId}, {"rstIDDevice", deviceId}, {"dt", dtMs}, {"objects", objects}});
}

void MotionManager::deviceUp(const QJsonObject& device) {
    const qint64 id = device.value("id").toVariant().toLongLong();
    if (!device.value("isDetectMotion").toBool()) {
        return;
    }
    Watch& watch = _watches[id];
    watch.device = device;
    watch.detector = std::make_unique<MotionDetector>(_engine, device);
    connect(watch.detector.get(), &MotionDetector::motion, this, &MotionManager::onMotion);
    settingsChanged(id);
    QString error;
    if (!watch.detector->start(&error)) {
        serverLog()->warn("Motion detection of device {} not started: {}", id, error.toStdString());
        _watches.erase(id);
        return;
    }
    serverLog()->info("Motion detection of device {} started", id);
}

void MotionManager::deviceChanged(const QJsonObject& device) {
    deviceDown(device.value("id").toVariant().toLongLong());
    deviceUp(device);
}

void MotionManager::deviceDown(qint64 deviceId) {
    if (_watches.find(deviceId) == _watches.end()) {
        return;
    }
    finishEventClip(deviceId);
    _watches.erase(deviceId);
}

void MotionManager::settingsChanged(qint64 deviceId) {
    const auto it = _watches.find(deviceId);
    if (it == _watches.end() || !_settings) {
        return;
    }
    try {
        it->second.detector->setParams(MotionRegions::fromModuleValues(
            _settings(deviceId), MotionDetector::width, MotionDetector::height));
    } catch (const std::exception& e) {
        serverLog()->warn("Motion settings of device {} not read: {}", deviceId, e.what());
    }
}

void MotionManager::onMotion(qint64 deviceId, const QList<QRectF>& regions) {
    const auto it = _watches.find(deviceId);
    if (it == _watches.end()) {
        return;
    }
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - it->second.lastNoticeMs >= 1000) {
        it->second.lastNoticeMs = now;
        _broadcast({objectsNotice(deviceId, regions, now)});
    }
    if (!it->second.eventClip && now >= it->second.nextEventMs) {
        it->second.nextEventMs = now + _eventSeconds * 1000LL;
        startEventClip(it->second, now);
    }
}

void MotionManager::startEventClip(Watch& watch, qint64 now) {
    const qint64 id = watch.device.value("id").toVariant().toLongLong();
    const int typeCode = watch.device.value("typeCode").toInt();
    VlcEngine::Source source = VlcEngine::source(typeCode, watch.device.value("source").toString(), false);
    if (!source.error.isEmpty()) {
        return;
    }
    const QString folder = QDir(_videoDir).filePath(QStringLiteral("%1/events").arg(id));
    if (folder.contains(QLatin1Char('"'))) {
        return; // cannot be quoted in libvlc's output chain; the recorder reports the same folder
    }
    QDir().mkpath(folder);
    watch.eventPath = QDir(folder).filePath(QStringLiteral("event-%1.ts").arg(now));
    watch.eventStart = now;
    QStringList extra;
    if (typeCode == VlcEngine::File) {
        // A file is read faster than real time: take the span the detector saw from the file itself.
        const double at = qMax<qint64>(0, watch.detector->timeMs() - 1000) / 1000.0;
        extra << QStringLiteral(":start-time=%1").arg(at, 0, 'f', 3)
              << QStringLiteral(":stop-time=%1").arg(at + _eventSeconds, 0, 'f', 3);
    }
    const QString sout = (source.needsEncoding ? VlcEngine::encodeChain() : QString()) +
                         QStringLiteral("std{access=file,mux=ts,dst=\"%1\"}").arg(watch.eventPath);
    watch.eventClip = std::make_unique<VlcStream>(_engine, source, sout, extra);
    // Queued: the clip's player is released outside its own signal.
    connect(
        watch.eventClip.get(), &VlcStream::ended, this, [this, id] { finishEventClip(id); },
        Qt::QueuedConnection);
    connect(
        watch.eventClip.get(), &VlcStream::failed, this, [this, id] { finishEventClip(id); },
        Qt::QueuedConnection);
    if (!watch.eventClip->start()) {
        watch.eventClip.reset();
        return;
    }
    QTimer::singleShot(_eventSeconds * 1000 + 500, watch.eventClip.get(),
                       [this, id] { finishEventClip(id); });
}

void MotionManager::finishEventClip(qint64 deviceId) {
    const auto it = _watches.find(deviceId);
    if (it == _watches.end() || !it->second.eventClip) {
        return;
    }
    Watch& watch = it->second;
    watch.eventClip.reset();
    if (QFileInfo(watch.eventPath).size() <= 0) {
        return;
    }
    _recordings.addClip(watch.device, 2, watch.eventPath, watch.eventStart,
                        watch.eventStart + _eventSeconds * 1000LL, QStringLiteral("motion"));
}

} // namespace DevServer
