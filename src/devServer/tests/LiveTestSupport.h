#pragma once

// Helpers of the live stream tests: waiting on the event loop and finding loopback ports for RTP.
#include <QByteArray>
#include <QtGlobal>
#include <functional>
#include <vector>

namespace LiveTestSupport {

// Runs the event loop until `done` holds or time runs out; `done` may take records, so it is asked
// once per turn and its last answer is the result.
bool waitUntil(const std::function<bool()>& done, int timeoutMs);

// A free even UDP port on loopback with the next one free too (RTP and RTCP); 0 when none is found.
quint16 freeRtpPort();

// A video picture that starts in an RTP datagram: its presentation time (seconds, from the 90 kHz
// clock) and whether it is a key frame (its first TS packet carries an H.264 sequence parameter set).
struct RtpPicture {
    double pts = 0;
    bool keyFrame = false;
};
// The video pictures that start in one RTP datagram carrying MPEG-TS (payload 33), in the order
// they come.
std::vector<RtpPicture> videoPicturesInRtp(const QByteArray& datagram);

} // namespace LiveTestSupport
