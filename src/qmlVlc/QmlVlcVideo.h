#pragma once

#include "qmlVlc/QmlVlcDeinterlace.h"
#include "qmlVlc/QmlVlcLogo.h"
#include "qmlVlc/QmlVlcMarquee.h"

#include <QObject>
#include <QString>

class QmlVlcPlayerProxy;

class QmlVlcVideo : public QObject {
    Q_OBJECT
    Q_PROPERTY(unsigned width READ width)
    Q_PROPERTY(unsigned height READ height)
    Q_PROPERTY(unsigned count READ count)
    Q_PROPERTY(int track READ track WRITE setTrack)
    Q_PROPERTY(QString aspectRatio READ aspectRatio WRITE setAspectRatio)
    Q_PROPERTY(QString crop READ crop WRITE setCrop)
    Q_PROPERTY(float contrast READ contrast WRITE setContrast)
    Q_PROPERTY(float brightness READ brightness WRITE setBrightness)
    Q_PROPERTY(int hue READ hue WRITE setHue)
    Q_PROPERTY(float saturation READ saturation WRITE setSaturation)
    Q_PROPERTY(float gamma READ gamma WRITE setGamma)
    Q_PROPERTY(int teletext READ teletext WRITE setTeletext)
    Q_PROPERTY(QmlVlcMarquee* marquee READ marquee CONSTANT)
    Q_PROPERTY(QmlVlcLogo* logo READ logo CONSTANT)
    Q_PROPERTY(QmlVlcDeinterlace* deinterlace READ deinterlace CONSTANT)
public:
    explicit QmlVlcVideo(QmlVlcPlayerProxy& owner);

    unsigned width() const;
    unsigned height() const;
    unsigned count() const;
    int track() const;
    void setTrack(int track);
    QString aspectRatio() const;
    void setAspectRatio(const QString& ratio);
    QString crop() const;
    void setCrop(const QString& geometry);
    float contrast() const { return adjustFloat(libvlc_adjust_Contrast); }
    void setContrast(float v) { setAdjustFloat(libvlc_adjust_Contrast, v); }
    float brightness() const { return adjustFloat(libvlc_adjust_Brightness); }
    void setBrightness(float v) { setAdjustFloat(libvlc_adjust_Brightness, v); }
    int hue() const;
    void setHue(int v);
    float saturation() const { return adjustFloat(libvlc_adjust_Saturation); }
    void setSaturation(float v) { setAdjustFloat(libvlc_adjust_Saturation, v); }
    float gamma() const { return adjustFloat(libvlc_adjust_Gamma); }
    void setGamma(float v) { setAdjustFloat(libvlc_adjust_Gamma, v); }
    int teletext() const;
    void setTeletext(int page);

    QmlVlcMarquee* marquee() { return &m_marquee; }
    QmlVlcLogo* logo() { return &m_logo; }
    QmlVlcDeinterlace* deinterlace() { return &m_deinterlace; }

    Q_INVOKABLE void toggleTeletext();

private:
    float adjustFloat(libvlc_video_adjust_option_t option) const;
    void setAdjustFloat(libvlc_video_adjust_option_t option, float value);
    // Size from the video output, else from the media's tracks; never parses (that would block).
    void size(unsigned* width, unsigned* height) const;

    QmlVlcPlayerProxy& m_owner;
    QmlVlcMarquee m_marquee;
    QmlVlcLogo m_logo;
    QmlVlcDeinterlace m_deinterlace;
};
