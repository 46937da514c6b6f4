#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// What the client's output says about its tiles. The client logs "Tile of device N is live" (or
// "stalled", "lost", "connecting") whenever a tile's health changes, and "Tile K shows device N" when
// the tile's player starts playing a stream. Fed with the output as it arrives; keeps each device's
// latest state and times, not the output itself.
class TileStatusLog {
public:
    // A tile turns stalled when no new picture came for this long.
    static constexpr qint64 stalledMs = 2000;

    // `nowMs` is the caller's clock when the bytes arrived; a line is dated when it is complete.
    void feed(const QByteArray& bytes, qint64 nowMs);

    // Devices whose tile shows pictures now.
    int liveCount() const;
    // Devices whose tile shows pictures of a stream started at or after `sinceMs`: it turned live
    // since, or its player started a new stream since and no gap of pictures long enough to turn it
    // stalled has happened up to `nowMs`.
    int backCount(qint64 sinceMs, qint64 nowMs) const;
    // When the last of `devices` tiles came back in that sense; -1 while fewer are back.
    qint64 allBackAt(qint64 sinceMs, qint64 nowMs, int devices) const;
    // Devices the client has logged anything of.
    int deviceCount() const { return _tiles.size(); }
    // The devices not back, with their state ("lost", "stalled", "live" on the old stream), for a report.
    QString notBack(qint64 sinceMs, qint64 nowMs) const;

private:
    struct Tile {
        QString state;
        qint64 changedAtMs = -1; // the last health line
        qint64 liveAtMs = -1;    // the last turn to live
        qint64 playingAtMs = -1; // the last start of a stream
    };
    // When the tile came back since `sinceMs`, or -1.
    static qint64 backAt(const Tile& tile, qint64 sinceMs, qint64 nowMs);

    QByteArray _partial;
    QMap<qint64, Tile> _tiles;
};
