#include "DeviceModuleStateModel.h"

namespace DevServer {

DeviceModuleStateModel::DeviceModuleStateModel() {
    setTblName(QStringLiteral("deviceModuleState"));

    FieldDescr device(fpReference | fpReadOnly, QStringLiteral("device"), QString());
    device.setRefSqlDescr(srtCascade, srtCascade, sftBigInt, true, 1);
    device.setName(QStringLiteral("Device"));
    fields[QStringLiteral("rstIDDevice")] = device;

    FieldDescr plugin(fpReadOnly, QString(), QString());
    plugin.setSimpleSqlDescr(sftText, true, QString());
    plugin.setName(QStringLiteral("Module"));
    fields[QStringLiteral("pluginName")] = plugin;

    FieldDescr enabled(fpNormal, QString(), QString());
    enabled.setSimpleSqlDescr(sftBool, true, false);
    enabled.setName(QStringLiteral("Enabled"));
    fields[QStringLiteral("enabled")] = enabled;

    FieldDescr params(fpNormal, QString(), QString());
    params.setSimpleSqlDescr(sftText, true, QStringLiteral("{}"));
    params.setName(QStringLiteral("Parameters"));
    fields[QStringLiteral("params")] = params;

    appendTblIndex({QStringLiteral("rstIDDevice"), QStringLiteral("pluginName"), QStringLiteral("UNIQUE")});
}

} // namespace DevServer
