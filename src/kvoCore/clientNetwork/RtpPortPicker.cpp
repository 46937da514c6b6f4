#include "kvoCore/clientNetwork/RtpPortPicker.h"

#include <QUdpSocket>
#include <mutex>

namespace KvoCore {

std::optional<RtpPortPicker::Pair> RtpPortPicker::pick(int maxAttempts, const QHostAddress& host) {
    static std::mutex lock;
    const std::lock_guard<std::mutex> guard(lock);
    for (int attempt = 0; attempt < maxAttempts; ++attempt) {
        QUdpSocket rtp;
        if (!rtp.bind(host, 0, QAbstractSocket::DontShareAddress)) {
            continue;
        }
        const quint16 port = rtp.localPort();
        if (port % 2 != 0) {
            continue;
        }
        // The RTCP port must be free as well, or the receiver could not get its reports.
        QUdpSocket rtcp;
        if (!rtcp.bind(host, static_cast<quint16>(port + 1), QAbstractSocket::DontShareAddress)) {
            continue;
        }
        rtp.close();
        rtcp.close();
        return Pair{port, static_cast<quint16>(port + 1)};
    }
    return std::nullopt;
}

} // namespace KvoCore
