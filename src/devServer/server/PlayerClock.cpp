#include "PlayerClock.h"

#include <algorithm>

namespace DevServer {

void PlayerClock::reset() {
    _lastTime = -1;
    _lastAt = 0;
    _leadCount = 0;
    _nextLead = 0;
}

void PlayerClock::sample(qint64 time, qint64 at) {
    if (time == _lastTime) {
        return;
    }
    if (_lastTime >= 0 && time < _lastTime) {
        // Went back (a seek nobody told of): the steps before tell nothing of the new pace.
        _leadCount = 0;
        _nextLead = 0;
    } else if (_lastTime >= 0) {
        // A step seen within a sample of when it came; the first value read is not a step, it was
        // there already for an unknown while.
        _leads[std::size_t(_nextLead)] = time - at;
        _nextLead = (_nextLead + 1) % int(_leads.size());
        _leadCount = std::min(_leadCount + 1, int(_leads.size()));
    }
    _lastTime = time;
    _lastAt = at;
}

qint64 PlayerClock::estimate(qint64 now) const {
    if (_lastTime < 0) {
        return -1;
    }
    if (_leadCount == 0) {
        return _lastTime + std::clamp<qint64>(now - _lastAt, 0, unknownPaceAheadMs);
    }
    const qint64 lead = *std::max_element(_leads.begin(), _leads.begin() + _leadCount);
    return std::clamp(now + lead, _lastTime, _lastTime + maxAheadMs);
}

} // namespace DevServer
