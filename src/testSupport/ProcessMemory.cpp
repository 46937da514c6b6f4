#include "ProcessMemory.h"

#include <QFile>

qint64 ProcessMemory::residentKiB(qint64 pid) {
    return pid > 0 ? readStatus(QStringLiteral("/proc/%1/status").arg(pid)) : 0;
}

qint64 ProcessMemory::ownResidentKiB() {
    return readStatus(QStringLiteral("/proc/self/status"));
}

qint64 ProcessMemory::readStatus(const QString& path) {
    QFile status(path);
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return 0;
}
