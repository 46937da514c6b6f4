#include "Recorder.h"

#include "ServerLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace DevServer {

Recorder::Recorder(const VlcEngine& engine, const QJsonObject& device, const QString& folder, int clipSeconds,
                   QObject* parent)
    : QObject(parent), _engine(engine), _device(device),
      _deviceId(device.value("id").toVariant().toLongLong()), _folder(folder), _clipSeconds(clipSeconds) {
    _poll.setInterval(1000);
    connect(&_poll, &QTimer::timeout, this, &Recorder::collect);
}

Recorder::~Recorder() {
    stop();
}

bool Recorder::start() {
    const VlcEngine::Source source =
        VlcEngine::source(_device.value("typeCode").toInt(), _device.value("source").toString(), true);
    if (!source.error.isEmpty()) {
        _error = source.error;
        return false;
    }
    // The folder goes into libvlc's output chain as a quoted value: a quote would end it early.
    if (_folder.contains(QLatin1Char('"'))) {
        _error = QStringLiteral("The video folder '%1' contains a '\"'").arg(_folder);
        return false;
    }
    if (!QDir().mkpath(_folder)) {
        _error = QStringLiteral("The video folder '%1' cannot be created").arg(_folder);
        return false;
    }
    _startedAt = QDateTime::currentMSecsSinceEpoch();
    _nextStart = _startedAt;
    _reported = 0;
    const QString stem = QStringLiteral("dev%1-%2").arg(_deviceId).arg(_startedAt);
    _indexPath = QDir(_folder).filePath(stem + QStringLiteral(".m3u8"));
    const QString pattern = stem + QStringLiteral("-######.ts");
    // The segmenter cuts at key frames once a clip is long enough and lists finished clips in the
    // index; nothing is deleted, the archive keeps them.
    const QString sout = (source.needsEncoding ? VlcEngine::encodeChain() : QString()) +
                         QStringLiteral("std{access=livehttp{seglen=%1,delsegs=false,numsegs=0,ratecontrol="
                                        "true,index=\"%2\",index-url=\"%3\"},"
                                        "mux=ts{use-key-frames},dst=\"%4\"}")
                             .arg(_clipSeconds)
                             .arg(_indexPath, pattern, QDir(_folder).filePath(pattern));
    _stream = std::make_unique<VlcStream>(_engine, source, sout);
    connect(_stream.get(), &VlcStream::failed, this, [this](const QString& error) {
        _error = error;
        emit failed(_deviceId, error);
    });
    if (!_stream->start()) {
        _error = QStringLiteral("libvlc could not open '%1'").arg(_device.value("source").toString());
        _stream.reset();
        return false;
    }
    _poll.start();
    serverLog()->info("Recording device {} into '{}'", _deviceId, _folder.toStdString());
    return true;
}

void Recorder::stop() {
    if (!_stream) {
        return;
    }
    _poll.stop();
    _stream.reset(); // closes the last clip and lists it in the index
    collect();
    QFile::remove(_indexPath);
    serverLog()->info("Recording of device {} stopped", _deviceId);
}

void Recorder::collect() {
    QFile file(_indexPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QList<ClipIndexEntry> entries = ClipIndex::parse(file.readAll());
    for (int i = _reported; i < entries.size(); ++i) {
        const ClipIndexEntry& entry = entries.at(i);
        const QString path = QDir(_folder).filePath(entry.fileName);
        const qint64 start = _nextStart;
        _nextStart += entry.durationMs;
        if (entry.durationMs <= 0 || !QFile::exists(path)) {
            continue;
        }
        emit clipFinished(_deviceId, path, start, start + entry.durationMs);
    }
    _reported = qMax(_reported, int(entries.size()));
}

} // namespace DevServer
