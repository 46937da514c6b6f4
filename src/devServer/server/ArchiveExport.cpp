#include "ArchiveExport.h"

#include "RecordedClips.h"
#include "RequestHandler.h"
#include "ServerLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace DevServer {

namespace {
qint64 number(const QJsonValue& value, qint64 fallback = -1) {
    return RecordedClips::number(value, fallback);
}

QString seconds(qint64 ms) {
    return QString::number(double(ms) / 1000.0, 'f', 3);
}

constexpr qint64 kMaxSpanMs = 24LL * 3600 * 1000;
const QString kPart = QStringLiteral(".part");
} // namespace

ArchiveExport::ArchiveExport(RecordStore& store, SendLater send, QObject* parent)
    : QObject(parent), _store(store), _send(std::move(send)) {}

ArchiveExport::~ArchiveExport() {
    while (!_jobs.empty()) {
        drop(_jobs.begin()->first);
    }
}

bool ArchiveExport::handles(const QString& action) {
    return action == QLatin1String("trExportVideo") || action == QLatin1String("trCancelExport");
}

Outcome ArchiveExport::handle(const Request& request) {
    return request.action == QLatin1String("trExportVideo") ? start(request) : cancel(request);
}

QByteArray ArchiveExport::concatList(const QJsonArray& clips, qint64 from, qint64 to) {
    QByteArray list("ffconcat version 1.0\n");
    for (const QJsonValue& value : clips) {
        const QJsonObject clip = value.toObject();
        const qint64 start = number(clip.value("dtStart"));
        const qint64 end = number(clip.value("dtEnd"));
        if (end <= from || start >= to) {
            continue;
        }
        QString path = clip.value("filePath").toString();
        path.replace(QLatin1Char('\''), QLatin1String("'\\''"));
        list += "file '" + path.toUtf8() + "'\n";
        if (from > start) {
            list += "inpoint " + seconds(from - start).toUtf8() + "\n";
        }
        if (to < end) {
            list += "outpoint " + seconds(to - start).toUtf8() + "\n";
        }
    }
    return list;
}

QString ArchiveExport::targetPath(const QString& folder, const QString& deviceName, qint64 deviceId,
                                  qint64 from, qint64 to) {
    QString name = deviceName;
    // Only what every file system takes: letters, digits, '-' and '_'.
    for (QChar& c : name) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_')) {
            c = QLatin1Char('_');
        }
    }
    if (name.isEmpty()) {
        name = QStringLiteral("device%1").arg(deviceId);
    }
    const QString stem =
        QStringLiteral("%1_%2_%3s")
            .arg(name.left(60))
            .arg(QDateTime::fromMSecsSinceEpoch(from).toString(QStringLiteral("yyyyMMdd-HHmmss")))
            .arg((to - from + 500) / 1000);
    const QDir dir(folder);
    QString path = dir.filePath(stem + QStringLiteral(".mp4"));
    for (int n = 1; QFileInfo::exists(path) || QFileInfo::exists(path + kPart); ++n) {
        path = dir.filePath(QStringLiteral("%1-%2.mp4").arg(stem).arg(n));
    }
    return path;
}

Outcome ArchiveExport::start(const Request& request) {
    Outcome outcome;
    const QJsonObject& params = request.dto.params;
    const QString key = params.value("exportKey").toString();
    const qint64 deviceId = number(params.value("rstIDDevice"));
    const qint64 from = number(params.value("dtStart"));
    const qint64 to = number(params.value("dtEnd"));
    const QString folder = params.value("folder").toString();
    const auto refuse = [&](const QString& error) {
        KvoCore::DTO reply = RequestHandler::failure(request, error);
        reply.params.insert("exportKey", key);
        outcome.replies.append(reply);
        return outcome;
    };
    if (key.trimmed().isEmpty() || deviceId <= 1) {
        return refuse(QStringLiteral("\"exportKey\" and \"rstIDDevice\" are needed"));
    }
    if (_jobs.count(key) > 0) {
        return refuse(QStringLiteral("An export '%1' is running already").arg(key));
    }
    if (from < 0 || to <= from || to - from > kMaxSpanMs) {
        return refuse(QStringLiteral("\"dtStart\" and \"dtEnd\" must be a range of at most 24 hours"));
    }
    const QFileInfo dirInfo(folder);
    if (folder.isEmpty() || dirInfo.isRelative() || !dirInfo.isDir() || !dirInfo.isWritable()) {
        return refuse(QStringLiteral("'%1' is not a folder that can be written").arg(folder));
    }
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty()) {
        return refuse(QStringLiteral("ffmpeg is not installed on the server"));
    }
    QJsonArray clips;
    QString deviceName;
    qint64 covered = 0;
    for (const QJsonValue& row : RecordedClips::ofDevice(_store, deviceId)) {
        const QJsonObject clip = row.toObject();
        const qint64 start = number(clip.value("dtStart"));
        const qint64 end = number(clip.value("dtEnd"));
        if (end <= from || start >= to) {
            continue;
        }
        clips.append(clip);
        deviceName = clip.value("deviceName").toString();
        covered += qMin(end, to) - qMax(start, from);
    }
    if (clips.isEmpty()) {
        return refuse(
            QStringLiteral("Device %1 has nothing recorded from %2 to %3").arg(deviceId).arg(from).arg(to));
    }
    Job& job = _jobs[key];
    job.session = request.sessionNumber;
    job.target = targetPath(folder, deviceName, deviceId, from, to);
    job.durationMs = covered;
    job.workDir = std::make_unique<QTemporaryDir>();
    const QString listPath = job.workDir->filePath(QStringLiteral("clips.ffconcat"));
    QFile list(listPath);
    if (!job.workDir->isValid() || !list.open(QIODevice::WriteOnly) ||
        list.write(concatList(clips, from, to)) < 0) {
        _jobs.erase(key);
        return refuse(QStringLiteral("The clip list cannot be written"));
    }
    list.close();
    job.process = std::make_unique<QProcess>();
    job.process->setProcessChannelMode(QProcess::SeparateChannels);
    job.process->setStandardErrorFile(QProcess::nullDevice());
    connect(job.process.get(), &QProcess::readyReadStandardOutput, this, [this, key] { onOutput(key); });
    // Queued: the finished process is destroyed outside its own signal.
    connect(
        job.process.get(), qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
        [this, key](int code, QProcess::ExitStatus status) {
            onFinished(key, status == QProcess::NormalExit && code == 0);
        },
        Qt::QueuedConnection);
    // A program that does not start never finishes: that is reported as a failed export.
    connect(
        job.process.get(), &QProcess::errorOccurred, this,
        [this, key](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                onFinished(key, false);
            }
        },
        Qt::QueuedConnection);
    job.process->start(ffmpeg,
                       {"-hide_banner", "-nostdin", "-loglevel", "error",  "-f",        "concat",
                        "-safe",        "0",        "-i",        listPath, "-map",      "0:v:0",
                        "-map",         "0:a?",     "-c",        "copy",   "-movflags", "+faststart",
                        "-f",           "mp4",      "-progress", "pipe:1", "-y",        job.target + kPart});
    KvoCore::DTO reply = RequestHandler::answer(request, true);
    reply.params.insert("exportKey", key);
    reply.params.insert("rstIDDevice", deviceId);
    reply.params.insert("filePath", job.target);
    reply.params.insert("duration", covered);
    outcome.replies.append(reply);
    serverLog()->info("Export '{}' of device {} from {} to {} ({} clips) into '{}'", key.toStdString(),
                      deviceId, from, to, clips.size(), job.target.toStdString());
    return outcome;
}

Outcome ArchiveExport::cancel(const Request& request) {
    Outcome outcome;
    const QString key = request.dto.params.value("exportKey").toString();
    const auto it = _jobs.find(key);
    KvoCore::DTO reply;
    if (it == _jobs.end() || it->second.session != request.sessionNumber) {
        reply = RequestHandler::failure(request, QStringLiteral("No export '%1'").arg(key));
    } else {
        drop(key);
        reply = RequestHandler::answer(request, true);
        serverLog()->info("Export '{}' cancelled", key.toStdString());
    }
    reply.params.insert("exportKey", key);
    outcome.replies.append(reply);
    return outcome;
}

void ArchiveExport::onOutput(const QString& key) {
    const auto it = _jobs.find(key);
    if (it == _jobs.end()) {
        return;
    }
    Job& job = it->second;
    job.pending += job.process->readAllStandardOutput();
    qint64 outTimeUs = -1;
    int end;
    while ((end = job.pending.indexOf('\n')) >= 0) {
        const QByteArray line = job.pending.left(end).trimmed();
        job.pending.remove(0, end + 1);
        // "out_time_us" is the newer name of the same microseconds that "out_time_ms" carries.
        if (line.startsWith("out_time_us=") || line.startsWith("out_time_ms=")) {
            bool ok = false;
            const qint64 value = line.mid(line.indexOf('=') + 1).toLongLong(&ok);
            if (ok) {
                outTimeUs = value;
            }
        }
    }
    if (outTimeUs >= 0 && job.durationMs > 0) {
        const double done = qBound(0.0, double(outTimeUs) / 1000.0 / double(job.durationMs), 0.99);
        progress(key, {{"progress", done}, {"done", false}});
    }
}

void ArchiveExport::onFinished(const QString& key, bool ok) {
    const auto it = _jobs.find(key);
    if (it == _jobs.end()) {
        return;
    }
    Job& job = it->second;
    const QString part = job.target + kPart;
    QString error;
    if (!ok) {
        error = QStringLiteral("ffmpeg could not write the recording");
    } else if (!QFile::rename(part, job.target)) {
        error = QStringLiteral("'%1' cannot be written").arg(job.target);
    }
    if (!error.isEmpty()) {
        QFile::remove(part);
        progress(key, {{"progress", 1.0}, {"done", true}, {"RES", false}, {"error", error}});
        serverLog()->warn("Export '{}' failed: {}", key.toStdString(), error.toStdString());
    } else {
        progress(key, {{"progress", 1.0}, {"done", true}, {"RES", true}, {"filePath", job.target}});
        serverLog()->info("Export '{}' written to '{}'", key.toStdString(), job.target.toStdString());
    }
    job.process.reset();
    _jobs.erase(it);
}

void ArchiveExport::progress(const QString& key, const QJsonObject& extra) {
    const auto it = _jobs.find(key);
    if (it == _jobs.end()) {
        return;
    }
    QJsonObject params = extra;
    params.insert("exportKey", key);
    _send(it->second.session, RequestHandler::notice(QStringLiteral("archivePlayer"),
                                                     QStringLiteral("srExportProgress"), params));
}

void ArchiveExport::drop(const QString& key) {
    const auto it = _jobs.find(key);
    if (it == _jobs.end()) {
        return;
    }
    Job& job = it->second;
    if (job.process) {
        job.process->disconnect(this);
        job.process->kill();
        job.process->waitForFinished(3000);
    }
    QFile::remove(job.target + kPart);
    _jobs.erase(it);
}

void ArchiveExport::stopSession(quint64 session) {
    QStringList keys;
    for (const auto& [key, job] : _jobs) {
        if (job.session == session) {
            keys.append(key);
        }
    }
    for (const QString& key : keys) {
        drop(key);
    }
}

} // namespace DevServer
