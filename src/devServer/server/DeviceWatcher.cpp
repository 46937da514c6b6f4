#include "DeviceWatcher.h"

#include "RecordStore.h"
#include "ServerLog.h"

#include <QJsonArray>

namespace DevServer {

DeviceWatcher::DeviceWatcher(RecordStore& store, int pollMs, QObject* parent)
    : QObject(parent), _store(store) {
    _timer.setInterval(pollMs);
    connect(&_timer, &QTimer::timeout, this, &DeviceWatcher::poll);
}

void DeviceWatcher::start() {
    poll();
    _timer.start();
}

bool DeviceWatcher::sameSetup(const QJsonObject& a, const QJsonObject& b) {
    for (const char* key : {"source", "typeCode", "isDetectMotion", "deviceName"}) {
        if (a.value(QLatin1String(key)) != b.value(QLatin1String(key))) {
            return false;
        }
    }
    return true;
}

void DeviceWatcher::poll() {
    QJsonArray rows;
    try {
        rows = _store.list(QStringLiteral("device"));
    } catch (const std::exception& e) {
        serverLog()->error("Device list not read: {}", e.what());
        return;
    }
    QMap<qint64, QJsonObject> now;
    for (const QJsonValue& row : rows) {
        const QJsonObject device = row.toObject();
        if (device.value("enabled").toBool()) {
            now.insert(device.value("id").toVariant().toLongLong(), device);
        }
    }
    const QMap<qint64, QJsonObject> before = _devices;
    _devices = now;
    for (auto it = before.constBegin(); it != before.constEnd(); ++it) {
        if (!now.contains(it.key())) {
            emit deviceDown(it.key());
        }
    }
    for (auto it = now.constBegin(); it != now.constEnd(); ++it) {
        if (!before.contains(it.key())) {
            emit deviceUp(it.value());
        } else if (!sameSetup(before.value(it.key()), it.value())) {
            emit deviceChanged(it.value());
        }
    }
}

} // namespace DevServer
