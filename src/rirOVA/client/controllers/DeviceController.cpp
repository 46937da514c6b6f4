#include "DeviceController.h"

#include "SdpFile.h"
#include "kvoCore/AppFolders.h"
#include "kvoCore/clientNetwork/RtpPortPicker.h"
#include "rirOVA/model/DeviceModel.h"

#include <QDir>
#include <spdlog/spdlog.h>

namespace ClientController {

DeviceController::DeviceController(QQuickItem* parent) : FeatureListController(parent) {
    initList(
        QStringLiteral("device"),
        []() { return SharedPointerEx<KvoModel::ModelBase>(new KvoModelDesktopMedia::DeviceModel()); }, true,
        "deviceMessage");
}

DeviceController::~DeviceController() = default;

QString DeviceController::tileSdpDir() {
    return KvoCore::AppFolders::current().tileSdpDir;
}

QString DeviceController::createSDPFile(const QJsonObject& entry) {
    const QString content = entry.value(QStringLiteral("sdpContent")).toString();
    if (content.trimmed().isEmpty()) {
        return QString();
    }
    const QJsonValue id = entry.value(QStringLiteral("id"));
    bool isNumber = false;
    const qint64 number = id.toVariant().toLongLong(&isNumber);
    if (!isNumber) {
        logger()->warn("createSDPFile: the record has no numeric \"id\", no SDP file written");
        return QString();
    }
    return SdpFile::write(tileSdpDir(), QString::number(number), content);
}

void DeviceController::trInitP2PChannel(const QJsonObject& mapParams) {
    send(QStringLiteral("trInitP2PChannel"), mapParams);
}

void DeviceController::trRestartCamera(const QJsonObject& mapParams) {
    send(QStringLiteral("trRestartCamera"), mapParams);
}

void DeviceController::trGetSDP(const QJsonObject& mapParams) {
    const std::optional<KvoCore::RtpPortPicker::Pair> ports = KvoCore::RtpPortPicker::pick();
    if (!ports) {
        logger()->error("trGetSDP: no free even UDP port pair for RTP/RTCP, request for device {} not sent",
                        idText(mapParams.value(QStringLiteral("id"))).toStdString());
        return;
    }
    QJsonObject params = mapParams;
    params.insert(QStringLiteral("rtpVideoPort"), ports->rtp);
    params.insert(QStringLiteral("rtcpVideoPort"), ports->rtcp);
    send(QStringLiteral("trGetSDP"), params);
}

void DeviceController::trTest(const QJsonObject& mapParams) {
    send(QStringLiteral("trTest"), mapParams);
}

bool DeviceController::handleMessage(const QString& actionName, const SpDto& mapParams) {
    if (FeatureListController::handleMessage(actionName, mapParams)) {
        return true;
    }
    if (actionName == QLatin1String("srObjectsDetected")) {
        Q_EMIT srObjectsDetected(mapParams->params);
    } else if (actionName == QLatin1String("saGetSDP")) {
        Q_EMIT saGetSDP(mapParams->params);
    } else if (actionName == QLatin1String("saTest")) {
        Q_EMIT saTest(mapParams->params);
    } else {
        return false;
    }
    return true;
}

} // namespace ClientController
