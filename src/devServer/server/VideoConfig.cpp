#include "VideoConfig.h"

#include "kvoCore/SettingsSimple.h"

#include <QCoreApplication>
#include <QDir>
#include <QtGlobal>

namespace DevServer {

VideoConfig VideoConfig::fromSettings(KvoCore::SettingsSimple& settings) {
    VideoConfig config;
    const QString defaultClip = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                QStringLiteral("/../share/vorozizevodidureruziz/demo.mp4"));
    settings.initSettingParams({
        {QStringLiteral("video/demoClip"), defaultClip},
        {QStringLiteral("video/record"), config.record},
        {QStringLiteral("video/clipSeconds"), config.clipSeconds},
        {QStringLiteral("video/eventSeconds"), config.eventSeconds},
        {QStringLiteral("video/devicePollMs"), config.devicePollMs},
    });
    config.demoClip = settings.value(QStringLiteral("video/demoClip")).toString();
    config.record = settings.value(QStringLiteral("video/record")).toBool();
    // Out-of-range lengths are clamped rather than refused: a typo must not stop recording.
    config.clipSeconds = qBound(2, settings.value(QStringLiteral("video/clipSeconds")).toInt(), 3600);
    config.eventSeconds = qBound(2, settings.value(QStringLiteral("video/eventSeconds")).toInt(), 600);
    config.devicePollMs = qBound(200, settings.value(QStringLiteral("video/devicePollMs")).toInt(), 60000);
    return config;
}

} // namespace DevServer
