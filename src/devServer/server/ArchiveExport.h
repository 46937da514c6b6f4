#pragma once

#include "Outcome.h"
#include "Request.h"

#include <QJsonArray>
#include <QObject>
#include <functional>
#include <map>
#include <memory>

class QProcess;
class QTemporaryDir;

namespace DevServer {

class RecordStore;

// Writes the recording of one device over a time range into one MP4 file, without re-encoding
// (ffmpeg's concat demuxer cutting the first and last clip, streams copied). The file is written
// under a ".part" name and renamed when complete, so a cancelled or failed export leaves nothing.
class ArchiveExport : public QObject {
    Q_OBJECT
public:
    using SendLater = std::function<void(quint64 session, const KvoCore::DTO& record)>;

    ArchiveExport(RecordStore& store, SendLater send, QObject* parent = nullptr);
    ~ArchiveExport() override;

    static bool handles(const QString& action);
    Outcome handle(const Request& request);
    void stopSession(quint64 session);
    int count() const { return int(_jobs.size()); }

    // The concat list of `clips` (ordered by "dtStart") that covers [from, to): one "file" line per
    // clip with "inpoint"/"outpoint" where the range cuts it.
    static QByteArray concatList(const QJsonArray& clips, qint64 from, qint64 to);
    // A file name for the export that does not exist yet in `folder`.
    static QString targetPath(const QString& folder, const QString& deviceName, qint64 deviceId, qint64 from,
                              qint64 to);

private:
    struct Job {
        quint64 session = 0;
        QString target;
        qint64 durationMs = 0;
        std::unique_ptr<QTemporaryDir> workDir;
        std::unique_ptr<QProcess> process;
        QByteArray pending;
    };
    Outcome start(const Request& request);
    Outcome cancel(const Request& request);
    void onOutput(const QString& key);
    void onFinished(const QString& key, bool ok);
    void progress(const QString& key, const QJsonObject& extra);
    void drop(const QString& key);

    RecordStore& _store;
    SendLater _send;
    std::map<QString, Job> _jobs;
};

} // namespace DevServer
