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
    qint64 number = 0;
    if (id.isDouble()) {
        // Whole numbers a record id can be (0: the camera editor's preview); 1e308 or 2.5 are not
        // turned into a file name.
        const double value = id.toDouble();
        isNumber = value >= 0 && value <= 9007199254740992.0 && double(qint64(value)) == value;
        number = isNumber ? qint64(value) : 0;
    } else if (id.isString()) {
        number = id.toString().toLongLong(&isNumber);
        isNumber = isNumber && number >= 0;
    }
    if (!isNumber) {
        logger()->warn("createSDPFile: the record has no usable numeric \"id\", no SDP file written");
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

bool DeviceController::sendWithRtpPorts(const QString& action, const QJsonObject& mapParams) {
    const std::optional<KvoCore::RtpPortPicker::Pair> ports = KvoCore::RtpPortPicker::pick();
    if (!ports) {
        return false;
    }
    QJsonObject params = mapParams;
    params.insert(QStringLiteral("rtpVideoPort"), ports->rtp);
    params.insert(QStringLiteral("rtcpVideoPort"), ports->rtcp);
    send(action, params);
    return true;
}

void DeviceController::trGetSDP(const QJsonObject& mapParams) {
    if (!sendWithRtpPorts(QStringLiteral("trGetSDP"), mapParams)) {
        logger()->error("trGetSDP: no free even UDP port pair for RTP/RTCP, request for device {} not sent",
                        idText(mapParams.value(QStringLiteral("id"))).toStdString());
    }
}

void DeviceController::trTest(const QJsonObject& mapParams) {
    if (!mapParams.value(QStringLiteral("preview")).toBool()) {
        send(QStringLiteral("trTest"), mapParams);
        return;
    }
    // A preview is streamed like a live tile: the server needs a local port pair to send to.
    if (!sendWithRtpPorts(QStringLiteral("trTest"), mapParams)) {
        logger()->error("trTest: no free even UDP port pair for the camera preview, request not sent");
    }
}

bool DeviceController::handleMessage(const QString& actionName, const SpDto& mapParams) {
    if (FeatureListController::handleMessage(actionName, mapParams)) {
        return true;
    }
    if (actionName == QLatin1String("srObjectsDetected")) {
        Q_EMIT srObjectsDetected(mapParams->params);
    } else if (actionName == QLatin1String("srStreamStats")) {
        Q_EMIT srStreamStats(mapParams->params);
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
