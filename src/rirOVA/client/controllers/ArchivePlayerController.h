#pragma once

#include "FeatureListController.h"

#include <QMap>
#include <QSet>

namespace ClientController {

// Archive streams played by the server (group "archivePlayer"): creates a stream per clip under a
// fresh key and controls only the streams it created itself.
class ArchivePlayerController : public FeatureListController {
    Q_OBJECT
public:
    explicit ArchivePlayerController(QQuickItem* parent = nullptr);
    ~ArchivePlayerController() override;

    // Directory of the archive streams' descriptions, relative to the working directory.
    static QString archiveSdpDir();

    // Sends "trCreateVideo" under a new "streamKey" and remembers the stream as "creating".
    Q_INVOKABLE void trCreateVideo(const QJsonObject& mapParams);
    Q_INVOKABLE void trRemoveVideo(const QJsonObject& mapParams);
    // These three send only for a stream key this controller created.
    Q_INVOKABLE void trPlayVideo(const QJsonObject& mapParams);
    Q_INVOKABLE void trPauseVideo(const QJsonObject& mapParams);
    Q_INVOKABLE QJsonObject trJumpVideo(const QJsonObject& mapParams);
    // The smallest stream key of the device; empty when there is none.
    Q_INVOKABLE QString getStremKeyByIDDevice(int id) const;
    Q_INVOKABLE void clearStreamMap();
    // The key of the stream that the last trCreateVideo asked for.
    Q_INVOKABLE QString lastCreatedStreamKey() const { return _lastCreated; }
    // Writes entry "sdp" to "<archiveSdpDir>/<streamKey>.sdp"; the path, or empty when there is
    // nothing to write, the key is not a plain file name or the file cannot be written.
    Q_INVOKABLE QString createSDPFile(const QJsonObject& entry);
    // Asks the server to write the recording of "rstIDDevice" from "dtStart" to "dtEnd" into one
    // MP4 file in "folder"; returns the new "exportKey" that the progress notices carry.
    Q_INVOKABLE QString trExportVideo(const QJsonObject& mapParams);
    // Stops an export of this controller; the server removes the unfinished file.
    Q_INVOKABLE void trCancelExport(const QJsonObject& mapParams);

    const QMap<QString, QJsonObject>& streamMap() const { return _streams; }

Q_SIGNALS:
    void saCreateVideo(QJsonObject mapParams);
    void saRemoveVideo(QJsonObject mapParams);
    void saPlayVideo(QJsonObject mapParams);
    void saPauseVideo(QJsonObject mapParams);
    void saSeekVideo(QJsonObject mapParams);
    void srPosition(QJsonObject mapParams);
    void saJumpVideo(QJsonObject mapParams);
    void srNewSDP(QJsonObject mapParams);
    void saExportVideo(QJsonObject mapParams);
    void srExportProgress(QJsonObject mapParams);
    void saCancelExport(QJsonObject mapParams);

protected:
    bool handleMessage(const QString& actionName, const SpDto& mapParams) override;
    virtual void processSrPosition(const SpDto& mapParams);

private:
    bool isMyStream(const QJsonObject& params) const;
    bool isMyExport(const QJsonObject& params) const;

    QMap<QString, QJsonObject> _streams;
    QSet<QString> _exports;
    QString _lastCreated;
};

} // namespace ClientController
