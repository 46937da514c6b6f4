#include "LiveTestSupport.h"

#include "kvoCore/clientNetwork/RtpPortPicker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QThread>

namespace LiveTestSupport {

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        if (done()) {
            return true;
        }
        if (timer.elapsed() >= timeoutMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

quint16 freeRtpPort() {
    return KvoCore::RtpPortPicker::pick(200, QHostAddress(QHostAddress::LocalHost))
        .value_or(KvoCore::RtpPortPicker::Pair{})
        .rtp;
}

std::vector<RtpPicture> videoPicturesInRtp(const QByteArray& datagram) {
    constexpr int rtpHeader = 12;
    constexpr int packetSize = 188;
    std::vector<RtpPicture> pictures;
    const auto byte = [&](int at) { return quint8(datagram.at(at)); };
    for (int at = rtpHeader; at + packetSize <= datagram.size(); at += packetSize) {
        const bool unitStart = byte(at) == 0x47 && (byte(at + 1) & 0x40) != 0;
        const int adaptation = (byte(at + 3) >> 4) & 3;
        if (!unitStart || (adaptation & 1) == 0) {
            continue;
        }
        int pes = at + 4 + ((adaptation & 2) != 0 ? 1 + byte(at + 4) : 0);
        // Start code, a video stream id (0xE0-0xEF) and a PTS flag.
        if (pes + 14 > at + packetSize || byte(pes) != 0 || byte(pes + 1) != 0 || byte(pes + 2) != 1 ||
            (byte(pes + 3) & 0xF0) != 0xE0 || (byte(pes + 7) & 0x80) == 0) {
            continue;
        }
        const int payload = pes + 9 + byte(pes + 8);
        pes += 9;
        const quint64 pts = (quint64(byte(pes) >> 1) & 7) << 30 | quint64(byte(pes + 1)) << 22 |
                            quint64(byte(pes + 2) >> 1) << 15 | quint64(byte(pes + 3)) << 7 |
                            quint64(byte(pes + 4) >> 1);
        RtpPicture picture{double(pts) / 90000.0, false};
        for (int nal = payload; nal + 3 < at + packetSize && !picture.keyFrame; ++nal) {
            picture.keyFrame =
                byte(nal) == 0 && byte(nal + 1) == 0 && byte(nal + 2) == 1 && (byte(nal + 3) & 0x1F) == 7;
        }
        pictures.push_back(picture);
    }
    return pictures;
}

} // namespace LiveTestSupport
