#pragma once

#include <QString>

namespace ClientController {

// Stream-description files that the players open: one file per device or per archive stream.
class SdpFile {
public:
    // Writes `content` as UTF-8 to "<dir>/<baseName>.sdp" (the directory is created when missing),
    // replacing any older file of that name completely. Returns the absolute path, or an empty
    // string, with a warning on the "main" log, when the file cannot be written.
    static QString write(const QString& dir, const QString& baseName, const QString& content);

    // True for a name that stays inside its directory: not empty, no path separator or drive colon,
    // not "." or "..".
    static bool isPlainFileName(const QString& name);
};

} // namespace ClientController
