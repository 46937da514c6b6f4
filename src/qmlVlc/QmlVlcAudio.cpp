#include "QmlVlcAudio.h"

#include "qmlVlc/QmlVlcPlayerProxy.h"

QmlVlcAudio::QmlVlcAudio(QmlVlcPlayerProxy& owner) : m_owner(owner) {
    m_owner.player().audio().register_callback(this);
}

QmlVlcAudio::~QmlVlcAudio() {
    m_owner.player().audio().unregister_callback(this);
}

void QmlVlcAudio::audio_event(vlc::audio_event_e e) {
    if (e == vlc::mute_changed) {
        Q_EMIT muteChanged();
    } else if (e == vlc::volume_changed) {
        Q_EMIT volumeChanged();
    }
}

unsigned QmlVlcAudio::count() const {
    return m_owner.player().audio().track_count();
}

int QmlVlcAudio::track() const {
    return m_owner.player().audio().get_track();
}

void QmlVlcAudio::setTrack(int track) {
    m_owner.player().audio().set_track(track);
}

bool QmlVlcAudio::mute() const {
    return m_owner.player().audio().is_muted();
}

void QmlVlcAudio::setMute(bool mute) {
    m_owner.player().audio().set_mute(mute);
}

unsigned QmlVlcAudio::volume() const {
    return m_owner.player().audio().get_volume();
}

void QmlVlcAudio::setVolume(unsigned volume) {
    m_owner.player().audio().set_volume(volume);
}

QmlVlcAudio::Output QmlVlcAudio::channel() const {
    return static_cast<Output>(m_owner.player().audio().get_channel());
}

void QmlVlcAudio::setChannel(Output channel) {
    m_owner.player().audio().set_channel(channel);
}

int QmlVlcAudio::delay() const {
    return static_cast<int>(m_owner.player().audio().get_delay());
}

void QmlVlcAudio::setDelay(int delay) {
    m_owner.player().audio().set_delay(delay);
}

void QmlVlcAudio::toggleMute() {
    m_owner.player().audio().toggle_mute();
}

QString QmlVlcAudio::description(unsigned idx) const {
    return QString::fromStdString(m_owner.player().audio().track_name(static_cast<int>(idx)));
}
