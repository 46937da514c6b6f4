#pragma once

#include <QHostAddress>
#include <QtGlobal>
#include <optional>

namespace KvoCore {

// Local UDP ports for one RTP stream: an even port for RTP and the next one for RTCP.
class RtpPortPicker {
public:
    struct Pair {
        quint16 rtp = 0;
        quint16 rtcp = 0;
    };

    // Binds free ports on `host` until an even port whose successor is free too turns up, then
    // releases both for the receiver. Gives up after `maxAttempts` binds. Serialised process-wide,
    // so that two streams do not get the same pair.
    static std::optional<Pair> pick(int maxAttempts = 200,
                                    const QHostAddress& host = QHostAddress(QHostAddress::AnyIPv4));
};

} // namespace KvoCore
