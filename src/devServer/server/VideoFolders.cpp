#include "VideoFolders.h"

#include <QDir>
#include <QFileInfo>

namespace DevServer {

namespace {

// The path with "." and ".." gone and, where it exists, links resolved.
QString resolved(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

QStringList& VideoFolders::folders() {
    static QStringList list;
    return list;
}

void VideoFolders::add(const QString& folder) {
    const QString root = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (!folder.trimmed().isEmpty() && !folders().contains(root)) {
        folders().append(root);
    }
}

void VideoFolders::clear() {
    folders().clear();
}

bool VideoFolders::contains(const QString& path) {
    if (path.trimmed().isEmpty() || !QDir::isAbsolutePath(path)) {
        return false;
    }
    const QString file = resolved(path);
    for (const QString& root : folders()) {
        // Resolved now: the folder may have been made after it was added.
        if (file.startsWith(resolved(root) + QLatin1Char('/'))) {
            return true;
        }
    }
    return false;
}

} // namespace DevServer
