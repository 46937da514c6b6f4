#pragma once

#include <QString>

namespace KvoCore {

// Process-wide services every program of ours sets up first: meta-types, settings, the "main" log.
class BootstrapBase {
public:
    static void init(const QString& message);

    // Log file name for a start at the current local time: <directory>/yyyy_MM_dd hh_mm_ss.txt
    static QString mainLogFileName(const QString& directory);

protected:
    static void initMainLog(const QString& directory);
    static void initSetting(const QString& directory, const QString& fileName);
};

} // namespace KvoCore
