#pragma once

#include "qmlVlc/vlc/stream_description.h"

namespace vlc {

// Ends the reading of an RTP stream on this machine with an RTCP BYE to each of its ports (RTP and
// RTCP). avformat's reader of a stream that stopped or never came waits up to 10 s for packets and
// cannot be interrupted by libvlc, so stopping its player would block for that long; after a BYE
// it ends at once. libvlc's own RTP access ignores the packet.
class rtp_goodbye {
public:
    static void send(const stream_description& description);
};

} // namespace vlc
