#include "VideoActionsHandler.h"

#include "LiveStreams.h"
#include "RecordStore.h"
#include "SourceProbe.h"
#include "kvoCore/Location.h"

#include <stdexcept>

namespace DevServer {

namespace {
[[noreturn]] void fail(const char* where, const QString& text) {
    throw std::runtime_error(QStringLiteral("%1. %2").arg(KVO_LOCATION(where), text).toStdString());
}

qint64 idOf(const QJsonValue& value) {
    return value.isString() ? value.toString().toLongLong() : value.toVariant().toLongLong();
}
} // namespace

VideoActionsHandler::VideoActionsHandler(RecordStore& store, const VlcEngine& engine, LiveStreams& live,
                                         GroupHandler archive, SendLater sendLater,
                                         RestartDevice restartDevice)
    : _store(store), _engine(engine), _live(live), _archive(std::move(archive)),
      _sendLater(std::move(sendLater)), _restartDevice(std::move(restartDevice)) {}

bool VideoActionsHandler::accepts(const Request& request) const {
    if (request.group == QLatin1String("archivePlayer")) {
        return true;
    }
    return request.group == QLatin1String("device") &&
           (request.action == QLatin1String("trGetSDP") || request.action == QLatin1String("trTest") ||
            request.action == QLatin1String("trRestartCamera"));
}

Outcome VideoActionsHandler::handle(const Request& request) {
    if (request.group == QLatin1String("archivePlayer")) {
        if (!_archive) {
            Outcome outcome;
            outcome.replies.append(failure(request, QStringLiteral("Archive playback is not available")));
            return outcome;
        }
        return _archive(request);
    }
    if (request.action == QLatin1String("trGetSDP")) {
        return getSdp(request);
    }
    if (request.action == QLatin1String("trTest")) {
        return test(request);
    }
    return restart(request);
}

QJsonObject VideoActionsHandler::device(const Request& request, const QString& idKey) {
    const qint64 id = idOf(request.dto.params.value(idKey));
    if (id <= 1) {
        fail("DevServer::VideoActionsHandler::device",
             QStringLiteral("\"%1\" must name a device").arg(idKey));
    }
    const auto record = _store.info(QStringLiteral("device"), id);
    if (!record) {
        fail("DevServer::VideoActionsHandler::device", QStringLiteral("Device %1 does not exist").arg(id));
    }
    if (!record->value("enabled").toBool()) {
        fail("DevServer::VideoActionsHandler::device", QStringLiteral("Device %1 is disabled").arg(id));
    }
    return *record;
}

Outcome VideoActionsHandler::getSdp(const Request& request) {
    Outcome outcome;
    const QJsonObject record = device(request, QStringLiteral("id"));
    const QJsonValue port = request.dto.params.value(QStringLiteral("rtpVideoPort"));
    const int rtpPort = port.isString() ? port.toString().toInt() : port.toInt(-1);
    const QJsonValue rtcp = request.dto.params.value(QStringLiteral("rtcpVideoPort"));
    if (!rtcp.isUndefined() && (rtcp.isString() ? rtcp.toString().toInt() : rtcp.toInt(-1)) != rtpPort + 1) {
        outcome.replies.append(
            failure(request, QStringLiteral("\"rtcpVideoPort\" must be \"rtpVideoPort\" + 1")));
        return outcome;
    }
    if (rtpPort < 0 || rtpPort > 65535) {
        outcome.replies.append(failure(request, QStringLiteral("\"rtpVideoPort\" must be a UDP port")));
        return outcome;
    }
    const QString sdp = _live.start(request.sessionNumber, record, request.peerHost, quint16(rtpPort));
    KvoCore::DTO reply = answer(request, true);
    reply.params.insert(QStringLiteral("id"), record.value("id"));
    reply.params.insert(QStringLiteral("sdpContent"), sdp);
    outcome.replies.append(reply);
    return outcome;
}

Outcome VideoActionsHandler::test(const Request& request) {
    const QJsonObject& params = request.dto.params;
    // A preview plays the source being tested to the asking client, like a device's live stream;
    // it ends with the next test of that client, with "stopPreview", or when the client leaves.
    _live.stop(request.sessionNumber, LiveStreams::previewId);
    if (params.value(QStringLiteral("stopPreview")).toBool()) {
        Outcome stopped;
        KvoCore::DTO reply = answer(request, true);
        reply.params.insert(QStringLiteral("stopPreview"), true);
        stopped.replies.append(reply);
        return stopped;
    }
    QString source = params.value(QStringLiteral("source")).toString();
    int typeCode = params.value(QStringLiteral("typeCode")).toVariant().toInt();
    const qint64 id = idOf(params.value(QStringLiteral("id")));
    if (id > 1 && (source.isEmpty() || typeCode == 0)) {
        if (const auto record = _store.info(QStringLiteral("device"), id)) {
            source = source.isEmpty() ? record->value("source").toString() : source;
            typeCode = typeCode == 0 ? record->value("typeCode").toVariant().toInt() : typeCode;
        }
    }
    if (typeCode == 0) {
        // The catalogue's type ids are their codes' records; read the code to be sure.
        const qint64 typeId = idOf(params.value(QStringLiteral("rstIdDeviceType")));
        if (typeId > 0) {
            if (const auto type = _store.info(QStringLiteral("deviceType"), typeId)) {
                typeCode = type->value("code").toVariant().toInt();
            }
        }
    }
    Outcome outcome;
    if (typeCode == 0) {
        outcome.replies.append(failure(request, QStringLiteral("The device type is unknown")));
        return outcome;
    }
    const quint64 session = request.sessionNumber;
    QString sdp;
    if (params.value(QStringLiteral("preview")).toBool()) {
        const QJsonValue port = params.value(QStringLiteral("rtpVideoPort"));
        const int rtpPort = port.isString() ? port.toString().toInt() : port.toInt(-1);
        if (rtpPort < 0 || rtpPort > 65535) {
            outcome.replies.append(
                failure(request, QStringLiteral("A preview needs \"rtpVideoPort\", an even UDP port")));
            return outcome;
        }
        const QJsonObject previewDevice{{"id", LiveStreams::previewId},
                                        {"typeCode", typeCode},
                                        {"source", source},
                                        {"deviceName", QStringLiteral("Camera preview")}};
        sdp = _live.start(session, previewDevice, request.peerHost, quint16(rtpPort));
    }
    const KvoCore::DTO ok = answer(request, true);
    const SendLater send = _sendLater;
    LiveStreams* live = &_live;
    SourceProbe::run(_engine, typeCode, source, testTimeoutMs,
                     [ok, session, send, source, sdp, live](bool passed, const QString& error) {
                         KvoCore::DTO reply = ok;
                         reply.params.insert(QStringLiteral("RES"), passed);
                         reply.params.insert(QStringLiteral("source"), source);
                         if (!passed) {
                             reply.params.insert(QStringLiteral("error"), error);
                             if (!sdp.isEmpty()) {
                                 live->stop(session, LiveStreams::previewId);
                             }
                         } else if (!sdp.isEmpty()) {
                             reply.params.insert(QStringLiteral("id"), LiveStreams::previewId);
                             reply.params.insert(QStringLiteral("sdpContent"), sdp);
                         }
                         send(session, reply);
                     });
    return outcome;
}

Outcome VideoActionsHandler::restart(const Request& request) {
    Outcome outcome;
    const QJsonObject record = device(request, QStringLiteral("id"));
    const int restarted = _live.restartDevice(record.value("id").toVariant().toLongLong(), record);
    if (_restartDevice) {
        _restartDevice(record);
    }
    KvoCore::DTO reply = answer(request, true);
    reply.params.insert(QStringLiteral("id"), record.value("id"));
    reply.params.insert(QStringLiteral("streams"), restarted);
    outcome.replies.append(reply);
    return outcome;
}

} // namespace DevServer
