#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QProcess;
class QTemporaryDir;

namespace DevServer {

// A copy of one clip whose timestamps are scaled for another playback speed (ffmpeg, streams
// copied, not re-encoded), made in a temporary folder that lives as long as this object.
class ArchiveRetiming : public QObject {
    Q_OBJECT
public:
    ArchiveRetiming(const QString& clipFile, double speed, QObject* parent = nullptr);
    ~ArchiveRetiming() override;

    // Starts ffmpeg; false (with `error()`) when it cannot be started.
    bool start();
    bool isReady() const { return _ready; }
    QString clipFile() const { return _clipFile; }
    double speed() const { return _speed; }
    QString outputPath() const;
    QString error() const { return _error; }

    // ffmpeg's arguments for a copy of `clipFile` that plays `speed` times as fast into `output`.
    static QStringList arguments(const QString& clipFile, double speed, const QString& output);

Q_SIGNALS:
    // Emitted once; receivers that may destroy this object connect queued.
    void finished(bool ok);

private:
    void onFinished(bool ok);

    QString _clipFile;
    double _speed = 1.0;
    bool _ready = false;
    QString _error;
    std::unique_ptr<QTemporaryDir> _dir;
    std::unique_ptr<QProcess> _process;
};

} // namespace DevServer
