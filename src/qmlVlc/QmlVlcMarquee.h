#pragma once

#include <QObject>
#include <QString>
#include <vlc/vlc.h>

class QmlVlcPlayerProxy;

// Text drawn over the video; needs the marquee filter enabled in QmlVlcConfig.
class QmlVlcMarquee : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(unsigned color READ color WRITE setColor)
    Q_PROPERTY(unsigned opacity READ opacity WRITE setOpacity)
    Q_PROPERTY(QString position READ position WRITE setPosition)
    Q_PROPERTY(unsigned refresh READ refresh WRITE setRefresh)
    Q_PROPERTY(unsigned size READ size WRITE setSize)
    Q_PROPERTY(unsigned timeout READ timeout WRITE setTimeout)
    Q_PROPERTY(unsigned x READ x WRITE setX)
    Q_PROPERTY(unsigned y READ y WRITE setY)
public:
    explicit QmlVlcMarquee(QmlVlcPlayerProxy& owner) : m_owner(owner) {}

    // libvlc position value <-> name ("center", "top-left", ...); -1 / empty when unknown.
    static QString positionName(int position);
    static int positionValue(const QString& name);

    QString text() const;
    void setText(const QString& text);
    unsigned color() const { return get(libvlc_marquee_Color); }
    void setColor(unsigned v) { set(libvlc_marquee_Color, static_cast<int>(v)); }
    unsigned opacity() const { return get(libvlc_marquee_Opacity); }
    void setOpacity(unsigned v) { set(libvlc_marquee_Opacity, static_cast<int>(v)); }
    QString position() const { return positionName(static_cast<int>(get(libvlc_marquee_Position))); }
    void setPosition(const QString& name) { set(libvlc_marquee_Position, positionValue(name)); }
    unsigned refresh() const { return get(libvlc_marquee_Refresh); }
    void setRefresh(unsigned v) { set(libvlc_marquee_Refresh, static_cast<int>(v)); }
    unsigned size() const { return get(libvlc_marquee_Size); }
    void setSize(unsigned v) { set(libvlc_marquee_Size, static_cast<int>(v)); }
    unsigned timeout() const { return get(libvlc_marquee_Timeout); }
    void setTimeout(unsigned v) { set(libvlc_marquee_Timeout, static_cast<int>(v)); }
    unsigned x() const { return get(libvlc_marquee_X); }
    void setX(unsigned v) { set(libvlc_marquee_X, static_cast<int>(v)); }
    unsigned y() const { return get(libvlc_marquee_Y); }
    void setY(unsigned v) { set(libvlc_marquee_Y, static_cast<int>(v)); }

    Q_INVOKABLE void enable() { set(libvlc_marquee_Enable, 1); }
    Q_INVOKABLE void disable() { set(libvlc_marquee_Enable, 0); }

private:
    unsigned get(libvlc_video_marquee_option_t option) const;
    void set(libvlc_video_marquee_option_t option, int value);

    QmlVlcPlayerProxy& m_owner;
};
