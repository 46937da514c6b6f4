#pragma once

#include <QtGlobal>
#include <array>

namespace DevServer {

// Where a libvlc player is in its media between the steps of its time. libvlc moves a player's time
// in steps of a quarter or half a second, each seen up to a step late; a position read from it
// stands still for a quarter second at a time and a viewer that follows it jerks back and forth.
// The steps seen as they came tell the player's pace: of the last few, the one seen soonest after
// it happened (the largest time less the moment it was seen) gives the time between steps.
class PlayerClock {
public:
    // A new media, a seek, a pause or a resume: what was seen so far no longer tells the pace.
    void reset();
    // The player's time `time` as read at `at` (ms of one monotonic clock), read often.
    void sample(qint64 time, qint64 at);
    // The last time read, -1 before any.
    qint64 lastTime() const { return _lastTime; }
    // The player's time at `now` while it plays; -1 before any was read. Never less than the last
    // time read, and never more than one long step beyond it (a player that stalls is not run on).
    qint64 estimate(qint64 now) const;

    // Furthest the estimate runs beyond the last time read.
    static constexpr qint64 maxAheadMs = 750;
    // Before the pace is known: at most this beyond the last time read.
    static constexpr qint64 unknownPaceAheadMs = 250;

private:
    qint64 _lastTime = -1;
    qint64 _lastAt = 0;
    // Time less the moment seen, of the last steps (about two seconds of them).
    std::array<qint64, 4> _leads{};
    int _leadCount = 0;
    int _nextLead = 0;
};

} // namespace DevServer
