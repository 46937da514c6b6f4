#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <vector>

class QmlVlcVideoOutput;

// Hands the new pictures of all video outputs to their surfaces together (GUI thread).
//
// A window with many live tiles would otherwise render once per picture of each tile: every render
// redraws the whole window, which costs most of the CPU when OpenGL is done in software. Pictures are
// held back until every playing output has one waiting, an output delivers its next picture early,
// or a short deadline passes (at most `defaultMaxDelayMs`, less for fast streams so that none of their
// pictures is replaced before it is shown). A single playing output is never held back.
class QmlVlcFrameBatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int defaultMaxDelayMs = 30;
    // An output that delivered no picture for this long does not hold the others back.
    static constexpr int defaultActiveWindowMs = 150;
    // Shortest gap between two pictures taken for a stream's picture interval.
    static constexpr int minIntervalMs = 10;

    // The GUI thread's batcher, owned by the application object (null without one).
    static QmlVlcFrameBatcher* instance();
    // The batcher if it was created and still exists, else null.
    static QmlVlcFrameBatcher* existing();

    // `output` has a new picture; it is presented now or with the next batch.
    void frameReady(QmlVlcVideoOutput* output);
    // Forgets `output` (it is being destroyed); a waiting picture is dropped.
    void remove(QmlVlcVideoOutput* output);

    // Presents every waiting picture now.
    void flush();

    // Changes the deadline and the time after which a silent output stops holding others back.
    void setTiming(int maxDelayMs, int activeWindowMs);

    int pendingCount() const;
    int batches() const { return m_batches; }

private:
    explicit QmlVlcFrameBatcher(QObject* parent);

    struct Entry {
        QmlVlcVideoOutput* output = nullptr;
        qint64 lastFrameMs = -1;
        double intervalMs = 0; // smoothed time between pictures, 0 until known
        bool pending = false;
    };

    Entry& entryFor(QmlVlcVideoOutput* output);
    int delayMs(qint64 now) const;
    bool isActive(const Entry& entry, qint64 now) const;

    std::vector<Entry> m_entries;
    QElapsedTimer m_clock;
    QTimer m_deadline;
    int m_batches = 0;
    int m_maxDelayMs = defaultMaxDelayMs;
    int m_activeWindowMs = defaultActiveWindowMs;
};
