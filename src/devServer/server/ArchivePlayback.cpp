#include "ArchivePlayback.h"

#include "ArchiveRetiming.h"
#include "LiveStreams.h"
#include "RecordStore.h"
#include "RecordedClips.h"
#include "RequestHandler.h"
#include "ServerLog.h"
#include "VlcStream.h"
#include "kvoCore/clientNetwork/RtpPortPicker.h"

#include <cmath>

namespace DevServer {

namespace {
qint64 number(const QJsonValue& value, qint64 fallback = -1) {
    return RecordedClips::number(value, fallback);
}
} // namespace

ArchivePlayback::ArchivePlayback(RecordStore& store, const VlcEngine& engine, SendLater send, QObject* parent)
    : QObject(parent), _store(store), _engine(engine), _send(std::move(send)), _export(store, _send) {
    // Twice a second: a viewer hears of every stream at least once a second even when the loop is busy.
    _positionTimer.setInterval(500);
    connect(&_positionTimer, &QTimer::timeout, this, &ArchivePlayback::reportPositions);
    _clock.start();
    _sampleTimer.setInterval(40);
    connect(&_sampleTimer, &QTimer::timeout, this, &ArchivePlayback::sampleTimes);
    _sampleTimer.start();
    _positionTimer.start();
}

ArchivePlayback::~ArchivePlayback() = default;

int ArchivePlayback::clipAt(const QJsonArray& clips, qint64 at) {
    for (int i = 0; i < clips.size(); ++i) {
        const QJsonObject clip = clips.at(i).toObject();
        if (number(clip.value("dtEnd")) > at) {
            return i;
        }
    }
    return -1;
}

Outcome ArchivePlayback::handle(const Request& request) {
    if (request.action == QLatin1String("trCreateVideo")) {
        return create(request);
    }
    if (ArchiveExport::handles(request.action)) {
        return _export.handle(request);
    }
    return control(request);
}

Outcome ArchivePlayback::create(const Request& request) {
    Outcome outcome;
    const QJsonObject& params = request.dto.params;
    const QString key = params.value("streamKey").toString();
    const qint64 deviceId = number(params.value("rstIDDevice"));
    if (key.trimmed().isEmpty() || deviceId <= 1) {
        KvoCore::DTO reply =
            RequestHandler::failure(request, QStringLiteral("\"streamKey\" and \"rstIDDevice\" are needed"));
        reply.params.insert("status", "ERROR");
        outcome.replies.append(reply);
        return outcome;
    }
    const QJsonArray clips = RecordedClips::ofDevice(_store, deviceId);
    const qint64 at = number(params.value("dtStart"),
                             clips.isEmpty() ? 0 : number(clips.first().toObject().value("dtStart")));
    const int index = clipAt(clips, at);
    const QString host = LiveStreams::normalisedHost(request.peerHost);
    qint64 port = number(params.value("rtpVideoPort"));
    if (port < 0) {
        port = host.isEmpty() ? 0
                              : KvoCore::RtpPortPicker::pick(200, QHostAddress(host))
                                    .value_or(KvoCore::RtpPortPicker::Pair{})
                                    .rtp;
    }
    QString error;
    if (index < 0) {
        error = QStringLiteral("Device %1 has no recording at or after %2").arg(deviceId).arg(at);
    } else if (host.isEmpty()) {
        error = QStringLiteral("'%1' is not an IP address").arg(request.peerHost);
    } else if (port < 1024 || port % 2 != 0 || port > 65534) {
        error = QStringLiteral("RTP port %1 is not an even port from 1024 to 65534").arg(port);
    }
    if (!error.isEmpty()) {
        KvoCore::DTO reply = RequestHandler::failure(request, error);
        reply.params.insert("status", "ERROR");
        reply.params.insert("streamKey", key);
        outcome.replies.append(reply);
        return outcome;
    }
    Stream fresh;
    if (!readSpeed(params, fresh, error)) {
        KvoCore::DTO reply = RequestHandler::failure(request, error);
        reply.params.insert("status", "ERROR");
        reply.params.insert("streamKey", key);
        outcome.replies.append(reply);
        return outcome;
    }
    _streams.erase(key);
    Stream& stream = _streams[key];
    stream.speed = fresh.speed;
    stream.session = request.sessionNumber;
    stream.host = host;
    stream.port = quint16(port);
    stream.clips = clips;
    const qint64 clipStart = number(clips.at(index).toObject().value("dtStart"));
    if (!playClip(key, stream, index, qMax<qint64>(0, at - clipStart))) {
        _streams.erase(key);
        KvoCore::DTO reply =
            RequestHandler::failure(request, QStringLiteral("The recording cannot be opened"));
        reply.params.insert("status", "ERROR");
        reply.params.insert("streamKey", key);
        outcome.replies.append(reply);
        return outcome;
    }
    KvoCore::DTO reply = RequestHandler::answer(request, true);
    reply.params.insert("status", "OK");
    reply.params.insert("streamKey", key);
    reply.params.insert("rstIDDevice", deviceId);
    outcome.replies.append(reply);
    outcome.replies.append(RequestHandler::notice(
        QStringLiteral("archivePlayer"), QStringLiteral("srNewSDP"),
        {{"streamKey", key}, {"sdp", LiveStreams::sdpFor(host, stream.port, QStringLiteral("Archive"))}}));
    serverLog()->info("Archive stream '{}' of device {} to '{}:{}' from {}", key.toStdString(), deviceId,
                      host.toStdString(), port, at);
    return outcome;
}

Outcome ArchivePlayback::control(const Request& request) {
    Outcome outcome;
    const QString key = request.dto.params.value("streamKey").toString();
    const auto it = _streams.find(key);
    if (it == _streams.end() || it->second.session != request.sessionNumber) {
        KvoCore::DTO reply = RequestHandler::failure(request, QStringLiteral("No stream '%1'").arg(key));
        reply.params.insert("streamKey", key);
        outcome.replies.append(reply);
        return outcome;
    }
    Stream& stream = it->second;
    KvoCore::DTO reply = RequestHandler::answer(request, true);
    reply.params.insert("streamKey", key);
    const double speedBefore = stream.speed;
    QString error;
    if (!readSpeed(request.dto.params, stream, error)) {
        reply = RequestHandler::failure(request, error);
        reply.params.insert("streamKey", key);
        outcome.replies.append(reply);
        return outcome;
    }
    if (request.action == QLatin1String("trPlayVideo") || request.action == QLatin1String("trPauseVideo")) {
        const bool pause = request.action == QLatin1String("trPauseVideo");
        if (pause != stream.paused) {
            stream.clock.reset();
        }
        stream.paused = pause;
        if (stream.sender) {
            stream.sender->setPaused(stream.paused);
        }
        // A new speed goes on from where the stream is.
        const qint64 at = position(stream);
        if (stream.speed != speedBefore && at >= 0) {
            const qint64 clipStart = number(stream.clips.at(stream.index).toObject().value("dtStart"));
            playClip(key, stream, stream.index, qMax<qint64>(0, at - clipStart));
        }
        reply.params.insert("speed", stream.speed);
    } else if (request.action == QLatin1String("trJumpVideo")) {
        const qint64 at = number(request.dto.params.value("position"));
        const int index = clipAt(stream.clips, at);
        if (at < 0 || index < 0) {
            reply =
                RequestHandler::failure(request, QStringLiteral("Nothing recorded at or after %1").arg(at));
            reply.params.insert("streamKey", key);
            outcome.replies.append(reply);
            return outcome;
        }
        const qint64 clipStart = number(stream.clips.at(index).toObject().value("dtStart"));
        playClip(key, stream, index, qMax<qint64>(0, at - clipStart));
        reply.params.insert("position", qMax(at, clipStart));
    } else if (request.action == QLatin1String("trRemoveVideo")) {
        _streams.erase(it);
    } else {
        reply = RequestHandler::failure(request, QStringLiteral("Unknown request '%1'").arg(request.action));
    }
    outcome.replies.append(reply);
    return outcome;
}

bool ArchivePlayback::readSpeed(const QJsonObject& params, Stream& stream, QString& error) {
    const QJsonValue value = params.value("speed");
    if (value.isUndefined() || value.isNull()) {
        return true;
    }
    const double speed = value.toDouble(-1);
    if (!value.isDouble() || !std::isfinite(speed) || speed < minSpeed || speed > maxSpeed) {
        error = QStringLiteral("\"speed\" must be a number from %1 to %2").arg(minSpeed).arg(maxSpeed);
        return false;
    }
    stream.speed = speed;
    return true;
}

bool ArchivePlayback::playClip(const QString& key, Stream& stream, int index, qint64 offsetMs) {
    // Whatever was to follow the clip that ended, this is what plays now.
    stream.switchAt = -1;
    const QString file = stream.clips.at(index).toObject().value("filePath").toString();
    if (stream.speed == 1.0) {
        if (!send(key, stream, file, offsetMs, 1.0)) {
            return false;
        }
        stream.index = index;
        stream.copy.reset();
        return true;
    }
    stream.copyIndex = index;
    stream.copyOffsetMs = offsetMs;
    if (stream.copy && stream.copy->clipFile() == file && stream.copy->speed() == stream.speed) {
        if (!stream.copy->isReady()) {
            return true; // sent from the moment asked for when it is made
        }
        const bool sent =
            send(key, stream, stream.copy->outputPath(), qint64(offsetMs / stream.speed), stream.speed);
        if (sent) {
            stream.index = index;
        }
        return sent;
    }
    // Meanwhile the stream goes on as it was.
    auto copy = std::make_unique<ArchiveRetiming>(file, stream.speed);
    const ArchiveRetiming* made = copy.get();
    connect(
        copy.get(), &ArchiveRetiming::finished, this,
        [this, key, made](bool ok) { onCopyMade(key, made, ok); }, Qt::QueuedConnection);
    if (!copy->start()) {
        serverLog()->warn("Archive stream '{}' at speed {}: {}", key.toStdString(), stream.speed,
                          copy->error().toStdString());
        return false;
    }
    stream.copy = std::move(copy);
    return true;
}

void ArchivePlayback::onCopyMade(const QString& key, const ArchiveRetiming* copy, bool ok) {
    const auto it = _streams.find(key);
    // A copy that was replaced (another clip or speed) is no longer there to compare with.
    if (it == _streams.end() || it->second.copy.get() != copy) {
        return;
    }
    Stream& stream = it->second;
    if (!ok) {
        serverLog()->warn("Archive stream '{}': {}", key.toStdString(), stream.copy->error().toStdString());
        stream.copy.reset();
        return;
    }
    // While the copy was made the stream went on: it goes on from there when that is the same clip.
    qint64 offset = stream.copyOffsetMs;
    if (stream.index == stream.copyIndex && !stream.paused) {
        const qint64 at = position(stream);
        const qint64 clipStart = number(stream.clips.at(stream.index).toObject().value("dtStart"));
        offset = at >= 0 ? qMax<qint64>(0, at - clipStart) : offset;
    }
    playClip(key, stream, stream.copyIndex, offset);
}

bool ArchivePlayback::send(const QString& key, Stream& stream, const QString& file, qint64 fileOffsetMs,
                           double speed) {
    VlcEngine::Source source = VlcEngine::source(VlcEngine::File, file, false);
    if (!source.error.isEmpty()) {
        return false;
    }
    QStringList extra;
    if (fileOffsetMs > 0) {
        extra << QStringLiteral(":start-time=%1").arg(fileOffsetMs / 1000.0, 0, 'f', 3);
    }
    stream.sentSpeed = speed;
    stream.startOffsetMs = fileOffsetMs > 0 ? fileOffsetMs : -1;
    stream.clock.reset();
    stream.lengthMs = -1;
    if (stream.sender && stream.sender->switchTo(source, extra)) {
        if (stream.paused) {
            stream.sender->setPaused(true);
        }
        return true;
    }
    const QString dst = stream.host.contains(QLatin1Char(':'))
                            ? QLatin1Char('[') + stream.host + QLatin1Char(']')
                            : stream.host;
    stream.sender = std::make_unique<VlcStream>(
        _engine, source, QStringLiteral("rtp{dst=%1,port=%2,mux=%3}").arg(dst).arg(stream.port).arg(tsMuxer),
        extra);
    // Queued: the finished clip's player is released outside its own signal.
    connect(
        stream.sender.get(), &VlcStream::ended, this, [this, key] { onClipEnded(key); },
        Qt::QueuedConnection);
    if (!stream.sender->start()) {
        stream.sender.reset();
        return false;
    }
    if (stream.paused) {
        stream.sender->setPaused(true);
    }
    return true;
}

void ArchivePlayback::onClipEnded(const QString& key) {
    const auto it = _streams.find(key);
    if (it == _streams.end()) {
        return;
    }
    Stream& stream = it->second;
    // The next clip follows through the same output; after the last one the stream stays idle.
    if (stream.index + 1 >= stream.clips.size()) {
        return;
    }
    const qint64 now = _clock.elapsed();
    stream.endedAt = now;
    stream.endedTime = qMax<qint64>(0, stream.clock.estimate(now));
    if (stream.lengthMs > 0) {
        stream.endedTime = qMin(stream.endedTime, stream.lengthMs);
    }
    const qint64 unsent =
        stream.lengthMs > 0 && stream.clock.lastTime() >= 0 ? stream.lengthMs - stream.endedTime : 0;
    stream.switchAt = now + qBound<qint64>(0, unsent - switchLeadMs, 3000);
    switchWhenDue(key, stream);
}

void ArchivePlayback::switchWhenDue(const QString& key, Stream& stream) {
    if (stream.switchAt >= 0 && _clock.elapsed() >= stream.switchAt) {
        playClip(key, stream, stream.index + 1, 0);
    }
}

void ArchivePlayback::sampleTimes() {
    for (auto& [key, stream] : _streams) {
        if (stream.switchAt >= 0) {
            switchWhenDue(key, stream);
            continue;
        }
        const qint64 time = stream.sender ? stream.sender->timeMs() : -1;
        if (time >= 0) {
            stream.clock.sample(time, _clock.elapsed());
        }
        if (stream.lengthMs < 0 && stream.sender) {
            stream.lengthMs = stream.sender->lengthMs();
        }
    }
}

qint64 ArchivePlayback::position(Stream& stream) {
    if (stream.index < 0 || !stream.sender) {
        return -1;
    }
    qint64 time = qMax<qint64>(0, stream.sender->timeMs());
    if (stream.switchAt >= 0) {
        // The file has been read; its last pictures are still going out.
        time = stream.endedTime + (stream.paused ? 0 : _clock.elapsed() - stream.endedAt);
        if (stream.lengthMs > 0) {
            time = qMin(time, stream.lengthMs);
        }
    } else if (!stream.paused) {
        time = qMax(time, stream.clock.estimate(_clock.elapsed()));
    }
    if (stream.startOffsetMs >= 0) {
        // Until the start-time seek shows, the time is from the clip's beginning: report the target.
        if (time + 250 < stream.startOffsetMs) {
            time = stream.startOffsetMs;
        } else {
            stream.startOffsetMs = -1;
        }
    }
    return number(stream.clips.at(stream.index).toObject().value("dtStart")) +
           qint64(double(time) * stream.sentSpeed);
}

void ArchivePlayback::reportPositions() {
    for (auto& [key, stream] : _streams) {
        const qint64 at = position(stream);
        if (at < 0) {
            continue;
        }
        _send(stream.session,
              RequestHandler::notice(QStringLiteral("archivePlayer"), QStringLiteral("srPosition"),
                                     {{"streamKey", key}, {"position", at}, {"paused", stream.paused}}));
    }
}

void ArchivePlayback::stopSession(quint64 session) {
    _export.stopSession(session);
    for (auto it = _streams.begin(); it != _streams.end();) {
        it = it->second.session == session ? _streams.erase(it) : std::next(it);
    }
}

} // namespace DevServer
