#pragma once

#include "ModuleCatalogue.h"
#include "RequestHandler.h"

#include <optional>

namespace DevServer {

class RecordStore;

// "moduleSystem": the detector modules of each device. Answers go to the asking client only, with its
// "_receiver", so that only the asking module controller reacts.
class ModuleSystemHandler : public RequestHandler {
public:
    explicit ModuleSystemHandler(RecordStore& store);

    bool accepts(const Request& request) const override;
    Outcome handle(const Request& request) override;

    const ModuleCatalogue& catalogue() const { return _catalogue; }

private:
    struct State {
        bool enabled = false;
        QJsonObject values;
    };
    State loadState(qint64 deviceId, const QString& pluginName);
    void saveState(qint64 deviceId, const QString& pluginName, const State& state);
    // The device named by "rstIDDevice" (or "id"); 0 with `reply` set when it is missing or gone.
    qint64 deviceOf(const Request& request, Outcome* outcome);
    QString moduleOf(const Request& request, Outcome* outcome) const;
    // Both of the above; false with the failure in `outcome` when either is missing.
    bool deviceModuleOf(const Request& request, Outcome* outcome, qint64* deviceId, QString* name);
    // A successful answer naming the device and the module.
    static KvoCore::DTO moduleAnswer(const Request& request, qint64 deviceId, const QString& name);

    Outcome moduleList(const Request& request);
    Outcome activeModuleList(const Request& request);
    Outcome switchModule(const Request& request, bool on);
    Outcome getParams(const Request& request);
    Outcome setParams(const Request& request);

    RecordStore& _store;
    ModuleCatalogue _catalogue;
};

} // namespace DevServer
