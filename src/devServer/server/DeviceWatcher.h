#pragma once

#include <QJsonObject>
#include <QMap>
#include <QObject>
#include <QTimer>

namespace DevServer {

class RecordStore;

// Watches the device table (it is changed by record requests of any client) and reports devices
// that became usable, changed their source, or went away (disabled or removed).
class DeviceWatcher : public QObject {
    Q_OBJECT
public:
    DeviceWatcher(RecordStore& store, int pollMs, QObject* parent = nullptr);

    void start();
    // Checks now; also run by the timer.
    void poll();
    // The enabled devices as last seen, by id.
    const QMap<qint64, QJsonObject>& devices() const { return _devices; }

signals:
    void deviceUp(const QJsonObject& device);
    // Source, type or detection settings changed: whatever runs for the device restarts.
    void deviceChanged(const QJsonObject& device);
    void deviceDown(qint64 deviceId);

private:
    static bool sameSetup(const QJsonObject& a, const QJsonObject& b);

    RecordStore& _store;
    QTimer _timer;
    QMap<qint64, QJsonObject> _devices;
};

} // namespace DevServer
