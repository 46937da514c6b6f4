#pragma once

#include <QObject>
#include <QString>
#include <vlc/vlc.h>

class QmlVlcPlayerProxy;

// Picture drawn over the video; needs the logo filter enabled in QmlVlcConfig.
class QmlVlcLogo : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString position READ position WRITE setPosition)
    Q_PROPERTY(unsigned opacity READ opacity WRITE setOpacity)
    Q_PROPERTY(unsigned delay READ delay WRITE setDelay)
    Q_PROPERTY(int repeat READ repeat WRITE setRepeat)
    Q_PROPERTY(unsigned x READ x WRITE setX)
    Q_PROPERTY(unsigned y READ y WRITE setY)
public:
    explicit QmlVlcLogo(QmlVlcPlayerProxy& owner) : m_owner(owner) {}

    QString position() const;
    void setPosition(const QString& name);
    unsigned opacity() const { return static_cast<unsigned>(get(libvlc_logo_opacity)); }
    void setOpacity(unsigned v) { set(libvlc_logo_opacity, static_cast<int>(v)); }
    unsigned delay() const { return static_cast<unsigned>(get(libvlc_logo_delay)); }
    void setDelay(unsigned v) { set(libvlc_logo_delay, static_cast<int>(v)); }
    int repeat() const { return get(libvlc_logo_repeat); }
    void setRepeat(int v) { set(libvlc_logo_repeat, v); }
    unsigned x() const { return static_cast<unsigned>(get(libvlc_logo_x)); }
    void setX(unsigned v) { set(libvlc_logo_x, static_cast<int>(v)); }
    unsigned y() const { return static_cast<unsigned>(get(libvlc_logo_y)); }
    void setY(unsigned v) { set(libvlc_logo_y, static_cast<int>(v)); }

    Q_INVOKABLE void enable() { set(libvlc_logo_enable, 1); }
    Q_INVOKABLE void disable() { set(libvlc_logo_enable, 0); }
    Q_INVOKABLE void file(const QString& path);

private:
    int get(libvlc_video_logo_option_t option) const;
    void set(libvlc_video_logo_option_t option, int value);

    QmlVlcPlayerProxy& m_owner;
};
