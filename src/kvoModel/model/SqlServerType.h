#pragma once

#include <QtGlobal>

// SQL dialect of table creation.
enum SqlServerType : quint8 { sstSQLite = 0, sstPostgreSQL = 1 };
