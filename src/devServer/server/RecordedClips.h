#pragma once

#include <QJsonArray>
#include <QJsonValue>

namespace DevServer {

class RecordStore;

// The recordings of a device as the archive's stream and export read them.
class RecordedClips {
public:
    // The device's recordings ("type" 1) whose file is there, oldest first; event clips overlap
    // them and are left out.
    static QJsonArray ofDevice(RecordStore& store, qint64 deviceId);
    // A number given as JSON number or as decimal text; `fallback` for anything else.
    static qint64 number(const QJsonValue& value, qint64 fallback = -1);
};

} // namespace DevServer
