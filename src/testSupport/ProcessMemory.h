#pragma once

#include <QString>

// Resident memory of a process as the kernel counts it (VmRSS).
class ProcessMemory {
public:
    // KiB of process `pid`; 0 for no process or when it cannot be read.
    static qint64 residentKiB(qint64 pid);
    // KiB of this process.
    static qint64 ownResidentKiB();

private:
    static qint64 readStatus(const QString& path);
};
