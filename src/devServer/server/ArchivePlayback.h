#pragma once

#include "ArchiveExport.h"
#include "Outcome.h"
#include "Request.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

namespace DevServer {

class RecordStore;
class VlcEngine;
class VlcStream;

// The "archivePlayer" group: a recorded span of one device sent as an RTP stream (MPEG-TS), clip
// after clip, to the client that asked; play, pause, jump, remove, and "srPosition" twice a second;
// and the export of a recorded range to MP4.
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

private:
    struct Stream {
        quint64 session = 0;
        QString host;
        quint16 port = 0;
        QJsonArray clips;
        int index = -1;
        bool paused = false;
        // Where a clip was started into, until the player's time shows it (a seek takes a moment).
        qint64 startOffsetMs = -1;
        // libvlc moves a player's time in steps of about a quarter second: the last step and when
        // it was seen, so that the position between steps can be told to within a sample.
        qint64 lastTime = -1;
        qint64 lastTimeAt = 0;
        std::unique_ptr<VlcStream> sender;
    };
    Outcome create(const Request& request);
    Outcome control(const Request& request);
    // Sends clip `index` from `offsetMs` into it; false when the clip cannot be opened.
    bool playClip(const QString& key, Stream& stream, int index, qint64 offsetMs);
    void onClipEnded(const QString& key);
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
