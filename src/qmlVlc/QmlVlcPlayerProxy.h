#pragma once

#include "qmlVlc/QmlVlcAudio.h"
#include "qmlVlc/QmlVlcCurrentMedia.h"
#include "qmlVlc/QmlVlcInput.h"
#include "qmlVlc/QmlVlcPlaylist.h"
#include "qmlVlc/QmlVlcSubtitle.h"
#include "qmlVlc/QmlVlcVideo.h"
#include "qmlVlc/QmlVlcVideoSource.h"
#include "qmlVlc/vlc/media_player_events_callback.h"
#include "qmlVlc/vlc/playlist_player_core.h"

#include <QEvent>
#include <QTimer>
#include <memory>

// The QML face of one player. libvlc events arrive on libvlc threads, are posted to this object and
// become signals on the GUI thread, where every other call happens too.
class QmlVlcPlayerProxy : public QmlVlcVideoSource, private vlc::media_player_events_callback {
    Q_OBJECT
    Q_PROPERTY(QString vlcVersion READ vlcVersion CONSTANT)
    Q_PROPERTY(bool playing READ isPlaying NOTIFY playingChanged)
    Q_PROPERTY(double length READ length NOTIFY mediaPlayerLengthChanged)
    Q_PROPERTY(State state READ state NOTIFY stateChanged)
    Q_PROPERTY(QString mrl READ mrl WRITE setMrl)
    Q_PROPERTY(double position READ position WRITE setPosition NOTIFY mediaPlayerPositionChanged)
    Q_PROPERTY(double time READ time WRITE setTime NOTIFY mediaPlayerTimeChanged)
    Q_PROPERTY(unsigned volume READ volume WRITE setVolume NOTIFY volumeChanged)
    Q_PROPERTY(QmlVlcInput* input READ input CONSTANT)
    Q_PROPERTY(QmlVlcVideo* video READ video CONSTANT)
    Q_PROPERTY(QmlVlcAudio* audio READ audio CONSTANT)
    Q_PROPERTY(QmlVlcSubtitle* subtitle READ subtitle CONSTANT)
    Q_PROPERTY(QmlVlcPlaylist* playlist READ playlist CONSTANT)
    Q_PROPERTY(QmlVlcMedia* mediaDescription READ mediaDescription CONSTANT)
    // Live players (camera tiles, previews) open their media with the low-latency profile of
    // QmlVlcConfig; others keep the default buffering. Takes effect with the next media.
    Q_PROPERTY(bool liveProfile READ liveProfile WRITE setLiveProfile NOTIFY liveProfileChanged)
    // A live player none of whose surfaces is seen stops decoding video after this long (its surfaces
    // keep the last picture) and resumes when one is seen again; 0 never stops.
    Q_PROPERTY(
        int hiddenSuspendMs READ hiddenSuspendMs WRITE setHiddenSuspendMs NOTIFY hiddenSuspendMsChanged)
    // Players of archive streams sent by the server open their stream descriptions with libvlc's
    // RTP access (no probing, which takes each player a different while) and the archive stream
    // buffering of QmlVlcConfig, so that every line shows its stream with the same short delay.
    // Takes effect with the next media.
    Q_PROPERTY(bool archiveStreamProfile READ archiveStreamProfile WRITE setArchiveStreamProfile NOTIFY
                   archiveStreamProfileChanged)
    // How long after the server sends a moment of an archive stream this player shows it, in ms.
    Q_PROPERTY(int archiveStreamDelayMs READ archiveStreamDelayMs CONSTANT)
    // False while decoding is stopped because no surface is seen.
    Q_PROPERTY(bool decoding READ isDecoding NOTIFY decodingChanged)
public:
    enum State {
        NothingSpecial = 0,
        Opening = 1,
        Buffering = 2,
        Playing = 3,
        Paused = 4,
        Stopped = 5,
        Ended = 6,
        Error = 7,
    };
    Q_ENUM(State)

    // A libvlc event copied for the trip to the GUI thread.
    class LibvlcEvent : public QEvent {
    public:
        static constexpr QEvent::Type eventType = QEvent::User;
        explicit LibvlcEvent(const libvlc_event_t& e) : QEvent(eventType), m_event(e) {}
        const libvlc_event_t& libvlcEvent() const { return m_event; }

    private:
        libvlc_event_t m_event;
    };

    explicit QmlVlcPlayerProxy(std::shared_ptr<vlc::playlist_player_core> player, QObject* parent = nullptr);
    ~QmlVlcPlayerProxy() override;

    vlc::playlist_player_core& player() { return *m_player; }

    QString vlcVersion() const;
    bool isPlaying() const;
    double length() const;
    State state() const;
    QString mrl() const;
    void setMrl(const QString& mrl);
    double position() const;
    void setPosition(double position);
    double time() const;
    void setTime(double time);
    unsigned volume() const;
    void setVolume(unsigned volume);

    QmlVlcInput* input() { return &m_input; }
    QmlVlcVideo* video() { return &m_video; }
    QmlVlcAudio* audio() { return &m_audio; }
    QmlVlcSubtitle* subtitle() { return &m_subtitle; }
    QmlVlcPlaylist* playlist() { return &m_playlist; }
    QmlVlcMedia* mediaDescription() { return &m_currentMedia; }

    static constexpr int defaultHiddenSuspendMs = 3000;
    bool liveProfile() const { return m_liveProfile; }
    void setLiveProfile(bool live);
    bool archiveStreamProfile() const { return m_archiveStreamProfile; }
    void setArchiveStreamProfile(bool on);
    int archiveStreamDelayMs() const;
    int hiddenSuspendMs() const { return m_hiddenSuspendMs; }
    void setHiddenSuspendMs(int ms);
    bool isDecoding() const { return !m_suspended; }
    // The options the player's next media gets besides its own.
    QStringList mediaOptions() const;

    Q_INVOKABLE void play(const QString& mrl);
    Q_INVOKABLE void play();
    Q_INVOKABLE void pause();
    Q_INVOKABLE void togglePause();
    Q_INVOKABLE void stop();
    Q_INVOKABLE void mute();
    Q_INVOKABLE void unMute();
    Q_INVOKABLE void toggleMute();

    void classBegin() override;

Q_SIGNALS:
    void playingChanged();
    void stateChanged(QmlVlcPlayerProxy::State state);
    void mediaPlayerMediaChanged();
    void mediaPlayerNothingSpecial();
    void mediaPlayerOpening();
    void mediaPlayerBuffering(float percents);
    void mediaPlayerPlaying();
    void mediaPlayerPaused();
    void mediaPlayerForward();
    void mediaPlayerBackward();
    void mediaPlayerEncounteredError();
    void mediaPlayerEndReached();
    void mediaPlayerStopped();
    void mediaPlayerTitleChanged();
    void mediaPlayerTimeChanged(double time);
    void mediaPlayerPositionChanged(float position);
    void mediaPlayerSeekableChanged(bool seekable);
    void mediaPlayerPausableChanged(bool pausable);
    void mediaPlayerLengthChanged(double length);
    void volumeChanged();
    void liveProfileChanged();
    void archiveStreamProfileChanged();
    void hiddenSuspendMsChanged();
    void decodingChanged();

protected:
    bool event(QEvent* e) override;
    virtual void handleLibvlcEvent(const LibvlcEvent& e);
    // Concrete players: open the wrapper on the shared libvlc instance, and undo it on destruction.
    void openPlayer();
    void closePlayer();

private Q_SLOTS:
    void currentItemEndReached();
    void updateSuspension();
    void suspendDecoding();

private:
    void media_player_event(const libvlc_event_t* e) override;

    std::shared_ptr<vlc::playlist_player_core> m_player;
    libvlc_instance_t* m_instance = nullptr;
    bool m_listening = false;
    QmlVlcAudio m_audio;
    QmlVlcInput m_input;
    QmlVlcPlaylist m_playlist;
    QmlVlcSubtitle m_subtitle;
    QmlVlcVideo m_video;
    QmlVlcCurrentMedia m_currentMedia;
    QTimer m_errorTimer;
    bool m_liveProfile = false;
    bool m_archiveStreamProfile = false;
    int m_hiddenSuspendMs = defaultHiddenSuspendMs;
    QTimer m_hiddenTimer;
    bool m_suspended = false;
    int m_suspendedTrack = -1;

    void resumeDecoding();
    void forgetSuspension();
};
