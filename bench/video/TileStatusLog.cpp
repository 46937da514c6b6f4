#include "TileStatusLog.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

void TileStatusLog::feed(const QByteArray& bytes, qint64 nowMs) {
    static const QRegularExpression healthLine(QStringLiteral("Tile of device (\\d+) is (\\w+)"));
    static const QRegularExpression playingLine(QStringLiteral("Tile \\d+ shows device (\\d+)"));
    _partial += bytes;
    int start = 0;
    for (int end = _partial.indexOf('\n'); end >= 0; end = _partial.indexOf('\n', start)) {
        const QString line = QString::fromUtf8(_partial.constData() + start, end - start);
        start = end + 1;
        const QRegularExpressionMatch health = healthLine.match(line);
        if (health.hasMatch()) {
            Tile& tile = _tiles[health.captured(1).toLongLong()];
            tile.state = health.captured(2);
            tile.changedAtMs = nowMs;
            if (tile.state == QLatin1String("live")) {
                tile.liveAtMs = nowMs;
            }
            continue;
        }
        const QRegularExpressionMatch playing = playingLine.match(line);
        if (playing.hasMatch()) {
            _tiles[playing.captured(1).toLongLong()].playingAtMs = nowMs;
        }
    }
    _partial.remove(0, start);
}

int TileStatusLog::liveCount() const {
    return int(std::count_if(_tiles.begin(), _tiles.end(),
                             [](const Tile& tile) { return tile.state == QLatin1String("live"); }));
}

qint64 TileStatusLog::backAt(const Tile& tile, qint64 sinceMs, qint64 nowMs) {
    if (tile.state != QLatin1String("live")) {
        return -1;
    }
    if (tile.liveAtMs >= sinceMs) {
        return tile.liveAtMs;
    }
    // Still live from before: the new stream's pictures followed the old ones closely enough, which
    // shows only once a gap would have turned the tile stalled.
    if (tile.changedAtMs < sinceMs && tile.playingAtMs >= sinceMs &&
        nowMs >= tile.playingAtMs + stalledMs + 500) {
        return tile.playingAtMs;
    }
    return -1;
}

int TileStatusLog::backCount(qint64 sinceMs, qint64 nowMs) const {
    return int(std::count_if(_tiles.begin(), _tiles.end(),
                             [&](const Tile& tile) { return backAt(tile, sinceMs, nowMs) >= 0; }));
}

qint64 TileStatusLog::allBackAt(qint64 sinceMs, qint64 nowMs, int devices) const {
    if (backCount(sinceMs, nowMs) < devices) {
        return -1;
    }
    qint64 last = sinceMs;
    for (const Tile& tile : _tiles) {
        last = std::max(last, backAt(tile, sinceMs, nowMs));
    }
    return last;
}

QString TileStatusLog::notBack(qint64 sinceMs, qint64 nowMs) const {
    QStringList parts;
    for (auto it = _tiles.constBegin(); it != _tiles.constEnd(); ++it) {
        if (backAt(*it, sinceMs, nowMs) < 0) {
            parts << QStringLiteral("device %1 %2")
                         .arg(it.key())
                         .arg(it->state.isEmpty() ? "unknown" : it->state);
        }
    }
    return parts.join(QStringLiteral(", "));
}
