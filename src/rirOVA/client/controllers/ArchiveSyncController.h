#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <limits>

namespace ClientController {

// One cursor for every playing line of the archive timeline. Play, pause, jump and speed apply to
// all lines at once; each line reports where its picture is and is kept within half of
// `toleranceMs` of the cursor, so that any two lines are within `toleranceMs` of each other: a line
// ahead of another waits for its lead, a line a little behind holds the cursor back (the others then
// wait), a cursor behind every line goes on from the slowest, and
// a line far off (`farMs`) is told to jump. After a correction a line is left alone for `settleMs`,
// so that a slow start is not answered by correction after correction.
class ArchiveSyncController : public QObject {
    Q_OBJECT
    Q_PROPERTY(double cursor READ cursor NOTIFY cursorChanged)
    Q_PROPERTY(bool playing READ playing NOTIFY playingChanged)
    Q_PROPERTY(double speed READ speed WRITE setSpeed NOTIFY speedChanged)
    Q_PROPERTY(int toleranceMs READ toleranceMs WRITE setToleranceMs NOTIFY toleranceMsChanged)
    Q_PROPERTY(int settleMs READ settleMs WRITE setSettleMs NOTIFY settleMsChanged)
    Q_PROPERTY(double spread READ spread NOTIFY spreadChanged)
    Q_PROPERTY(int tickMs READ tickMs WRITE setTickMs NOTIFY tickMsChanged)
public:
    using Clock = std::function<qint64()>;

    explicit ArchiveSyncController(QObject* parent = nullptr);
    ~ArchiveSyncController() override;

    // The cursor in epoch milliseconds, moving with the clock at `speed` while playing.
    double cursor() const;
    bool playing() const { return _playing; }
    double speed() const { return _speed; }
    void setSpeed(double speed);
    int toleranceMs() const { return _toleranceMs; }
    void setToleranceMs(int ms);
    int settleMs() const { return _settleMs; }
    void setSettleMs(int ms);
    int tickMs() const { return _tick.interval(); }
    void setTickMs(int ms);
    // Distance from the cursor beyond which a line jumps instead of waiting or being waited for. A
    // faster cursor runs further while a line (re)starts, so a jump would leave it as far behind:
    // the distance grows with the speed.
    double farMs() const { return 4.0 * _toleranceMs * std::max(1.0, _speed); }
    // Largest distance in milliseconds between the lines that play now; 0 with fewer than two.
    double spread() const;

    Q_INVOKABLE void play();
    Q_INVOKABLE void pause();
    Q_INVOKABLE void jump(double at);
    // Where the picture of `line` is now (epoch ms). Returns true when the line is in step.
    Q_INVOKABLE bool reportPosition(const QString& line, double position);
    // The line shows nothing now (a gap in its recording, stopped): it does not count.
    Q_INVOKABLE void reportIdle(const QString& line);
    Q_INVOKABLE void removeLine(const QString& line);
    Q_INVOKABLE void clearLines();
    Q_INVOKABLE QStringList lines() const { return _lines.keys(); }
    // Where a line's picture is now, from its last report; NaN when it does not play.
    Q_INVOKABLE double linePosition(const QString& line) const;

    // The time source, epoch-free milliseconds; tests drive it by hand.
    void setClock(Clock clock);

Q_SIGNALS:
    void cursorChanged(double cursor);
    void playingChanged(bool playing);
    void speedChanged(double speed);
    void toleranceMsChanged(int toleranceMs);
    void settleMsChanged(int settleMs);
    void tickMsChanged(int tickMs);
    void spreadChanged(double spread);
    // Every line is to go to `at` (a jump of the cursor).
    void jumped(double at);
    // One line is far out of step and is to go to `at`.
    void lineOutOfStep(const QString& line, double at);
    // One line is ahead of the cursor and is to pause for `waitMs` of the clock (its lead at the
    // cursor's speed).
    void lineAhead(const QString& line, double waitMs);

private:
    struct Line {
        double position = 0;
        qint64 reportedAt = 0;
        bool active = false;
        qint64 settleUntil = 0;
    };
    // Fixes the moving cursor at its current value before a change of state.
    void rebase();
    double extrapolated(const Line& line, qint64 now) const;
    // Where the playing lines are at `now`: the furthest behind, the furthest ahead, how many.
    struct Span {
        double low = std::numeric_limits<double>::max();
        double high = std::numeric_limits<double>::lowest();
        int count = 0;
    };
    Span playingSpan(qint64 now) const;
    void emitSpread();

    Clock _clock;
    QTimer _tick;
    double _base = 0;
    qint64 _baseAt = 0;
    bool _playing = false;
    double _speed = 1.0;
    int _toleranceMs = 500;
    int _settleMs = 2000;
    double _lastSpread = 0;
    QHash<QString, Line> _lines;
};

} // namespace ClientController
