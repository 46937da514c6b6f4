#include "ArchiveSyncController.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace ClientController {

namespace {
constexpr double kMinSpeed = 0.125;
constexpr double kMaxSpeed = 16.0;
} // namespace

ArchiveSyncController::ArchiveSyncController(QObject* parent) : QObject(parent) {
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    _clock = [elapsed] { return elapsed->elapsed(); };
    _tick.setInterval(100);
    connect(&_tick, &QTimer::timeout, this, [this] {
        Q_EMIT cursorChanged(cursor());
        emitSpread();
    });
}

ArchiveSyncController::~ArchiveSyncController() = default;

void ArchiveSyncController::setClock(Clock clock) {
    const double now = cursor();
    _clock = std::move(clock);
    _base = now;
    _baseAt = _clock();
}

double ArchiveSyncController::cursor() const {
    if (!_playing) {
        return _base;
    }
    return _base + double(_clock() - _baseAt) * _speed;
}

void ArchiveSyncController::rebase() {
    _base = cursor();
    _baseAt = _clock();
}

void ArchiveSyncController::setSpeed(double speed) {
    if (!std::isfinite(speed)) {
        return;
    }
    speed = qBound(kMinSpeed, speed, kMaxSpeed);
    if (qFuzzyCompare(speed, _speed)) {
        return;
    }
    rebase();
    _speed = speed;
    Q_EMIT speedChanged(_speed);
}

void ArchiveSyncController::setToleranceMs(int ms) {
    ms = qMax(1, ms);
    if (ms != _toleranceMs) {
        _toleranceMs = ms;
        Q_EMIT toleranceMsChanged(ms);
    }
}

void ArchiveSyncController::setSettleMs(int ms) {
    ms = qMax(0, ms);
    if (ms != _settleMs) {
        _settleMs = ms;
        Q_EMIT settleMsChanged(ms);
    }
}

void ArchiveSyncController::setTickMs(int ms) {
    ms = qMax(10, ms);
    if (ms != _tick.interval()) {
        _tick.setInterval(ms);
        Q_EMIT tickMsChanged(ms);
    }
}

void ArchiveSyncController::play() {
    if (_playing) {
        return;
    }
    rebase();
    _playing = true;
    // Paused lines report stale positions: they are given time to start again.
    const qint64 now = _clock();
    for (Line& line : _lines) {
        line.reportedAt = now;
        line.settleUntil = now + _settleMs;
    }
    _tick.start();
    Q_EMIT playingChanged(true);
}

void ArchiveSyncController::pause() {
    if (!_playing) {
        return;
    }
    rebase();
    _playing = false;
    _tick.stop();
    Q_EMIT playingChanged(false);
    Q_EMIT cursorChanged(_base);
}

void ArchiveSyncController::jump(double at) {
    if (!std::isfinite(at)) {
        return;
    }
    _base = at;
    _baseAt = _clock();
    const qint64 now = _baseAt;
    for (Line& line : _lines) {
        line.active = false;
        line.settleUntil = now + _settleMs;
    }
    // The lines go to the new moment first, so that followers of the cursor see them there already.
    Q_EMIT jumped(at);
    Q_EMIT cursorChanged(at);
    emitSpread();
}

double ArchiveSyncController::extrapolated(const Line& line, qint64 now) const {
    return _playing ? line.position + double(qMax<qint64>(0, now - line.reportedAt)) * _speed : line.position;
}

bool ArchiveSyncController::reportPosition(const QString& name, double position) {
    if (!std::isfinite(position)) {
        return false;
    }
    const qint64 now = _clock();
    const bool isNew = !_lines.contains(name);
    Line& line = _lines[name];
    if (isNew) {
        // A line that just started is given time to reach the cursor.
        line.settleUntil = now + _settleMs;
    }
    line.position = position;
    line.reportedAt = now;
    line.active = true;
    double at = cursor();
    double lead = position - at;
    // Each line is kept within half the tolerance of the cursor, so that any two lines are within it.
    const double half = _toleranceMs / 2.0;
    const bool inStep = std::abs(lead) <= half;
    if (!inStep && now >= line.settleUntil) {
        line.settleUntil = now + _settleMs;
        if (std::abs(lead) > farMs()) {
            Q_EMIT lineOutOfStep(name, at);
        } else if (lead > 0) {
            const double slowest = playingSpan(now).low;
            if (_playing && slowest - at > half) {
                // Every line is ahead: the cursor is behind (held back by a line that has caught up
                // since). It goes on from the slowest line, and only lines ahead of that one wait.
                _base = slowest;
                _baseAt = now;
                at = slowest;
                lead = position - at;
                Q_EMIT cursorChanged(_base);
            }
            if (lead > half) {
                // Waiting is exact where a jump is not: the line pauses while the cursor makes up
                // its lead, and stands still meanwhile.
                const double waitMs = lead / _speed;
                line.reportedAt = now + qint64(waitMs);
                Q_EMIT lineAhead(name, waitMs);
            }
        } else if (_playing) {
            // A camera a little behind (a slower start) holds the cursor back: the others wait for it.
            _base = position;
            _baseAt = now;
            Q_EMIT cursorChanged(_base);
        }
    }
    emitSpread();
    return inStep;
}

void ArchiveSyncController::reportIdle(const QString& name) {
    const auto it = _lines.find(name);
    if (it != _lines.end() && it->active) {
        it->active = false;
        emitSpread();
    }
}

void ArchiveSyncController::removeLine(const QString& name) {
    if (_lines.remove(name) > 0) {
        emitSpread();
    }
}

void ArchiveSyncController::clearLines() {
    _lines.clear();
    emitSpread();
}

double ArchiveSyncController::linePosition(const QString& name) const {
    const auto it = _lines.constFind(name);
    if (it == _lines.constEnd() || !it->active) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return extrapolated(*it, _clock());
}

ArchiveSyncController::Span ArchiveSyncController::playingSpan(qint64 now) const {
    Span span;
    for (const Line& line : _lines) {
        if (line.active) {
            const double at = extrapolated(line, now);
            span.low = std::min(span.low, at);
            span.high = std::max(span.high, at);
            ++span.count;
        }
    }
    return span;
}

double ArchiveSyncController::spread() const {
    const Span span = playingSpan(_clock());
    return span.count < 2 ? 0.0 : span.high - span.low;
}

void ArchiveSyncController::emitSpread() {
    const double value = spread();
    if (!qFuzzyCompare(value + 1.0, _lastSpread + 1.0)) {
        _lastSpread = value;
        Q_EMIT spreadChanged(value);
    }
}

} // namespace ClientController
