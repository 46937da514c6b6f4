#include "ModuleSystemController.h"

namespace ClientController {

ModuleSystemController::ModuleSystemController(QQuickItem* parent) : FeatureListController(parent) {
    initGroup(QStringLiteral("moduleSystem"), "moduleSystemMessage");
}

ModuleSystemController::~ModuleSystemController() = default;

void ModuleSystemController::trModuleList(const QJsonObject& mapParams) {
    send(QStringLiteral("trModuleList"), mapParams);
}

void ModuleSystemController::trActiveModuleList(const QJsonObject& mapParams) {
    send(QStringLiteral("trActiveModuleList"), mapParams);
}

void ModuleSystemController::trModuleOn(const QJsonObject& mapParams) {
    send(QStringLiteral("trModuleOn"), mapParams);
}

void ModuleSystemController::trModuleOff(const QJsonObject& mapParams) {
    send(QStringLiteral("trModuleOff"), mapParams);
}

void ModuleSystemController::trGetParams(const QJsonObject& mapParams) {
    send(QStringLiteral("trGetParams"), mapParams);
}

void ModuleSystemController::trSetParams(const QJsonObject& mapParams) {
    send(QStringLiteral("trSetParams"), mapParams);
}

bool ModuleSystemController::handleMessage(const QString& actionName, const SpDto& mapParams) {
    if (FeatureListController::handleMessage(actionName, mapParams)) {
        return true;
    }
    using Signal = void (ModuleSystemController::*)(QJsonObject);
    static const std::pair<QLatin1String, Signal> answers[] = {
        {QLatin1String("saModuleList"), &ModuleSystemController::saModuleList},
        {QLatin1String("saActiveModuleList"), &ModuleSystemController::saActiveModuleList},
        {QLatin1String("saModuleOn"), &ModuleSystemController::saModuleOn},
        {QLatin1String("saModuleOff"), &ModuleSystemController::saModuleOff},
        {QLatin1String("saGetParams"), &ModuleSystemController::saGetParams},
        {QLatin1String("saSetParams"), &ModuleSystemController::saSetParams},
    };
    for (const auto& [name, signal] : answers) {
        if (actionName == name) {
            // Several module editors may be open; each reacts to its own answers only.
            if (isAddressedToMe(mapParams)) {
                Q_EMIT(this->*signal)(mapParams->params);
            }
            return true;
        }
    }
    return false;
}

} // namespace ClientController
