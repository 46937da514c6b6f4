#include "QmlVlcPlayerProxy.h"

#include "qmlVlc/QmlVlcConfig.h"
#include "qmlVlc/QmlVlcMemoryTrim.h"

#include <QCoreApplication>
#include <QThread>
#include <QtGlobal>
#include <algorithm>
#include <string>
#include <vector>

QmlVlcPlayerProxy::QmlVlcPlayerProxy(std::shared_ptr<vlc::playlist_player_core> player, QObject* parent)
    : QmlVlcVideoSource(player, parent), m_player(std::move(player)), m_audio(*this), m_input(*this),
      m_playlist(*this), m_subtitle(*this), m_video(*this), m_currentMedia(*this) {
    m_errorTimer.setSingleShot(true);
    m_errorTimer.setInterval(1000);
    // After an error, move on to the next item a second later unless the media changes meanwhile.
    connect(this, &QmlVlcPlayerProxy::mediaPlayerEncounteredError, &m_errorTimer,
            qOverload<>(&QTimer::start));
    connect(&m_errorTimer, &QTimer::timeout, this, &QmlVlcPlayerProxy::currentItemEndReached);
    connect(this, &QmlVlcPlayerProxy::mediaPlayerEndReached, &m_errorTimer, &QTimer::stop);
    connect(this, &QmlVlcPlayerProxy::mediaPlayerEndReached, this, &QmlVlcPlayerProxy::currentItemEndReached);
    connect(this, &QmlVlcPlayerProxy::mediaPlayerMediaChanged, &m_errorTimer, &QTimer::stop);
    connect(this, &QmlVlcPlayerProxy::mediaPlayerMediaChanged, &m_subtitle, &QmlVlcSubtitle::reset);
    connect(&m_audio, &QmlVlcAudio::volumeChanged, this, &QmlVlcPlayerProxy::volumeChanged);

    m_hiddenTimer.setSingleShot(true);
    connect(&m_hiddenTimer, &QTimer::timeout, this, &QmlVlcPlayerProxy::suspendDecoding);
    connect(&videoOutput(), &QmlVlcVideoOutput::seenChanged, this, &QmlVlcPlayerProxy::updateSuspension);
    connect(this, &QmlVlcPlayerProxy::stateChanged, this, &QmlVlcPlayerProxy::updateSuspension);
    // A new media (or none) starts with its video track on.
    connect(this, &QmlVlcPlayerProxy::mediaPlayerMediaChanged, this, &QmlVlcPlayerProxy::forgetSuspension);
    connect(this, &QmlVlcPlayerProxy::mediaPlayerStopped, this, &QmlVlcPlayerProxy::forgetSuspension);
    m_player->set_media_options_provider([this] {
        std::vector<std::string> options;
        for (const QString& option : mediaOptions()) {
            options.push_back(option.toStdString());
        }
        return options;
    });
}

void QmlVlcPlayerProxy::setLiveProfile(bool live) {
    if (live == m_liveProfile) {
        return;
    }
    m_liveProfile = live;
    updateSuspension();
    Q_EMIT liveProfileChanged();
}

void QmlVlcPlayerProxy::setArchiveStreamProfile(bool on) {
    if (on == m_archiveStreamProfile) {
        return;
    }
    m_archiveStreamProfile = on;
    m_player->set_rtp_access(on);
    Q_EMIT archiveStreamProfileChanged();
}

int QmlVlcPlayerProxy::archiveStreamDelayMs() const {
    return QmlVlcConfig::archiveStreamCachingMs + QmlVlcConfig::archiveStreamTransitMs;
}

QStringList QmlVlcPlayerProxy::mediaOptions() const {
    if (m_liveProfile) {
        return QmlVlcConfig::instance().liveMediaOptions();
    }
    return m_archiveStreamProfile ? QmlVlcConfig::instance().archiveStreamMediaOptions() : QStringList();
}

void QmlVlcPlayerProxy::setHiddenSuspendMs(int ms) {
    ms = std::max(0, ms);
    if (ms == m_hiddenSuspendMs) {
        return;
    }
    m_hiddenSuspendMs = ms;
    m_hiddenTimer.stop();
    updateSuspension();
    Q_EMIT hiddenSuspendMsChanged();
}

void QmlVlcPlayerProxy::updateSuspension() {
    const bool seen = videoOutput().isSeen();
    if (seen || !m_liveProfile) {
        m_hiddenTimer.stop();
        resumeDecoding();
        return;
    }
    if (!m_suspended && m_hiddenSuspendMs > 0 && state() == Playing && !m_hiddenTimer.isActive()) {
        m_hiddenTimer.start(m_hiddenSuspendMs);
    }
}

void QmlVlcPlayerProxy::suspendDecoding() {
    libvlc_media_player_t* mp = m_player->handle().player();
    if (m_suspended || !mp || videoOutput().isSeen() || state() != Playing) {
        return;
    }
    const int track = libvlc_video_get_track(mp);
    if (track < 0) {
        return;
    }
    // Unselecting the video track ends its decoder; the stream is still received, so showing the
    // tile again needs no new stream from the server, only the next key frame.
    videoOutput().setHoldPicture(true);
    if (libvlc_video_set_track(mp, -1) != 0) {
        videoOutput().setHoldPicture(false);
        return;
    }
    m_suspendedTrack = track;
    m_suspended = true;
    Q_EMIT decodingChanged();
}

void QmlVlcPlayerProxy::resumeDecoding() {
    if (!m_suspended) {
        return;
    }
    if (libvlc_media_player_t* mp = m_player->handle().player()) {
        libvlc_video_set_track(mp, m_suspendedTrack);
    }
    videoOutput().setHoldPicture(false);
    m_suspended = false;
    m_suspendedTrack = -1;
    Q_EMIT decodingChanged();
}

void QmlVlcPlayerProxy::forgetSuspension() {
    m_hiddenTimer.stop();
    if (m_suspended) {
        videoOutput().setHoldPicture(false);
        m_suspended = false;
        m_suspendedTrack = -1;
        Q_EMIT decodingChanged();
    }
}

QmlVlcPlayerProxy::~QmlVlcPlayerProxy() {
    closePlayer();
}

void QmlVlcPlayerProxy::openPlayer() {
    m_instance = QmlVlcConfig::instance().acquireInstance();
    if (!m_instance) {
        qCritical("Couldn't create libvlc instance. Check vlc plugins dir.");
        return;
    }
    m_player->open(m_instance);
}

void QmlVlcPlayerProxy::closePlayer() {
    if (m_listening) {
        m_player->unregister_callback(this);
        m_listening = false;
    }
    // Stop the output first: libvlc's last picture callbacks must not outlive the player.
    closeVideoOutput();
    m_player->close();
    if (m_instance) {
        QmlVlcConfig::instance().releaseInstance(m_instance);
        m_instance = nullptr;
    }
}

void QmlVlcPlayerProxy::classBegin() {
    if (!m_listening) {
        m_player->register_callback(this);
        m_listening = true;
    }
    QmlVlcVideoSource::classBegin();
}

void QmlVlcPlayerProxy::media_player_event(const libvlc_event_t* e) {
    // libvlc thread: copy and hand over. "Opening" comes from the player's new input thread before it
    // starts its demuxer and decoders, which inherit the priority set here.
    // Never the window's own thread, should libvlc ever send it from the caller of play().
    if (e->type == libvlc_MediaPlayerOpening && QThread::currentThread() != thread()) {
        QmlVlcConfig::instance().lowerCallingThreadPriority();
    }
    QCoreApplication::postEvent(this, new LibvlcEvent(*e));
}

bool QmlVlcPlayerProxy::event(QEvent* e) {
    if (e->type() == LibvlcEvent::eventType) {
        handleLibvlcEvent(*static_cast<LibvlcEvent*>(e));
        return true;
    }
    return QmlVlcVideoSource::event(e);
}

void QmlVlcPlayerProxy::handleLibvlcEvent(const LibvlcEvent& le) {
    const libvlc_event_t& e = le.libvlcEvent();
    switch (e.type) {
    case libvlc_MediaPlayerMediaChanged:
        Q_EMIT mediaPlayerMediaChanged();
        Q_EMIT m_playlist.currentItemChanged();
        break;
    case libvlc_MediaPlayerNothingSpecial:
        Q_EMIT mediaPlayerNothingSpecial();
        Q_EMIT stateChanged(NothingSpecial);
        break;
    case libvlc_MediaPlayerOpening:
        Q_EMIT mediaPlayerOpening();
        Q_EMIT stateChanged(Opening);
        break;
    case libvlc_MediaPlayerBuffering:
        Q_EMIT mediaPlayerBuffering(e.u.media_player_buffering.new_cache);
        Q_EMIT stateChanged(Buffering);
        break;
    case libvlc_MediaPlayerPlaying:
        Q_EMIT mediaPlayerPlaying();
        Q_EMIT stateChanged(Playing);
        Q_EMIT playingChanged();
        break;
    case libvlc_MediaPlayerPaused:
        Q_EMIT mediaPlayerPaused();
        Q_EMIT stateChanged(Paused);
        Q_EMIT playingChanged();
        break;
    case libvlc_MediaPlayerStopped:
        QmlVlcMemoryTrim::instance().playerEnded();
        Q_EMIT mediaPlayerStopped();
        Q_EMIT stateChanged(Stopped);
        Q_EMIT playingChanged();
        break;
    case libvlc_MediaPlayerForward:
        Q_EMIT mediaPlayerForward();
        break;
    case libvlc_MediaPlayerBackward:
        Q_EMIT mediaPlayerBackward();
        break;
    case libvlc_MediaPlayerEndReached:
        QmlVlcMemoryTrim::instance().playerEnded();
        Q_EMIT mediaPlayerEndReached();
        Q_EMIT stateChanged(Ended);
        Q_EMIT playingChanged();
        break;
    case libvlc_MediaPlayerEncounteredError:
        Q_EMIT mediaPlayerEncounteredError();
        Q_EMIT stateChanged(Error);
        Q_EMIT playingChanged();
        break;
    case libvlc_MediaPlayerTimeChanged:
        Q_EMIT mediaPlayerTimeChanged(static_cast<double>(e.u.media_player_time_changed.new_time));
        break;
    case libvlc_MediaPlayerPositionChanged:
        Q_EMIT mediaPlayerPositionChanged(e.u.media_player_position_changed.new_position);
        break;
    case libvlc_MediaPlayerSeekableChanged:
        Q_EMIT mediaPlayerSeekableChanged(e.u.media_player_seekable_changed.new_seekable != 0);
        break;
    case libvlc_MediaPlayerPausableChanged:
        Q_EMIT mediaPlayerPausableChanged(e.u.media_player_pausable_changed.new_pausable != 0);
        break;
    case libvlc_MediaPlayerTitleChanged:
        Q_EMIT mediaPlayerTitleChanged();
        Q_EMIT m_currentMedia.titleChanged();
        break;
    case libvlc_MediaPlayerLengthChanged:
        Q_EMIT mediaPlayerLengthChanged(static_cast<double>(e.u.media_player_length_changed.new_length));
        break;
    default:
        break;
    }
}

void QmlVlcPlayerProxy::currentItemEndReached() {
    if (m_player->get_playback_mode() != QmlVlcPlaylist::Single) {
        m_player->next();
    }
}

QString QmlVlcPlayerProxy::vlcVersion() const {
    return QString::fromLatin1(libvlc_get_version());
}

bool QmlVlcPlayerProxy::isPlaying() const {
    return state() == Playing;
}

double QmlVlcPlayerProxy::length() const {
    return static_cast<double>(m_player->playback().get_length());
}

QmlVlcPlayerProxy::State QmlVlcPlayerProxy::state() const {
    return static_cast<State>(m_player->get_state());
}

QString QmlVlcPlayerProxy::mrl() const {
    const vlc::media_ref media = m_player->current_media();
    return media.empty() ? QString() : QString::fromStdString(media.mrl());
}

void QmlVlcPlayerProxy::setMrl(const QString& mrl) {
    play(mrl);
}

double QmlVlcPlayerProxy::position() const {
    return m_player->playback().get_position();
}

void QmlVlcPlayerProxy::setPosition(double position) {
    m_player->playback().set_position(static_cast<float>(position));
}

double QmlVlcPlayerProxy::time() const {
    return static_cast<double>(m_player->playback().get_time());
}

void QmlVlcPlayerProxy::setTime(double time) {
    m_player->playback().set_time(static_cast<int64_t>(time));
}

unsigned QmlVlcPlayerProxy::volume() const {
    return m_player->audio().get_volume();
}

void QmlVlcPlayerProxy::setVolume(unsigned volume) {
    m_player->audio().set_volume(volume);
}

void QmlVlcPlayerProxy::play(const QString& mrl) {
    m_player->clear_items();
    const int index = m_player->add_media(mrl.toUtf8().constData(), 0, nullptr, 0, nullptr);
    if (index >= 0) {
        m_player->play(static_cast<unsigned>(index));
    }
}

void QmlVlcPlayerProxy::play() {
    m_player->play();
}

void QmlVlcPlayerProxy::pause() {
    m_player->pause();
}

void QmlVlcPlayerProxy::togglePause() {
    m_player->toggle_pause();
}

void QmlVlcPlayerProxy::stop() {
    m_player->stop();
}

void QmlVlcPlayerProxy::mute() {
    m_player->audio().set_mute(true);
}

void QmlVlcPlayerProxy::unMute() {
    m_player->audio().set_mute(false);
}

void QmlVlcPlayerProxy::toggleMute() {
    m_player->audio().toggle_mute();
}
