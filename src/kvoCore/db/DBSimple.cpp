#include "DBSimple.h"

#include "kvoCore/Location.h"
#include "kvoCore/SettingsSimple.h"
#include "kvoCore/SpSingleton.h"

#include <QDir>
#include <QSqlError>
#include <QSqlRecord>
#include <spdlog/spdlog.h>
#include <stdexcept>

namespace KvoCore {

namespace {

[[noreturn]] void fail(const QString& text) {
    throw std::runtime_error(text.toStdString());
}

void logError(const QString& text) {
    auto logger = spdlog::get("main");
    if (!logger) {
        logger = spdlog::default_logger();
    }
    logger->error("{}", text.toStdString());
}

const QString kIndexNamesSql = QStringLiteral(
    "SELECT TBL.relname AS tblname, IND.relname AS indname FROM(SELECT indexrelid, relname FROM pg_index "
    "INNER JOIN pg_catalog.pg_class ON pg_index.indrelid = pg_class.oid WHERE pg_class.relname LIKE "
    ":tblName) AS TBL INNER JOIN (SELECT indexrelid, relname FROM pg_index INNER JOIN pg_catalog.pg_class "
    "ON pg_index.indexrelid = pg_class.oid) AS IND ON TBL.indexrelid = IND.indexrelid");

const QString kConstraintNamesSql = QStringLiteral(
    "SELECT pg_constraint.conname AS conname FROM pg_catalog.pg_constraint INNER JOIN pg_catalog.pg_class "
    "ON pg_constraint.conrelid = pg_class.oid WHERE pg_class.relname LIKE :tblName");

} // namespace

DBSimple::DBSimple(const QString& driverName, const QString& connectionName)
    : driverName(driverName), connectionName(connectionName),
      sqlDatabase(QSqlDatabase::addDatabase(driverName, connectionName)),
      registration(new QString(connectionName), [](QString* name) {
          // Only the name is left here: every QSqlDatabase copy of this connection is gone by now.
          QSqlDatabase::removeDatabase(*name);
          delete name;
      }) {}

DBSimple::~DBSimple() {
    if (registration && registration.use_count() == 1) {
        sqlDatabase.close();
    }
    sqlDatabase = QSqlDatabase();
}

SharedPointerEx<DBSimple> DBSimple::initSpDB(const QString& connectionName, const QString& dbDirectory,
                                             const bool& createDirectory) {
    auto* settings = SpSingleton<SettingsSimple>::instance();
    const QString drvName = settings->value(QStringLiteral("db/drvname")).toString();
    if (drvName != QLatin1String("QSQLITE") && drvName != QLatin1String("QPSQL")) {
        fail(QStringLiteral("%1. Undefined database driver. drvName: '%2'")
                 .arg(KVO_LOCATION("KvoCore::DBSimple::initSpDB"), drvName));
    }

    SharedPointerEx<DBSimple> db(new DBSimple(drvName, connectionName));
    QSqlDatabase& sql = db->sqlDb();
    if (drvName == QLatin1String("QSQLITE")) {
        if (createDirectory) {
            QDir().mkpath(dbDirectory);
        }
        sql.setDatabaseName(dbDirectory + QStringLiteral("/main.db"));
        sql.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    } else {
        sql.setHostName(settings->value(QStringLiteral("db/host")).toString());
        sql.setPort(settings->value(QStringLiteral("db/port")).toInt());
        sql.setDatabaseName(settings->value(QStringLiteral("db/dbname")).toString());
        sql.setUserName(settings->value(QStringLiteral("db/username")).toString());
        sql.setPassword(settings->value(QStringLiteral("db/userpwd")).toString());
    }

    QString error;
    if (!db->initialize(error)) {
        fail(QStringLiteral("%1. Failed to spDB->initialize. Error: '%2'")
                 .arg(KVO_LOCATION("KvoCore::DBSimple::initSpDB"), error));
    }

    if (drvName == QLatin1String("QSQLITE")) {
        const auto pragma = [&db](const QString& sql, const QString& failure) {
            try {
                db->exec(sql);
            } catch (const std::exception& e) {
                logError(QString::fromStdString(e.what()));
                fail(failure.arg(KVO_LOCATION("KvoCore::DBSimple::initSpDB")));
            }
        };
        pragma(QStringLiteral("PRAGMA encoding = \"UTF-8\""), QStringLiteral("%1. Failed to set UTF8"));
        pragma(QStringLiteral("PRAGMA foreign_keys=ON"),
               QStringLiteral("%1. Failed to set 'PRAGMA foreign_keys=ON'"));
        pragma(QStringLiteral("PRAGMA busy_timeout = 10000"),
               QStringLiteral("%1. Failed to set 'PRAGMA busy_timeout = 10000'"));
        // Write-ahead logging: a crash in the middle of a write must not corrupt the file. SQLite
        // answers with the mode now in force, so a refused switch shows up there.
        bool walOn = false;
        try {
            QSqlQuery answer = db->exec(QStringLiteral("PRAGMA journal_mode = WAL"));
            walOn = answer.next() &&
                    answer.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0;
        } catch (const std::exception& e) {
            logError(QString::fromStdString(e.what()));
        }
        if (!walOn) {
            fail(QStringLiteral("%1. Failed to set 'PRAGMA journal_mode = WAL'")
                     .arg(KVO_LOCATION("KvoCore::DBSimple::initSpDB")));
        }
    }
    return db;
}

bool DBSimple::initialize(QString& errorText) {
    if (driverName == QLatin1String("QPSQL")) {
        nowExpression = QStringLiteral("EXTRACT(epoch FROM now())*1000");
    }
    if (!sqlDatabase.open()) {
        errorText = QStringLiteral("%1, DB failed to open. SQL last error '%2'")
                        .arg(KVO_LOCATION("KvoCore::DBSimple::initialize"), sqlDatabase.lastError().text());
        return false;
    }
    return true;
}

QString DBSimple::lastQueryOf(const QSqlQuery& query, const QString& sql) {
    const QString last = query.lastQuery();
    return last.isEmpty() ? sql : last;
}

void DBSimple::bindAll(QSqlQuery& query, const QMap<QString, QVariant>& params) {
    for (auto it = params.cbegin(); it != params.cend(); ++it) {
        query.bindValue(it.key(), it.value());
    }
}

QSqlQuery DBSimple::exec(const QString& sql) {
    QSqlQuery query(sqlDatabase);
    exec(query, sql);
    return query;
}

bool DBSimple::exec(QSqlQuery& query, const QString& sql) {
    if (!query.exec(sql)) {
        fail(QStringLiteral("%1, query exec error. lastQuery: '%2', lastError: '%3'")
                 .arg(KVO_LOCATION("KvoCore::DBSimple::exec"), lastQueryOf(query, sql),
                      query.lastError().text()));
    }
    return true;
}

QString DBSimple::errorText(const QString& format, const QString& location, const QSqlQuery& query,
                            const QString& sql, const QMap<QString, QVariant>& params) {
    const QString last = lastQueryOf(query, sql);
    const QString error = query.lastError().text();
    if (format.contains(QLatin1String("%4"))) {
        return format.arg(location, last, error, mapParamsToString(params));
    }
    return format.arg(location, last, error);
}

void DBSimple::prepareBindExec(QSqlQuery& query, const QString& sql, const QMap<QString, QVariant>& params,
                               const QString& location, const QString& prepareErrorFormat,
                               const QString& execErrorFormat) {
    if (!query.prepare(sql)) {
        fail(errorText(prepareErrorFormat, location, query, sql, params));
    }
    bindAll(query, params);
    if (!query.exec()) {
        fail(errorText(execErrorFormat, location, query, sql, params));
    }
}

QSqlQuery DBSimple::execSelect(const QString& sql, const QMap<QString, QVariant>& params) {
    QSqlQuery query(sqlDatabase);
    prepareBindExec(
        query, sql, params, KVO_LOCATION("KvoCore::DBSimple::execSelect"),
        QStringLiteral("%1, query prepare error. lastQuery: '%2', lastError: '%3'"),
        QStringLiteral("%1, query exec error. lastQuery: '%2', lastError: '%3'paramValuesString: (%4)"));
    return query;
}

bool DBSimple::execSelect(QSqlQuery& query, const QString& sql, const QMap<QString, QVariant>& params) {
    prepareBindExec(
        query, sql, params, KVO_LOCATION("KvoCore::DBSimple::execSelect"),
        QStringLiteral("%1, query prepare error. lastQuery: '%2', lastError: '%3'"),
        QStringLiteral("%1, query exec error. lastQuery: '%2', lastError: '%3', paramValuesString: (%4)"));
    return true;
}

QSqlQuery DBSimple::execUpdate(const QString& sql, const QMap<QString, QVariant>& params) {
    QSqlQuery query(sqlDatabase);
    prepareBindExec(
        query, sql, params, KVO_LOCATION("KvoCore::DBSimple::execUpdate"),
        QStringLiteral("%1, query prepare error. lastQuery: '%2', lastError: '%3', paramValuesString: (%4)"),
        QStringLiteral("%1, query exec error. lastQuery: '%2', lastError: '%3', paramValuesString: (%4)"));
    return query;
}

bool DBSimple::execUpdate(QSqlQuery& query, const QString& sql, const QMap<QString, QVariant>& params) {
    prepareBindExec(
        query, sql, params, KVO_LOCATION("KvoCore::DBSimple::execUpdate"),
        QStringLiteral("%1, query prepare error. lastQuery: '%2', lastError: '%3'paramValuesString: (%4)"),
        QStringLiteral("%1, query exec error. lastQuery: '%2', lastError: '%3' paramValuesString: (%4)"));
    return true;
}

bool DBSimple::startTransaction() {
    if (transactionOn) {
        return true;
    }
    transactionOn = sqlDatabase.transaction();
    if (!transactionOn) {
        fail(QStringLiteral("%1 failed to DBSimple::startTransaction.")
                 .arg(KVO_LOCATION("KvoCore::DBSimple::startTransaction")));
    }
    return true;
}

bool DBSimple::commitTransaction() {
    if (!transactionOn) {
        return true;
    }
    transactionOn = false;
    const bool committed = sqlDatabase.commit();
    if (!committed) {
        sqlDatabase.rollback();
    }
    return committed;
}

void DBSimple::rollbackTransaction(const QString& context, const QString& description) {
    if (!transactionOn) {
        return;
    }
    transactionOn = false;
    if (sqlDatabase.rollback()) {
        return;
    }
    if (!context.isEmpty()) {
        fail(QStringLiteral("%1 (%2) failed to DBSimple::rollback,\nerror desc.: '%3'.")
                 .arg(KVO_LOCATION("KvoCore::DBSimple::rollbackTransaction"), context, description));
    }
    fail(QStringLiteral("%1 failed to DBSimple::rollback.")
             .arg(KVO_LOCATION("KvoCore::DBSimple::rollbackTransaction")));
}

QStringList DBSimple::catalogueNames(const QString& sql, const QString& table, const QString& column) {
    QStringList names;
    if (!sqlDatabase.isOpen() || driverName != QLatin1String("QPSQL")) {
        return names;
    }
    // PostgreSQL folds unquoted identifiers to lower case, so that is how the catalogue knows them.
    QSqlQuery query = execSelect(sql, {{QStringLiteral(":tblName"), table.toLower()}});
    while (query.next()) {
        names << query.value(column).toString();
    }
    return names;
}

QStringList DBSimple::indexNames(const QString& table) {
    return catalogueNames(kIndexNamesSql, table, QStringLiteral("indname"));
}

QStringList DBSimple::constraintNames(const QString& table) {
    return catalogueNames(kConstraintNamesSql, table, QStringLiteral("conname"));
}

void DBSimple::prepareUserVersionTable() {
    exec(QStringLiteral("CREATE TABLE IF NOT EXISTS user_ver (user_version integer)"));
    QSqlQuery query = exec(QStringLiteral("SELECT user_version FROM user_ver"));
    if (!query.next()) {
        exec(QStringLiteral("INSERT INTO user_ver (user_version) VALUES (0)"));
    }
}

quint64 DBSimple::userVersionDB() {
    QSqlQuery query = exec(QStringLiteral("SELECT user_version FROM user_ver"));
    return query.next() ? query.value(QStringLiteral("user_version")).toULongLong() : 0;
}

void DBSimple::setUserVersionDB(quint64 version) {
    execUpdate(
        QStringLiteral("UPDATE user_ver SET user_version=:user_version"),
        {{QStringLiteral(":user_version"), QVariant::fromValue<qint64>(static_cast<qint64>(version))}});
}

QString DBSimple::mapParamsToString(const QMap<QString, QVariant>& params) {
    QString text;
    for (auto it = params.cbegin(); it != params.cend(); ++it) {
        text += QStringLiteral("%1: '%2', ").arg(it.key(), it.value().toString());
    }
    return text;
}

} // namespace KvoCore
