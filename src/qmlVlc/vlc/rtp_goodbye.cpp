#include "rtp_goodbye.h"

#include <QHostAddress>
#include <QUdpSocket>

namespace vlc {

void rtp_goodbye::send(const stream_description& description) {
    if (description.ports().empty()) {
        return;
    }
    // Version 2, one source, packet type 203 (BYE), 2 more words: source 0 and the reason "bye".
    // avformat takes no packet shorter than an RTP header (12 bytes).
    static const char bye[] = {'\x81', '\xcb', '\x00', '\x02', '\x00', '\x00',
                               '\x00', '\x00', '\x03', 'b',    'y',    'e'};
    const QHostAddress to(description.ipv6() ? QHostAddress::LocalHostIPv6 : QHostAddress::LocalHost);
    QUdpSocket socket;
    for (const int port : description.ports()) {
        for (const int target : {port, port + 1}) {
            if (target < 65536) {
                socket.writeDatagram(bye, sizeof bye, to, static_cast<quint16>(target));
            }
        }
    }
}

} // namespace vlc
