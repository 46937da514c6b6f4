#include "ModuleSystemHandler.h"

#include "DeviceModuleStateModel.h"
#include "RecordStore.h"
#include "kvoModel/dao/DAO.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace DevServer {

ModuleSystemHandler::ModuleSystemHandler(RecordStore& store, Changed changed)
    : _store(store), _changed(std::move(changed)) {}

QJsonObject ModuleSystemHandler::values(qint64 deviceId, const QString& pluginName) {
    QJsonObject result;
    for (const QJsonValue& param :
         _catalogue.paramsWithValues(pluginName, loadState(deviceId, pluginName).values)) {
        result.insert(param.toObject().value("name").toString(), param.toObject().value("value"));
    }
    return result;
}

bool ModuleSystemHandler::accepts(const Request& request) const {
    static const QStringList actions{"trModuleList", "trActiveModuleList", "trModuleOn",
                                     "trModuleOff",  "trGetParams",        "trSetParams"};
    return request.group == QLatin1String("moduleSystem") && actions.contains(request.action);
}

Outcome ModuleSystemHandler::handle(const Request& request) {
    const QString& action = request.action;
    if (action == QLatin1String("trModuleList")) {
        return moduleList(request);
    }
    if (action == QLatin1String("trActiveModuleList")) {
        return activeModuleList(request);
    }
    if (action == QLatin1String("trModuleOn") || action == QLatin1String("trModuleOff")) {
        return switchModule(request, action == QLatin1String("trModuleOn"));
    }
    if (action == QLatin1String("trGetParams")) {
        return getParams(request);
    }
    return setParams(request);
}

ModuleSystemHandler::State ModuleSystemHandler::loadState(qint64 deviceId, const QString& pluginName) {
    SharedPointerEx<KvoModel::ModelBase> model(new DeviceModuleStateModel);
    model->setValue(QStringLiteral("rstIDDevice"), deviceId);
    model->setValue(QStringLiteral("pluginName"), pluginName);
    KvoModel::DAO dao(model, _store.db());
    State state;
    if (dao.getByUnique(QStringLiteral("rstIDDevice"), {QStringLiteral("pluginName")})) {
        state.enabled = model->value(QStringLiteral("enabled")).toBool();
        state.values =
            QJsonDocument::fromJson(model->value(QStringLiteral("params")).toString().toUtf8()).object();
    }
    if (pluginName == QLatin1String(motionModule)) {
        const auto device = _store.info(QStringLiteral("device"), deviceId);
        state.enabled = device && device->value(QStringLiteral("isDetectMotion")).toBool();
    }
    return state;
}

void ModuleSystemHandler::saveState(qint64 deviceId, const QString& pluginName, const State& state) {
    SharedPointerEx<KvoModel::ModelBase> model(new DeviceModuleStateModel);
    model->setValue(QStringLiteral("rstIDDevice"), deviceId);
    model->setValue(QStringLiteral("pluginName"), pluginName);
    KvoModel::DAO dao(model, _store.db());
    const bool exists = dao.getByUnique(QStringLiteral("rstIDDevice"), {QStringLiteral("pluginName")});
    if (!exists) {
        model->populateDefault();
        model->setValue(QStringLiteral("rstIDDevice"), deviceId);
        model->setValue(QStringLiteral("pluginName"), pluginName);
    }
    model->setValue(QStringLiteral("enabled"), state.enabled);
    model->setValue(QStringLiteral("params"),
                    QString::fromUtf8(QJsonDocument(state.values).toJson(QJsonDocument::Compact)));
    if (exists) {
        dao.updateByID();
    } else {
        dao.insert();
    }
}

qint64 ModuleSystemHandler::deviceOf(const Request& request, Outcome* outcome) {
    QJsonValue value = request.dto.params.value(QStringLiteral("rstIDDevice"));
    if (value.isUndefined()) {
        value = request.dto.params.value(QStringLiteral("id"));
    }
    const qint64 id = value.isString() ? value.toString().toLongLong() : value.toVariant().toLongLong();
    if (id <= 1) {
        outcome->replies.append(
            failure(request, QStringLiteral("A device id is expected in \"rstIDDevice\"")));
        return 0;
    }
    if (!_store.info(QStringLiteral("device"), id)) {
        KvoCore::DTO reply = failure(request, QStringLiteral("The device no longer exists"), errRecordGone);
        reply.params.insert(QStringLiteral("rstIDDevice"), id);
        outcome->replies.append(reply);
        return 0;
    }
    return id;
}

QString ModuleSystemHandler::moduleOf(const Request& request, Outcome* outcome) const {
    const QString name = request.dto.params.value(QStringLiteral("plugin_name")).toString();
    if (!_catalogue.contains(name)) {
        outcome->replies.append(failure(request, QStringLiteral("Unknown module '%1'").arg(name)));
        return QString();
    }
    return name;
}

bool ModuleSystemHandler::deviceModuleOf(const Request& request, Outcome* outcome, qint64* deviceId,
                                         QString* name) {
    *deviceId = deviceOf(request, outcome);
    if (*deviceId == 0) {
        return false;
    }
    *name = moduleOf(request, outcome);
    return !name->isEmpty();
}

KvoCore::DTO ModuleSystemHandler::moduleAnswer(const Request& request, qint64 deviceId, const QString& name) {
    KvoCore::DTO reply = answer(request, true);
    reply.params.insert(QStringLiteral("rstIDDevice"), deviceId);
    reply.params.insert(QStringLiteral("plugin_name"), name);
    return reply;
}

Outcome ModuleSystemHandler::moduleList(const Request& request) {
    Outcome outcome;
    const bool forDevice = request.dto.params.contains(QStringLiteral("rstIDDevice"));
    const qint64 deviceId = forDevice ? deviceOf(request, &outcome) : 0;
    if (forDevice && deviceId == 0) {
        return outcome;
    }
    QJsonArray entries;
    for (const QJsonValue& value : _catalogue.modules()) {
        QJsonObject module = value.toObject();
        const QString name = module.value(QStringLiteral("plugin_name")).toString();
        const State state = forDevice ? loadState(deviceId, name) : State();
        module.insert(QStringLiteral("enabled"), state.enabled);
        module.insert(QStringLiteral("params"), _catalogue.paramsWithValues(name, state.values));
        entries.append(module);
    }
    KvoCore::DTO reply = answer(request, true);
    reply.params.insert(QStringLiteral("entries"), entries);
    outcome.replies.append(reply);
    return outcome;
}

Outcome ModuleSystemHandler::activeModuleList(const Request& request) {
    Outcome outcome;
    const qint64 deviceId = deviceOf(request, &outcome);
    if (deviceId == 0) {
        return outcome;
    }
    QJsonArray active;
    for (const QString& name : _catalogue.moduleNames()) {
        if (loadState(deviceId, name).enabled) {
            active.append(name);
        }
    }
    KvoCore::DTO reply = answer(request, true);
    reply.params.insert(QStringLiteral("rstIDDevice"), deviceId);
    reply.params.insert(QStringLiteral("active_module_list"), active);
    outcome.replies.append(reply);
    return outcome;
}

Outcome ModuleSystemHandler::switchModule(const Request& request, bool on) {
    Outcome outcome;
    qint64 deviceId = 0;
    QString name;
    if (!deviceModuleOf(request, &outcome, &deviceId, &name)) {
        return outcome;
    }
    State state = loadState(deviceId, name);
    state.enabled = on;
    saveState(deviceId, name, state);
    if (name == QLatin1String(motionModule)) {
        // The device watcher starts or stops the detector when it sees the changed record.
        if (const auto device =
                _store.update(QStringLiteral("device"), deviceId, {{QStringLiteral("isDetectMotion"), on}})) {
            outcome.broadcasts.append(notice(QStringLiteral("device"), QStringLiteral("srUpdated"), *device));
        }
    }
    KvoCore::DTO reply = moduleAnswer(request, deviceId, name);
    reply.params.insert(QStringLiteral("new_state"), on);
    outcome.replies.append(reply);
    if (_changed) {
        _changed(deviceId, name);
    }
    return outcome;
}

Outcome ModuleSystemHandler::getParams(const Request& request) {
    Outcome outcome;
    qint64 deviceId = 0;
    QString name;
    if (!deviceModuleOf(request, &outcome, &deviceId, &name)) {
        return outcome;
    }
    const State state = loadState(deviceId, name);
    KvoCore::DTO reply = moduleAnswer(request, deviceId, name);
    reply.params.insert(QStringLiteral("enabled"), state.enabled);
    reply.params.insert(QStringLiteral("params"), _catalogue.paramsWithValues(name, state.values));
    outcome.replies.append(reply);
    return outcome;
}

Outcome ModuleSystemHandler::setParams(const Request& request) {
    Outcome outcome;
    qint64 deviceId = 0;
    QString name;
    if (!deviceModuleOf(request, &outcome, &deviceId, &name)) {
        return outcome;
    }
    const QJsonObject given =
        _catalogue.validateParams(name, request.dto.params.value(QStringLiteral("params")));
    State state = loadState(deviceId, name);
    for (auto it = given.constBegin(); it != given.constEnd(); ++it) {
        state.values.insert(it.key(), it.value());
    }
    saveState(deviceId, name, state);
    KvoCore::DTO reply = moduleAnswer(request, deviceId, name);
    reply.params.insert(QStringLiteral("params"), _catalogue.paramsWithValues(name, state.values));
    outcome.replies.append(reply);
    if (_changed) {
        _changed(deviceId, name);
    }
    return outcome;
}

} // namespace DevServer
