#pragma once

#include "kvoCore/SharedPointerEx.h"
#include "kvoCore/db/DBSimple.h"

#include <QString>

namespace DevServer {

// Opens the server's database (the driver and connection keys come from the settings; SQLite keeps
// its file in `sqliteDir`) and brings its tables and system records up to date.
class DatabaseSetup {
public:
    static SharedPointerEx<KvoCore::DBSimple> open(const QString& sqliteDir);
    static void checkTables(KvoCore::DBSimple* db);

    // Names of the owner (user), owner-group and sessions tables.
    static const QString ownerTable;
    static const QString groupTable;
    static const QString sessionsTable;
};

} // namespace DevServer
