#include "ClipIndex.h"

#include <QByteArrayList>
#include <cmath>

namespace DevServer {

QList<ClipIndexEntry> ClipIndex::parse(const QByteArray& playlist) {
    QList<ClipIndexEntry> entries;
    double pendingSeconds = -1;
    for (QByteArray line : playlist.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty()) {
            continue;
        }
        if (line.startsWith("#EXTINF:")) {
            bool ok = false;
            const QByteArray value = line.mid(8).split(',').value(0).trimmed();
            const double seconds = value.toDouble(&ok);
            pendingSeconds = ok && std::isfinite(seconds) && seconds >= 0 ? seconds : -1;
            continue;
        }
        if (line.startsWith('#')) {
            continue;
        }
        // A file name counts only right after its duration, and never as a path elsewhere.
        if (pendingSeconds >= 0 && !line.contains('/') && !line.contains('\\') && line != ".." &&
            line != ".") {
            entries.append({QString::fromUtf8(line), qint64(std::llround(pendingSeconds * 1000))});
        }
        pendingSeconds = -1;
    }
    return entries;
}

} // namespace DevServer
