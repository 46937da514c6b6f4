#include "MpegTsSender.h"

#include "VlcTestSupport.h"
#include "kvoCore/clientNetwork/RtpPortPicker.h"

MpegTsSender::MpegTsSender(const QString& clip, quint16 port) {
    m_instance = VlcTestSupport::newQuietInstance();
    m_media = libvlc_media_new_path(m_instance, clip.toUtf8().constData());
    const QString sout = QStringLiteral(":sout=#rtp{dst=127.0.0.1,port=%1,mux=ts}").arg(port);
    libvlc_media_add_option(m_media, sout.toUtf8().constData());
    libvlc_media_add_option(m_media, ":sout-keep");
    libvlc_media_add_option(m_media, ":input-repeat=20");
    m_player = libvlc_media_player_new_from_media(m_media);
    libvlc_media_player_play(m_player);
}

MpegTsSender::~MpegTsSender() {
    libvlc_media_player_stop(m_player);
    libvlc_media_player_release(m_player);
    libvlc_media_release(m_media);
    libvlc_release(m_instance);
}

QByteArray MpegTsSender::description(const QString& host, quint16 port) {
    const QString family = host.contains(QLatin1Char(':')) ? QStringLiteral("IP6") : QStringLiteral("IP4");
    return QStringLiteral("v=0\r\no=- 1 1 IN %1 %2\r\ns=Camera\r\nc=IN %1 %2\r\nt=0 0\r\n"
                          "m=video %3 RTP/AVP 33\r\na=rtpmap:33 MP2T/90000\r\n")
        .arg(family, host)
        .arg(port)
        .toUtf8();
}

quint16 MpegTsSender::freePort() {
    return KvoCore::RtpPortPicker::pick(200, QHostAddress(QHostAddress::LocalHost))
        .value_or(KvoCore::RtpPortPicker::Pair{})
        .rtp;
}
