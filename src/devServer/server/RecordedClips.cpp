#include "RecordedClips.h"

#include "RecordStore.h"

#include <QFileInfo>
#include <QJsonObject>

namespace DevServer {

qint64 RecordedClips::number(const QJsonValue& value, qint64 fallback) {
    if (value.isString()) {
        bool ok = false;
        const qint64 result = value.toString().toLongLong(&ok);
        return ok ? result : fallback;
    }
    return value.isDouble() ? qint64(value.toDouble()) : fallback;
}

QJsonArray RecordedClips::ofDevice(RecordStore& store, qint64 deviceId) {
    QJsonArray clips;
    for (const QJsonValue& row : store.list(QStringLiteral("archive"),
                                            RecordStore::whereEquals(QStringLiteral("rstIDDevice"), deviceId),
                                            {{"dtStart", "ASC"}})) {
        const QJsonObject clip = row.toObject();
        if (number(clip.value("type")) == 1 && QFileInfo(clip.value("filePath").toString()).isFile()) {
            clips.append(clip);
        }
    }
    return clips;
}

} // namespace DevServer
