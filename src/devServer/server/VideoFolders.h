#pragma once

#include <QString>
#include <QStringList>

namespace DevServer {

// The folders whose files the server may open for clients: every video folder it has recorded into
// since it started. Clip paths of records are checked against them, so that a record cannot make the
// server read (and stream) any other file. Process-wide; used from the main thread.
class VideoFolders {
public:
    // A folder the server records into from now on (earlier ones stay allowed: their clips remain).
    static void add(const QString& folder);
    // True when `path`, with links and ".." resolved, is a file or path inside one of the folders.
    static bool contains(const QString& path);
    static void clear();

private:
    static QStringList& folders();
};

} // namespace DevServer
