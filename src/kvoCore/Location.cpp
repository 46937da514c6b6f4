#include "Location.h"

namespace KvoCore {

QString location(const char* file, const char* function, int line) {
    // Keep the path from the source root on so that messages do not depend on the build machine.
    QString path = QString::fromUtf8(file);
    const int src = path.lastIndexOf(QStringLiteral("/src/"));
    if (src >= 0) {
        path = path.mid(src + 1);
    }
    return QStringLiteral("%1::%2 line: %3").arg(path, QString::fromUtf8(function)).arg(line);
}

} // namespace KvoCore
