#pragma once

#include "qmlVlc/vlc/audio_events_callback.h"

#include <QObject>
#include <QString>

class QmlVlcPlayerProxy;

class QmlVlcAudio : public QObject, private vlc::audio_events_callback {
    Q_OBJECT
    Q_PROPERTY(unsigned count READ count)
    Q_PROPERTY(int track READ track WRITE setTrack)
    Q_PROPERTY(bool mute READ mute WRITE setMute NOTIFY muteChanged)
    Q_PROPERTY(unsigned volume READ volume WRITE setVolume NOTIFY volumeChanged)
    Q_PROPERTY(Output channel READ channel WRITE setChannel)
    Q_PROPERTY(int delay READ delay WRITE setDelay)
public:
    enum Output {
        Stereo = 1,
        ReverseStereo = 2,
        Left = 3,
        Right = 4,
        Dolby = 5,
    };
    Q_ENUM(Output)

    explicit QmlVlcAudio(QmlVlcPlayerProxy& owner);
    ~QmlVlcAudio() override;

    unsigned count() const;
    int track() const;
    void setTrack(int track);
    bool mute() const;
    void setMute(bool mute);
    unsigned volume() const;
    void setVolume(unsigned volume);
    Output channel() const;
    void setChannel(Output channel);
    int delay() const;
    void setDelay(int delay);

    Q_INVOKABLE void toggleMute();
    Q_INVOKABLE QString description(unsigned idx) const;

Q_SIGNALS:
    void muteChanged();
    void volumeChanged();

private:
    void audio_event(vlc::audio_event_e e) override;

    QmlVlcPlayerProxy& m_owner;
};
