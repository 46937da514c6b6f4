#include "ArchivePlayerController.h"

#include "SdpFile.h"

#include <QDir>
#include <QUuid>
#include <spdlog/spdlog.h>

namespace ClientController {

namespace {

const QString kStreamKey = QStringLiteral("streamKey");
const QString kExportKey = QStringLiteral("exportKey");

} // namespace

ArchivePlayerController::ArchivePlayerController(QQuickItem* parent) : FeatureListController(parent) {
    initGroup(QStringLiteral("archivePlayer"), "archivePlayerMessage");
}

ArchivePlayerController::~ArchivePlayerController() = default;

QString ArchivePlayerController::archiveSdpDir() {
    return QDir::current().absoluteFilePath(QStringLiteral("sdp_archive"));
}

void ArchivePlayerController::trCreateVideo(const QJsonObject& mapParams) {
    const QString key = QUuid::createUuid().toString();
    QJsonObject params = mapParams;
    params.insert(kStreamKey, key);
    _lastCreated = key;
    send(QStringLiteral("trCreateVideo"), params);
    _streams.insert(
        key, QJsonObject{{QStringLiteral("rstIDDevice"), mapParams.value(QStringLiteral("rstIDDevice"))},
                         {QStringLiteral("status"), QStringLiteral("creating")}});
}

void ArchivePlayerController::trRemoveVideo(const QJsonObject& mapParams) {
    send(QStringLiteral("trRemoveVideo"), mapParams);
}

void ArchivePlayerController::trPlayVideo(const QJsonObject& mapParams) {
    if (isMyStream(mapParams)) {
        send(QStringLiteral("trPlayVideo"), mapParams);
    }
}

void ArchivePlayerController::trPauseVideo(const QJsonObject& mapParams) {
    if (isMyStream(mapParams)) {
        send(QStringLiteral("trPauseVideo"), mapParams);
    }
}

QJsonObject ArchivePlayerController::trJumpVideo(const QJsonObject& mapParams) {
    QJsonObject params = mapParams;
    params.insert(QStringLiteral("_requestId"), QUuid::createUuid().toString());
    if (isMyStream(params)) {
        send(QStringLiteral("trJumpVideo"), params);
    }
    return QJsonObject();
}

QString ArchivePlayerController::getStremKeyByIDDevice(int id) const {
    for (auto it = _streams.constBegin(); it != _streams.constEnd(); ++it) {
        if (it.value().value(QStringLiteral("rstIDDevice")).toVariant().toLongLong() == id) {
            return it.key();
        }
    }
    return QString();
}

void ArchivePlayerController::clearStreamMap() {
    _streams.clear();
}

QString ArchivePlayerController::createSDPFile(const QJsonObject& entry) {
    const QString content = entry.value(QStringLiteral("sdp")).toString();
    if (content.trimmed().isEmpty()) {
        return QString();
    }
    // The key comes from the server and becomes a file name: it must not lead out of the directory.
    const QString key = entry.value(kStreamKey).toString();
    if (!SdpFile::isPlainFileName(key)) {
        logger()->warn("createSDPFile: stream key '{}' is not a plain file name, no SDP file written",
                       key.toStdString());
        return QString();
    }
    return SdpFile::write(archiveSdpDir(), key, content);
}

QString ArchivePlayerController::trExportVideo(const QJsonObject& mapParams) {
    const QString key = QUuid::createUuid().toString();
    QJsonObject params = mapParams;
    params.insert(kExportKey, key);
    _exports.insert(key);
    send(QStringLiteral("trExportVideo"), params);
    return key;
}

void ArchivePlayerController::trCancelExport(const QJsonObject& mapParams) {
    if (isMyExport(mapParams)) {
        send(QStringLiteral("trCancelExport"), mapParams);
    }
}

bool ArchivePlayerController::handleMessage(const QString& actionName, const SpDto& mapParams) {
    if (FeatureListController::handleMessage(actionName, mapParams)) {
        return true;
    }
    const QJsonObject& params = mapParams->params;
    if (actionName == QLatin1String("saCreateVideo")) {
        // A failed creation or one asked for by another player emits nothing.
        if (isAddressedToMe(mapParams) &&
            params.value(QStringLiteral("status")).toString() == QLatin1String("OK") && isMyStream(params)) {
            Q_EMIT saCreateVideo(params);
        }
    } else if (actionName == QLatin1String("saPlayVideo")) {
        if (isMyStream(params)) {
            Q_EMIT saPlayVideo(params);
        }
    } else if (actionName == QLatin1String("saPauseVideo")) {
        if (isMyStream(params)) {
            Q_EMIT saPauseVideo(params);
        }
    } else if (actionName == QLatin1String("saSeekVideo")) {
        if (isMyStream(params)) {
            Q_EMIT saSeekVideo(params);
        }
    } else if (actionName == QLatin1String("saRemoveVideo")) {
        Q_EMIT saRemoveVideo(params);
        _streams.remove(params.value(kStreamKey).toString());
    } else if (actionName == QLatin1String("srPosition")) {
        processSrPosition(mapParams);
    } else if (actionName == QLatin1String("saJumpVideo")) {
        if (isMyStream(params)) {
            Q_EMIT saJumpVideo(params);
        }
    } else if (actionName == QLatin1String("srNewSDP")) {
        Q_EMIT srNewSDP(params);
    } else if (actionName == QLatin1String("saExportVideo") ||
               actionName == QLatin1String("srExportProgress") ||
               actionName == QLatin1String("saCancelExport")) {
        // Exports of other players are theirs; a finished, failed or refused export is forgotten.
        if (!isMyExport(params)) {
            return true;
        }
        const bool over = !params.value(QStringLiteral("RES")).toBool(true) ||
                          params.value(QStringLiteral("done")).toBool() ||
                          actionName == QLatin1String("saCancelExport");
        if (actionName == QLatin1String("saExportVideo")) {
            Q_EMIT saExportVideo(params);
        } else if (actionName == QLatin1String("srExportProgress")) {
            Q_EMIT srExportProgress(params);
        } else {
            Q_EMIT saCancelExport(params);
        }
        if (over) {
            _exports.remove(params.value(kExportKey).toString());
        }
    } else {
        return false;
    }
    return true;
}

void ArchivePlayerController::processSrPosition(const SpDto& mapParams) {
    Q_EMIT srPosition(mapParams->params);
}

bool ArchivePlayerController::isMyExport(const QJsonObject& params) const {
    const QJsonValue key = params.value(kExportKey);
    return key.isString() && _exports.contains(key.toString());
}

bool ArchivePlayerController::isMyStream(const QJsonObject& params) const {
    const QJsonValue key = params.value(kStreamKey);
    return key.isString() && _streams.contains(key.toString());
}

} // namespace ClientController
