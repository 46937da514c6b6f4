#pragma once

#include "ModuleCatalogue.h"
#include "RequestHandler.h"

#include <functional>
#include <optional>

namespace DevServer {

class RecordStore;

// "moduleSystem": the detector modules of each device. Answers go to the asking client only, with its
// "_receiver", so that only the asking module controller reacts.
class ModuleSystemHandler : public RequestHandler {
public:
    // Told after a module of a device was switched or got new parameters.
    using Changed = std::function<void(qint64 deviceId, const QString& pluginName)>;

    // The motion detector of the server is the module "motionsDetection"; its on/off state is the
    // device's "isDetectMotion", so that switching it starts and stops the real detection.
    static constexpr const char* motionModule = "motionsDetection";

    explicit ModuleSystemHandler(RecordStore& store, Changed changed = nullptr);

    bool accepts(const Request& request) const override;
    Outcome handle(const Request& request) override;

    const ModuleCatalogue& catalogue() const { return _catalogue; }
    // Every parameter of a device's module, name -> value (stored values over the defaults).
    QJsonObject values(qint64 deviceId, const QString& pluginName);

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
    Changed _changed;
};

} // namespace DevServer
