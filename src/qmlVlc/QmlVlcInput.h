#pragma once

#include <QObject>
#include <QVariantMap>
#include <vlc/vlc.h>

class QmlVlcPlayerProxy;

class QmlVlcInput : public QObject {
    Q_OBJECT
    Q_PROPERTY(double length READ length)
    Q_PROPERTY(double fps READ fps)
    Q_PROPERTY(bool hasVout READ hasVout)
    Q_PROPERTY(unsigned state READ state)
    Q_PROPERTY(unsigned titleCount READ titleCount)
    Q_PROPERTY(unsigned chapterCount READ chapterCount)
    Q_PROPERTY(double position READ position WRITE setPosition)
    Q_PROPERTY(double time READ time WRITE setTime)
    Q_PROPERTY(double rate READ rate WRITE setRate)
    Q_PROPERTY(int title READ title WRITE setTitle)
    Q_PROPERTY(int chapter READ chapter WRITE setChapter)
public:
    explicit QmlVlcInput(QmlVlcPlayerProxy& owner) : m_owner(owner) {}

    double length() const;
    double fps() const;
    bool hasVout() const;
    unsigned state() const;
    unsigned titleCount() const;
    unsigned chapterCount() const;
    double position() const;
    void setPosition(double position);
    double time() const;
    void setTime(double time);
    double rate() const;
    void setRate(double rate);
    int title() const;
    void setTitle(int title);
    int chapter() const;
    void setChapter(int chapter);

    Q_INVOKABLE void prevChapter();
    Q_INVOKABLE void nextChapter();
    // Bytes of the media's elementary streams that the demuxer handed on so far (its bit rate is
    // the growth of this); 0 without media. libvlc's read-byte count would not do: when avformat
    // reads a network stream itself, libvlc counts only the bytes of the SDP file.
    Q_INVOKABLE double receivedBytes() const;
    // libvlc's statistics of the media as they are now (byte counts, bit rates in kB/s, pictures);
    // empty without media.
    Q_INVOKABLE QVariantMap statistics() const;

private:
    libvlc_media_player_t* mp() const;

    QmlVlcPlayerProxy& m_owner;
};
