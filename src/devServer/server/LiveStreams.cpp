#include "LiveStreams.h"

#include "ServerLog.h"
#include "kvoCore/Location.h"

#include <QDateTime>
#include <QHostAddress>
#include <stdexcept>

namespace DevServer {

namespace {
[[noreturn]] void fail(const char* where, const QString& text) {
    throw std::runtime_error(QStringLiteral("%1. %2").arg(KVO_LOCATION(where), text).toStdString());
}
} // namespace

LiveStreams::LiveStreams(const VlcEngine& engine, QObject* parent) : QObject(parent), _engine(engine) {
    _rateTimer.setInterval(rateIntervalMs);
    _clock.start();
    connect(&_rateTimer, &QTimer::timeout, this, &LiveStreams::sampleRates);
}

LiveStreams::~LiveStreams() = default;

QString LiveStreams::normalisedHost(const QString& host) {
    QHostAddress address;
    if (!address.setAddress(host)) {
        return QString();
    }
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    if (isV4) {
        return QHostAddress(v4).toString();
    }
    address.setScopeId(QString());
    return address.toString();
}

QString LiveStreams::sdpFor(const QString& host, quint16 rtpPort, const QString& name) {
    const QString family = host.contains(QLatin1Char(':')) ? QStringLiteral("IP6") : QStringLiteral("IP4");
    const qint64 id = QDateTime::currentMSecsSinceEpoch();
    QString session = name.simplified();
    if (session.isEmpty()) {
        session = QStringLiteral("Okulon stream");
    }
    return QStringLiteral("v=0\r\n"
                          "o=- %1 %1 IN %2 %3\r\n"
                          "s=%4\r\n"
                          "c=IN %2 %3\r\n"
                          "t=0 0\r\n"
                          "m=video %5 RTP/AVP 33\r\n"
                          "a=rtpmap:33 MP2T/90000\r\n")
        .arg(id)
        .arg(family, host, session)
        .arg(rtpPort);
}

void LiveStreams::makeSender(const QJsonObject& device, Stream& stream) {
    const QString& host = stream.host;
    const quint16 port = stream.port;
    const VlcEngine::Source source =
        VlcEngine::source(device.value("typeCode").toInt(), device.value("source").toString(), true);
    if (!source.error.isEmpty()) {
        fail("DevServer::LiveStreams::start", source.error);
    }
    // H.264 and other compressed sources go out as they are; only raw pictures are encoded.
    const QString dst = host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    const QString sout = (source.needsEncoding ? VlcEngine::encodeChain() : QString()) +
                         QStringLiteral("rtp{dst=%1,port=%2,mux=ts}").arg(dst).arg(port);
    auto sender = std::make_unique<VlcStream>(_engine, source, sout);
    const qint64 deviceId = device.value("id").toVariant().toLongLong();
    connect(sender.get(), &VlcStream::failed, this, [deviceId, host, port](const QString& error) {
        serverLog()->warn("Live stream of device {} to '{}:{}': {}", deviceId, host.toStdString(), port,
                          error.toStdString());
    });
    if (!sender->start()) {
        fail("DevServer::LiveStreams::start",
             QStringLiteral("libvlc could not open '%1'").arg(device.value("source").toString()));
    }
    stream.sender = std::move(sender);
    stream.counted = !source.needsEncoding;
    stream.samples.clear();
}

QString LiveStreams::start(quint64 session, const QJsonObject& device, const QString& host, quint16 rtpPort) {
    const QString address = normalisedHost(host);
    if (address.isEmpty()) {
        fail("DevServer::LiveStreams::start", QStringLiteral("'%1' is not an IP address").arg(host));
    }
    if (rtpPort < 1024 || rtpPort % 2 != 0 || rtpPort == 65535) {
        fail("DevServer::LiveStreams::start",
             QStringLiteral("RTP port %1 is not an even port from 1024 to 65534").arg(rtpPort));
    }
    const qint64 deviceId = device.value("id").toVariant().toLongLong();
    const Key key{session, deviceId};
    // Asking again (other ports, or the same ones after a player restart) replaces the old stream.
    _streams.erase(key);
    Stream stream;
    stream.host = address;
    stream.port = rtpPort;
    makeSender(device, stream);
    _streams[key] = std::move(stream);
    if (!_rateTimer.isActive()) {
        _rateTimer.start();
    }
    serverLog()->info("Live stream of device {} to '{}:{}' started for session {}", deviceId,
                      address.toStdString(), rtpPort, session);
    return sdpFor(address, rtpPort, device.value("deviceName").toString());
}

int LiveStreams::restartDevice(qint64 deviceId, const QJsonObject& device) {
    int restarted = 0;
    for (auto it = _streams.begin(); it != _streams.end();) {
        if (it->first.second != deviceId) {
            ++it;
            continue;
        }
        try {
            makeSender(device, it->second);
            ++restarted;
            ++it;
        } catch (const std::exception& e) {
            serverLog()->warn("Live stream of device {} not restarted: {}", deviceId, e.what());
            it = _streams.erase(it);
        }
    }
    return restarted;
}

void LiveStreams::stopSession(quint64 session) {
    for (auto it = _streams.begin(); it != _streams.end();) {
        if (it->first.first == session) {
            serverLog()->info("Live stream of device {} for session {} stopped", it->first.second, session);
            it = _streams.erase(it);
        } else {
            ++it;
        }
    }
}

void LiveStreams::stop(quint64 session, qint64 deviceId) {
    if (_streams.erase({session, deviceId}) > 0) {
        serverLog()->info("Live stream of device {} for session {} stopped", deviceId, session);
    }
}

void LiveStreams::stopDevice(qint64 deviceId) {
    for (auto it = _streams.begin(); it != _streams.end();) {
        if (it->first.second == deviceId) {
            serverLog()->info("Live stream of device {} for session {} stopped", deviceId, it->first.first);
            it = _streams.erase(it);
        } else {
            ++it;
        }
    }
}

void LiveStreams::sampleRates() {
    if (_streams.empty()) {
        _rateTimer.stop();
        return;
    }
    const qint64 now = _clock.elapsed();
    std::map<quint64, QJsonArray> bySession;
    for (auto& [key, stream] : _streams) {
        if (!stream.counted || key.second == previewId || !stream.sender) {
            continue;
        }
        const qint64 bytes = stream.sender->demuxedBytes();
        if (bytes < 0) {
            continue;
        }
        auto& samples = stream.samples;
        // A smaller count is a new input (the source opened again): its count starts over.
        if (!samples.empty() && bytes < samples.back().bytes) {
            samples.clear();
        }
        samples.push_back({now, bytes});
        while (samples.size() > 2 && now - samples[1].atMs >= rateWindowMs) {
            samples.pop_front();
        }
        const Sample& first = samples.front();
        if (samples.size() < 2 || now <= first.atMs) {
            continue;
        }
        const qint64 bitsPerSecond = (bytes - first.bytes) * 8 * 1000 / (now - first.atMs);
        bySession[key.first].append(QJsonObject{{"id", key.second}, {"bitrate", bitsPerSecond}});
    }
    for (const auto& [session, entries] : bySession) {
        emit bitRates(session, entries);
    }
}

} // namespace DevServer
