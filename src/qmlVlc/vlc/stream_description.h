#pragma once

#include <string>
#include <vector>

namespace vlc {

// What a player needs to know of a stream-description (SDP) file to choose how libvlc opens it.
//
// MPEG-TS over RTP with the static payload type 33 is opened with libvlc's own RTP access, which
// starts at once; libavformat would first probe the stream for about a second, one stream after
// another under its process-wide lock. Every other description keeps the avformat demuxer.
class stream_description {
public:
    // Reads `mrl` ("file://" URL or local path ending in ".sdp"); an unreadable or other file gives
    // a description without an RTP access.
    static stream_description from_mrl(const std::string& mrl);
    // Parses the text of a description.
    static stream_description parse(const std::string& text);
    // Local path of an ".sdp" MRL (query and fragment removed, "file://" decoded); empty for other MRLs.
    static std::string sdp_path(const std::string& mrl);

    // The MRL of libvlc's RTP access for this stream ("rtp://@:PORT", "rtp://@[::]:PORT" for IPv6),
    // or empty when the description must go through avformat.
    const std::string& rtp_access_mrl() const { return m_rtpMrl; }
    // The local ports the media of the description arrive on (its "m=" lines), and whether they
    // are IPv6 ("c=IN IP6").
    const std::vector<int>& ports() const { return m_ports; }
    bool ipv6() const { return m_ipv6; }

    // Whether players open such streams with the RTP access (off: every ".sdp" goes through avformat).
    // Off by default until a tile is known to notice the end of a stream read this way.
    static void set_rtp_access_enabled(bool enabled);
    static bool rtp_access_enabled();

private:
    std::string m_rtpMrl;
    std::vector<int> m_ports;
    bool m_ipv6 = false;
};

} // namespace vlc
