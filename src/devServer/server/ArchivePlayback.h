#pragma once

#include "ArchiveExport.h"
#include "Outcome.h"
#include "PlayerClock.h"
#include "Request.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

namespace DevServer {

class ArchiveRetiming;
class RecordStore;
class VlcEngine;
class VlcStream;

// The "archivePlayer" group: a recorded span of one device sent as an RTP stream (MPEG-TS), clip
// after clip, to the client that asked; play, pause, jump, speed, remove, and "srPosition" twice a
// second; and the export of a recorded range to MP4.
//
// libvlc cannot change the rate of a player whose output is a network stream, so at a speed other
// than 1 the clip is sent from a copy whose timestamps ffmpeg has scaled (not re-encoded): the same
// output paces it, and the client's player shows it at that speed as it arrives.
class ArchivePlayback : public QObject {
    Q_OBJECT
public:
    using SendLater = std::function<void(quint64 session, const KvoCore::DTO& record)>;

    ArchivePlayback(RecordStore& store, const VlcEngine& engine, SendLater send, QObject* parent = nullptr);
    ~ArchivePlayback() override;

    Outcome handle(const Request& request);
    void stopSession(quint64 session);
    int count() const { return int(_streams.size()); }
    int exportCount() const { return _export.count(); }

    // The clip of `clips` (ordered by "dtStart") that covers `at`, or else the first one after it; -1
    // when none.
    static int clipAt(const QJsonArray& clips, qint64 at);
    // Slowest and fastest speed of a stream.
    static constexpr double minSpeed = 0.125;
    static constexpr double maxSpeed = 16.0;
    // libvlc's MPEG-TS muxer shapes its output over 200 ms by default and drops what it holds when
    // a file ends and the next one replaces it: every clip boundary left out the last fifth of a
    // second of the clip. Shaped over 30 ms, only the clip's last picture goes.
    static constexpr const char* tsMuxer = "ts{pcr=30,shaping=30}";
    // How long before the last picture of a clip goes out the next clip is started: the time libvlc
    // takes from a new file to its first picture in the output, less what the muxer still holds.
    static constexpr qint64 switchLeadMs = 60;

private:
    struct Stream {
        quint64 session = 0;
        QString host;
        quint16 port = 0;
        QJsonArray clips;
        int index = -1;
        bool paused = false;
        // The speed asked for, and that of the file being sent (a scaled copy comes a moment later).
        double speed = 1.0;
        double sentSpeed = 1.0;
        // Where a clip was started into, until the player's time shows it (a seek takes a moment).
        qint64 startOffsetMs = -1;
        // The sending player's time between the steps in which libvlc moves it.
        PlayerClock clock;
        // Length of the file being sent, once libvlc knows it.
        qint64 lengthMs = -1;
        // libvlc ends a file when it has read it, while the output still paces out its last second
        // or so. The next clip starts when that is nearly out (`switchAt` on `_clock`), or its first
        // pictures would go out among the last ones, with earlier timestamps; meanwhile the position
        // runs on from `endedTime`, the file's time at its end.
        qint64 switchAt = -1;
        qint64 endedAt = 0;
        qint64 endedTime = 0;
        std::unique_ptr<VlcStream> sender;
        // The scaled copy being sent or being made, and the clip moment it is for when made.
        std::unique_ptr<ArchiveRetiming> copy;
        int copyIndex = -1;
        qint64 copyOffsetMs = 0;
    };
    Outcome create(const Request& request);
    Outcome control(const Request& request);
    // Sends clip `index` from `offsetMs` into it; false when the clip cannot be opened.
    bool playClip(const QString& key, Stream& stream, int index, qint64 offsetMs);
    // Sends `file` from `fileOffsetMs` into it; its time runs `speed` times as fast as the clip's.
    bool send(const QString& key, Stream& stream, const QString& file, qint64 fileOffsetMs, double speed);
    void onCopyMade(const QString& key, const ArchiveRetiming* copy, bool ok);
    // Reads an optional "speed" of a request into the stream; false (with `error`) when it is no speed.
    static bool readSpeed(const QJsonObject& params, Stream& stream, QString& error);
    void onClipEnded(const QString& key);
    // Starts the clip after the one that ended once its time has come.
    void switchWhenDue(const QString& key, Stream& stream);
    void reportPositions();
    void sampleTimes();
    qint64 position(Stream& stream);

    RecordStore& _store;
    const VlcEngine& _engine;
    SendLater _send;
    std::map<QString, Stream> _streams;
    QTimer _positionTimer;
    QTimer _sampleTimer;
    QElapsedTimer _clock;
    ArchiveExport _export;
};

} // namespace DevServer
