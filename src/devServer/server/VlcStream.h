#pragma once

#include "VlcEngine.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace DevServer {

// One libvlc player running a source through a stream output chain (RTP sender, recorder). libvlc
// reports from its own threads; the reports arrive here as queued signals on this object's thread.
class VlcStream : public QObject {
    Q_OBJECT
public:
    // `sout` is the chain without the leading '#'.
    VlcStream(const VlcEngine& engine, const VlcEngine::Source& source, const QString& sout,
              const QStringList& extraOptions = {}, QObject* parent = nullptr);
    ~VlcStream() override;

    bool start();
    void stop();
    // Plays another source through the same, still open output: an RTP receiver sees one stream.
    bool switchTo(const VlcEngine::Source& source, const QStringList& extraOptions);
    void setPaused(bool paused);
    // Position inside the current media in milliseconds; -1 when unknown.
    qint64 timeMs() const;
    // Length of the current media in milliseconds; -1 until libvlc knows it.
    qint64 lengthMs() const;
    void setTimeMs(qint64 ms);
    bool isPlaying() const;
    // Bytes of the elementary streams read from the current media so far; -1 when unknown. Starts
    // again from 0 with another media (switchTo).
    qint64 demuxedBytes() const;
    QString sout() const { return _sout; }

signals:
    void playing();
    void ended();
    void failed(const QString& error);

private:
    libvlc_media_t* newMedia() const;
    static void onEvent(const libvlc_event_t* event, void* self);

    const VlcEngine& _engine;
    VlcEngine::Source _source;
    QString _sout;
    QStringList _extra;
    libvlc_media_player_t* _player = nullptr;
};

} // namespace DevServer
