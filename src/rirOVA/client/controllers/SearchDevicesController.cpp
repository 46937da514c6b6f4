#include "SearchDevicesController.h"

#include "kvoCore/Utils.h"
#include "rirOVA/model/SearchDevicesModel.h"

#include <QJsonArray>

namespace ClientController {

namespace {

// "typeCode" of the USB camera type: its source is a device name, not a URL.
constexpr int kUsbCameraTypeCode = 3;

} // namespace

SearchDevicesController::SearchDevicesController(QQuickItem* parent) : FeatureListController(parent) {
    initList(
        QStringLiteral("searchDevices"),
        []() { return SharedPointerEx<KvoModel::ModelBase>(new KvoModelDesktopMedia::SearchDevicesModel()); },
        false, "searchDevicesMessage");
}

SearchDevicesController::~SearchDevicesController() = default;

void SearchDevicesController::trSearch(const QJsonObject& mapParams) {
    send(QStringLiteral("trSearch"), mapParams);
}

QJsonObject SearchDevicesController::prepareResult(QJsonObject entry) {
    if (entry.contains(QStringLiteral("source")) && entry.contains(QStringLiteral("rstIdDeviceType"))) {
        if (entry.value(QStringLiteral("typeCode")).toVariant().toInt() != kUsbCameraTypeCode) {
            const QJsonObject parts =
                KvoCore::Utils::parseUrl(entry.value(QStringLiteral("source")).toString());
            entry.insert(QStringLiteral("login"), parts.value(QStringLiteral("LOGIN")));
            entry.insert(QStringLiteral("password"), parts.value(QStringLiteral("PASSWORD")));
            entry.insert(QStringLiteral("ip"), parts.value(QStringLiteral("IP")));
        } else {
            const QString none = QStringLiteral("n/a");
            entry.insert(QStringLiteral("login"), none);
            entry.insert(QStringLiteral("password"), none);
            entry.insert(QStringLiteral("ip"), none);
        }
    }
    entry.insert(QStringLiteral("isAdd"), entry.value(QStringLiteral("isNew")).toVariant().toBool());
    return entry;
}

void SearchDevicesController::preprocessMessage(const SpDto& mapParams) {
    QJsonObject& params = mapParams->params;
    if (params.value(QStringLiteral("FN")).toString() != QLatin1String("searchDevices_saGetList")) {
        return;
    }
    const QJsonValue entries = params.value(QStringLiteral("entries"));
    if (!entries.isArray()) {
        return;
    }
    QJsonArray prepared;
    for (const QJsonValue& entry : entries.toArray()) {
        prepared.append(prepareResult(entry.toObject()));
    }
    params.insert(QStringLiteral("entries"), prepared);
}

bool SearchDevicesController::handleMessage(const QString& actionName, const SpDto& mapParams) {
    if (FeatureListController::handleMessage(actionName, mapParams)) {
        return true;
    }
    if (actionName == QLatin1String("saSearch")) {
        Q_EMIT saSearch(mapParams->params);
    } else if (actionName == QLatin1String("srSearch")) {
        Q_EMIT srSearch(mapParams->params);
    } else {
        return false;
    }
    return true;
}

} // namespace ClientController
