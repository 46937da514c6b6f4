#pragma once

#include <QString>
#include <vlc/vlc.h>

// libvlc's stream output sends a clip, repeated, as MPEG-TS over RTP to a loopback port, as the
// development server sends a camera.
class MpegTsSender {
public:
    MpegTsSender(const QString& clip, quint16 port);
    ~MpegTsSender();
    MpegTsSender(const MpegTsSender&) = delete;
    MpegTsSender& operator=(const MpegTsSender&) = delete;

    // The description the server writes for such a stream (payload type 33).
    static QByteArray description(const QString& host, quint16 port);
    // A free even loopback port for RTP (with the next one for RTCP); 0 when none is found.
    static quint16 freePort();

private:
    libvlc_instance_t* m_instance = nullptr;
    libvlc_media_t* m_media = nullptr;
    libvlc_media_player_t* m_player = nullptr;
};
