#include "DemoCamera.h"

#include "RecordStore.h"
#include "ServerLog.h"
#include "VlcEngine.h"

#include <QFileInfo>

namespace DevServer {

std::optional<QJsonObject> DemoCamera::addIfEmpty(RecordStore& store, const QString& clip) {
    if (clip.isEmpty()) {
        return std::nullopt;
    }
    if (!QFileInfo(clip).isFile()) {
        serverLog()->warn("Demo camera not added: the sample clip '{}' is missing", clip.toStdString());
        return std::nullopt;
    }
    if (!store.list(QStringLiteral("device"), {}, {}, 1).isEmpty()) {
        return std::nullopt;
    }
    const auto admin = store.userBySign(QStringLiteral("admin"));
    const qint64 owner = admin ? admin->value("id").toVariant().toLongLong() : 2;
    const QJsonObject fields{{"deviceName", deviceName()},
                             {"source", QFileInfo(clip).absoluteFilePath()},
                             {"rstIdDeviceType", int(VlcEngine::File)},
                             {"enabled", true},
                             {"isDetectMotion", true}};
    QJsonObject record = store.create(QStringLiteral("device"), fields, owner);
    serverLog()->info("Demo camera {} added, playing '{}'", record.value("id").toVariant().toLongLong(),
                      clip.toStdString());
    return record;
}

} // namespace DevServer
