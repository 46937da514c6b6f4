#pragma once

#include "kvoModel/model/ModelBase.h"

namespace DevServer {

// Per device and detector module: whether the module runs and its parameter values (JSON text).
class DeviceModuleStateModel : public KvoModel::ModelBase {
public:
    DeviceModuleStateModel();
};

} // namespace DevServer
