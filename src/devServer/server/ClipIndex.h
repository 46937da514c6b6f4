#pragma once

#include <QList>
#include <QString>

namespace DevServer {

// The finished segments listed in a segmenter's playlist index (".m3u8"): each "#EXTINF:<seconds>,"
// line followed by the segment's file name.
struct ClipIndexEntry {
    QString fileName;
    qint64 durationMs = 0;
};

class ClipIndex {
public:
    // Entries in playlist order; malformed lines are skipped.
    static QList<ClipIndexEntry> parse(const QByteArray& playlist);
};

} // namespace DevServer
