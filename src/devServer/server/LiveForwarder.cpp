#include "LiveForwarder.h"

#include "RecordStore.h"
#include "RequestHandler.h"
#include "ServerLog.h"
#include "VlcEngine.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QTimer>
#include <QUrl>

namespace DevServer {

LiveForwarder::LiveForwarder(RecordStore& store, const ForwardingConfig& config, Broadcast broadcast,
                             QObject* parent)
    : QObject(parent), _store(store), _config(config), _broadcast(std::move(broadcast)) {}

LiveForwarder::~LiveForwarder() {
    // No status is written any more: the store may already be closing.
    for (auto& entry : _streams) {
        if (entry.second.process) {
            entry.second.process->disconnect(this);
            entry.second.process->kill();
            entry.second.process->waitForFinished(2000);
        }
    }
}

QStringList LiveForwarder::arguments(const QJsonObject& device, const QString& target, QString* error) {
    QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-nostdin"), QStringLiteral("-loglevel"),
                     QStringLiteral("error"), QStringLiteral("-stats")};
    const QString source = device.value("source").toString().trimmed();
    switch (device.value("typeCode").toInt()) {
    case VlcEngine::File: {
        const QString path =
            source.startsWith(QLatin1String("file://")) ? QUrl(source).toLocalFile() : source;
        if (!QFileInfo(path).isFile()) {
            *error = QStringLiteral("The video file '%1' does not exist").arg(source);
            return {};
        }
        // A file plays in real time and over and over, as a camera would.
        args << QStringLiteral("-re") << QStringLiteral("-stream_loop") << QStringLiteral("-1")
             << QStringLiteral("-i") << path;
        break;
    }
    case VlcEngine::IpCamera:
        if (source.startsWith(QLatin1String("rtsp://"))) {
            args << QStringLiteral("-rtsp_transport") << QStringLiteral("tcp");
        }
        args << QStringLiteral("-i") << source;
        break;
    default:
        *error = QStringLiteral("Only IP cameras and video files can be streamed");
        return {};
    }
    args << QStringLiteral("-c") << QStringLiteral("copy") << QStringLiteral("-f") << QStringLiteral("flv")
         << target;
    return args;
}

void LiveForwarder::applyAll() {
    try {
        for (const QJsonValue& value : _store.list(QStringLiteral("youtubeSettings"))) {
            if (value.toObject().value("id").toVariant().toLongLong() > 1) {
                apply(value.toObject());
            }
        }
    } catch (const std::exception& e) {
        serverLog()->error("Live streams not started: {}", e.what());
    }
}

void LiveForwarder::apply(const QJsonObject& settings) {
    const qint64 id = settings.value("id").toVariant().toLongLong();
    if (id <= 1) {
        return;
    }
    const QString url = settings.value("serverURL").toString().trimmed();
    const QString key = settings.value("streamKey").toString().trimmed();
    const qint64 deviceId = settings.value("rstIDStreamDevice").toVariant().toLongLong();
    if (!settings.value("isStreamDeviceOnYoutube").toBool() || url.isEmpty() || key.isEmpty() ||
        deviceId <= 1) {
        stop(id);
        if (settings.value("status").toString() != QLatin1String("n/a")) {
            setStatus(id, QStringLiteral("n/a"));
        }
        return;
    }
    const auto device = _store.info(QStringLiteral("device"), deviceId);
    QString error;
    const QStringList args =
        device ? arguments(*device, url + QLatin1Char('/') + key, &error) : QStringList();
    if (args.isEmpty()) {
        serverLog()->warn("Device {} is not streamed to YouTube: {}", deviceId,
                          device ? error.toStdString() : "the device no longer exists");
        stop(id);
        setStatus(id, QStringLiteral("stream error"));
        return;
    }
    const auto running = _streams.find(id);
    if (running != _streams.end() && running->second.process && running->second.arguments == args) {
        return; // already streaming this camera to this target
    }
    start(id, args);
}

void LiveForwarder::start(qint64 settingsId, const QStringList& args) {
    stop(settingsId);
    Stream& stream = _streams[settingsId];
    stream.arguments = args;
    stream.process = std::make_unique<QProcess>();
    stream.process->setProcessChannelMode(QProcess::MergedChannels);
    connect(stream.process.get(), &QProcess::readyRead, this, [this, settingsId] { onOutput(settingsId); });
    connect(stream.process.get(), qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            [this, settingsId] { onFinished(settingsId); });
    connect(stream.process.get(), &QProcess::errorOccurred, this,
            [this, settingsId](QProcess::ProcessError e) {
                if (e == QProcess::FailedToStart) {
                    onFinished(settingsId);
                }
            });
    serverLog()->info("YouTube live stream {} starts: {} {}", settingsId, _config.ffmpeg.toStdString(),
                      args.mid(0, args.size() - 1).join(' ').toStdString());
    setStatus(settingsId, QStringLiteral("connecting"));
    stream.process->start(_config.ffmpeg, args);
}

void LiveForwarder::stop(qint64 settingsId) {
    const auto it = _streams.find(settingsId);
    if (it == _streams.end()) {
        return;
    }
    std::unique_ptr<QProcess> process = std::move(it->second.process);
    _streams.erase(it);
    if (process) {
        process->disconnect(this);
        process->terminate();
        if (!process->waitForFinished(2000)) {
            process->kill();
            process->waitForFinished(2000);
        }
        serverLog()->info("YouTube live stream {} stopped", settingsId);
    }
}

void LiveForwarder::stopAll() {
    while (!_streams.empty()) {
        stop(_streams.begin()->first);
    }
}

void LiveForwarder::onOutput(qint64 settingsId) {
    const auto it = _streams.find(settingsId);
    if (it == _streams.end() || !it->second.process) {
        return;
    }
    const QByteArray output = it->second.process->readAll();
    // ffmpeg's progress lines mean that pictures reach the channel.
    if (output.contains("frame=") && it->second.status != QLatin1String("streaming")) {
        setStatus(settingsId, QStringLiteral("streaming"));
    } else if (!output.contains("frame=") && !output.trimmed().isEmpty()) {
        serverLog()->warn("YouTube live stream {}: {}", settingsId, output.trimmed().left(300).toStdString());
    }
}

void LiveForwarder::onFinished(qint64 settingsId) {
    const auto it = _streams.find(settingsId);
    if (it == _streams.end()) {
        return;
    }
    const QStringList args = it->second.arguments;
    // Deleting the process inside its own signal is not allowed: hand it to the event loop.
    it->second.process.release()->deleteLater();
    serverLog()->warn("YouTube live stream {} ended; started again in {} ms", settingsId, restartDelayMs);
    setStatus(settingsId, QStringLiteral("stream error"));
    QTimer::singleShot(restartDelayMs, this, [this, settingsId, args] {
        const auto again = _streams.find(settingsId);
        if (again != _streams.end() && !again->second.process && again->second.arguments == args) {
            start(settingsId, args);
        }
    });
}

void LiveForwarder::setStatus(qint64 settingsId, const QString& status) {
    const auto it = _streams.find(settingsId);
    if (it != _streams.end()) {
        it->second.status = status;
    }
    try {
        if (_store.update(QStringLiteral("youtubeSettings"), settingsId, {{"status", status}})) {
            _broadcast({RequestHandler::notice(QStringLiteral("youtubeSettings"), QStringLiteral("srUpdated"),
                                               {{"id", settingsId}, {"status", status}})});
        }
    } catch (const std::exception& e) {
        serverLog()->warn("Live stream state of {} not stored: {}", settingsId, e.what());
    }
}

} // namespace DevServer
