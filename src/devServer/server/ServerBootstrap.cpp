#include "ServerBootstrap.h"

#include "kvoCore/SettingsSimple.h"
#include "kvoCore/SpSingleton.h"

#include <QFileInfo>

namespace DevServer {

void ServerBootstrap::init(const QString& settingsPath, const QString& logDir) {
    BootstrapBase::init(QStringLiteral("Bootstrapping vorozizevodidureruziz ..."));
    const QFileInfo file(settingsPath);
    initSetting(file.absolutePath(), file.fileName());
    // The server logs unless its settings say otherwise.
    SpSingleton<KvoCore::SettingsSimple>::instance()->initSettingParams(
        {{QStringLiteral("log/logging"), true}});
    initMainLog(logDir);
}

} // namespace DevServer
