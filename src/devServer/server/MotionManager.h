#pragma once

#include "kvoCore/DTO.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QRectF>
#include <functional>
#include <map>
#include <memory>

namespace DevServer {

class MotionDetector;
class RecordingManager;
class VlcEngine;
class VlcStream;

// Motion detection of the devices with "isDetectMotion": pushes "srObjectsDetected" in the group
// "device" (at most once a second per device) and records an event clip (archive type 2).
class MotionManager : public QObject {
    Q_OBJECT
public:
    using Broadcast = std::function<void(const QList<KvoCore::DTO>&)>;
    // The motion module's parameter values of a device (name -> value); empty for the defaults.
    using SettingsLookup = std::function<QJsonObject(qint64 deviceId)>;

    MotionManager(const VlcEngine& engine, RecordingManager& recordings, const QString& videoDir,
                  int eventSeconds, Broadcast broadcast, SettingsLookup settings = nullptr,
                  QObject* parent = nullptr);
    ~MotionManager() override;

    void deviceUp(const QJsonObject& device);
    void deviceChanged(const QJsonObject& device);
    // Event clips started from now on go to this folder.
    void setVideoDir(const QString& videoDir) { _videoDir = videoDir; }
    void deviceDown(qint64 deviceId);
    // The module parameters of a device changed: its detector uses them from the next picture on.
    void settingsChanged(qint64 deviceId);
    bool isWatching(qint64 deviceId) const { return _watches.count(deviceId) > 0; }

    // The notice for moving regions of a device.
    static KvoCore::DTO objectsNotice(qint64 deviceId, const QList<QRectF>& regions, qint64 dtMs);

private:
    struct Watch {
        QJsonObject device;
        std::unique_ptr<MotionDetector> detector;
        std::unique_ptr<VlcStream> eventClip;
        QString eventPath;
        qint64 eventStart = 0;
        qint64 lastNoticeMs = 0;
        qint64 nextEventMs = 0; // an event clip covers its span: no new one before it ends
    };
    void onMotion(qint64 deviceId, const QList<QRectF>& regions);
    void startEventClip(Watch& watch, qint64 now);
    void finishEventClip(qint64 deviceId);

    const VlcEngine& _engine;
    RecordingManager& _recordings;
    QString _videoDir;
    int _eventSeconds;
    Broadcast _broadcast;
    SettingsLookup _settings;
    std::map<qint64, Watch> _watches;
};

} // namespace DevServer
