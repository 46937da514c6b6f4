#include "ArchiveRetiming.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace DevServer {

ArchiveRetiming::ArchiveRetiming(const QString& clipFile, double speed, QObject* parent)
    : QObject(parent), _clipFile(clipFile), _speed(speed) {}

ArchiveRetiming::~ArchiveRetiming() {
    if (_process) {
        // No report from a copy that is no longer wanted.
        _process->disconnect(this);
        _process->kill();
        _process->waitForFinished(1000);
    }
}

QString ArchiveRetiming::outputPath() const {
    return _dir ? _dir->filePath(QStringLiteral("scaled.mp4")) : QString();
}

QStringList ArchiveRetiming::arguments(const QString& clipFile, double speed, const QString& output) {
    // Timestamps of the input are multiplied by 1 / speed: at twice the speed, each frame comes
    // half as long after the one before.
    return {QStringLiteral("-hide_banner"), QStringLiteral("-nostdin"),
            QStringLiteral("-loglevel"),    QStringLiteral("error"),
            QStringLiteral("-itsscale"),    QString::number(1.0 / speed, 'g', 10),
            QStringLiteral("-i"),           clipFile,
            QStringLiteral("-map"),         QStringLiteral("0:v:0"),
            QStringLiteral("-c"),           QStringLiteral("copy"),
            QStringLiteral("-f"),           QStringLiteral("mp4"),
            QStringLiteral("-y"),           output};
}

bool ArchiveRetiming::start() {
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty()) {
        _error = QStringLiteral("ffmpeg is not installed on the server");
        return false;
    }
    _dir = std::make_unique<QTemporaryDir>();
    if (!_dir->isValid()) {
        _error = QStringLiteral("No temporary folder for the scaled clip");
        return false;
    }
    _process = std::make_unique<QProcess>();
    _process->setProcessChannelMode(QProcess::SeparateChannels);
    _process->setStandardOutputFile(QProcess::nullDevice());
    _process->setStandardErrorFile(QProcess::nullDevice());
    connect(
        _process.get(), qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
        [this](int code, QProcess::ExitStatus status) {
            onFinished(status == QProcess::NormalExit && code == 0);
        },
        Qt::QueuedConnection);
    connect(
        _process.get(), &QProcess::errorOccurred, this,
        [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                onFinished(false);
            }
        },
        Qt::QueuedConnection);
    _process->start(ffmpeg, arguments(_clipFile, _speed, outputPath()));
    return true;
}

void ArchiveRetiming::onFinished(bool ok) {
    if (!_process) {
        return;
    }
    _process.reset();
    _ready = ok;
    if (!ok) {
        _error = QStringLiteral("ffmpeg could not scale '%1'").arg(_clipFile);
    }
    Q_EMIT finished(ok);
}

} // namespace DevServer
