#pragma once

#include "ClipIndex.h"
#include "VlcStream.h"

#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <memory>

namespace DevServer {

// Records one device without a break into MPEG-TS clips of about `clipSeconds` each (cut at key
// frames by libvlc's segmenter) in `folder`, and reports every clip once it is complete.
class Recorder : public QObject {
    Q_OBJECT
public:
    Recorder(const VlcEngine& engine, const QJsonObject& device, const QString& folder, int clipSeconds,
             QObject* parent = nullptr);
    ~Recorder() override;

    // False with `error()` set when the source or folder cannot be used.
    bool start();
    // Stops and reports the last, shorter clip.
    void stop();
    qint64 deviceId() const { return _deviceId; }
    qint64 startedAt() const { return _startedAt; }
    QString error() const { return _error; }

signals:
    // A complete clip: its file and its time span in epoch milliseconds.
    void clipFinished(qint64 deviceId, const QString& filePath, qint64 dtStart, qint64 dtEnd);
    void failed(qint64 deviceId, const QString& error);

private:
    void collect();

    const VlcEngine& _engine;
    QJsonObject _device;
    qint64 _deviceId;
    QString _folder;
    int _clipSeconds;
    QString _indexPath;
    std::unique_ptr<VlcStream> _stream;
    QTimer _poll;
    qint64 _startedAt = 0;
    qint64 _nextStart = 0;
    int _reported = 0;
    QString _error;
};

} // namespace DevServer
