#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

namespace DevServer {

class RecordStore;

// The File camera a new installation starts with, so that a new user sees live video at once.
class DemoCamera {
public:
    // Adds the camera playing `clip` when the device table is empty and the clip exists; returns the
    // new record, or nothing (with the reason logged) when no camera was added.
    static std::optional<QJsonObject> addIfEmpty(RecordStore& store, const QString& clip);
    static QString deviceName() { return QStringLiteral("Demo camera"); }
};

} // namespace DevServer
