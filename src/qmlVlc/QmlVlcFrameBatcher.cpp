#include "QmlVlcFrameBatcher.h"

#include "qmlVlc/QmlVlcVideoOutput.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <algorithm>

namespace {

QPointer<QmlVlcFrameBatcher>& theBatcher() {
    static QPointer<QmlVlcFrameBatcher> batcher;
    return batcher;
}

} // namespace

QmlVlcFrameBatcher* QmlVlcFrameBatcher::instance() {
    QPointer<QmlVlcFrameBatcher>& batcher = theBatcher();
    if (!batcher && QCoreApplication::instance()) {
        // Owned by the application, so that its timer goes while the event loop still exists.
        batcher = new QmlVlcFrameBatcher(QCoreApplication::instance());
    }
    return batcher;
}

QmlVlcFrameBatcher* QmlVlcFrameBatcher::existing() {
    return theBatcher();
}

QmlVlcFrameBatcher::QmlVlcFrameBatcher(QObject* parent) : QObject(parent) {
    m_clock.start();
    m_deadline.setSingleShot(true);
    m_deadline.setTimerType(Qt::PreciseTimer);
    connect(&m_deadline, &QTimer::timeout, this, &QmlVlcFrameBatcher::flush);
}

QmlVlcFrameBatcher::Entry& QmlVlcFrameBatcher::entryFor(QmlVlcVideoOutput* output) {
    for (Entry& entry : m_entries) {
        if (entry.output == output) {
            return entry;
        }
    }
    m_entries.push_back(Entry{output});
    return m_entries.back();
}

void QmlVlcFrameBatcher::setTiming(int maxDelayMs, int activeWindowMs) {
    m_maxDelayMs = std::max(1, maxDelayMs);
    m_activeWindowMs = std::max(1, activeWindowMs);
}

int QmlVlcFrameBatcher::pendingCount() const {
    return int(std::count_if(m_entries.begin(), m_entries.end(), [](const Entry& e) { return e.pending; }));
}

bool QmlVlcFrameBatcher::isActive(const Entry& entry, qint64 now) const {
    return entry.lastFrameMs >= 0 && now - entry.lastFrameMs <= m_activeWindowMs;
}

int QmlVlcFrameBatcher::delayMs(qint64 now) const {
    // Three quarters of the shortest picture interval among the playing outputs: the batch is shown
    // before any of them delivers its next picture.
    double delay = m_maxDelayMs;
    for (const Entry& entry : m_entries) {
        if (entry.intervalMs > 0 && isActive(entry, now)) {
            delay = std::min(delay, entry.intervalMs * 0.75);
        }
    }
    return std::max(1, int(delay));
}

void QmlVlcFrameBatcher::frameReady(QmlVlcVideoOutput* output) {
    const qint64 now = m_clock.elapsed();
    Entry& entry = entryFor(output);
    if (entry.lastFrameMs >= 0) {
        // Pictures can come in bursts (a stream starting, a decoder catching up); no camera sends
        // 100 pictures a second, so shorter gaps are not taken for the stream's rate.
        const double interval = std::max(double(now - entry.lastFrameMs), double(minIntervalMs));
        entry.intervalMs = entry.intervalMs > 0 ? 0.8 * entry.intervalMs + 0.2 * interval : interval;
    }
    entry.lastFrameMs = now;
    if (entry.pending) {
        // Its previous picture is still waiting and has just been replaced: show the batch now
        // (with this newest picture) rather than fall further behind.
        flush();
        return;
    }
    entry.pending = true;

    const bool everyPlayingOutputWaits = std::all_of(
        m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.pending || !isActive(e, now); });
    if (everyPlayingOutputWaits) {
        flush();
    } else if (!m_deadline.isActive()) {
        m_deadline.start(delayMs(now));
    }
}

void QmlVlcFrameBatcher::remove(QmlVlcVideoOutput* output) {
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [output](const Entry& e) { return e.output == output; }),
                    m_entries.end());
    if (pendingCount() == 0) {
        m_deadline.stop();
    }
}

void QmlVlcFrameBatcher::flush() {
    m_deadline.stop();
    std::vector<QmlVlcVideoOutput*> ready;
    for (Entry& entry : m_entries) {
        if (entry.pending) {
            entry.pending = false;
            ready.push_back(entry.output);
        }
    }
    if (ready.empty()) {
        return;
    }
    ++m_batches;
    // Presenting may destroy outputs (a surface's handler can drop a player): each is looked up again.
    for (QmlVlcVideoOutput* output : ready) {
        const bool stillThere = std::any_of(m_entries.begin(), m_entries.end(),
                                            [output](const Entry& e) { return e.output == output; });
        if (stillThere) {
            output->presentNewest();
        }
    }
}
