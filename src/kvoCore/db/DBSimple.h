#pragma once

#include "kvoCore/SharedPointerEx.h"

#include <QMap>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace KvoCore {

// One Qt SQL connection (SQLite or PostgreSQL). Every failing statement becomes a std::runtime_error
// carrying the query, the driver's error and the bound parameters. Use it only from the thread that
// opened it.
class DBSimple {
public:
    DBSimple() = default;
    // Registers the connection with Qt; it is removed again when the last copy goes away.
    DBSimple(const QString& driverName, const QString& connectionName);
    DBSimple(const DBSimple& other) = default;
    DBSimple& operator=(const DBSimple& other) = default;
    virtual ~DBSimple();

    // Opens the database described by the settings ("db/drvname", "db/host", ...). SQLite keeps its
    // file "main.db" in dbDirectory; with createDirectory set a missing directory is created.
    static SharedPointerEx<DBSimple> initSpDB(const QString& connectionName, const QString& dbDirectory,
                                              const bool& createDirectory);

    bool initialize(QString& errorText);

    QSqlQuery exec(const QString& sql);
    bool exec(QSqlQuery& query, const QString& sql);
    QSqlQuery execSelect(const QString& sql, const QMap<QString, QVariant>& params);
    bool execSelect(QSqlQuery& query, const QString& sql, const QMap<QString, QVariant>& params);
    QSqlQuery execUpdate(const QString& sql, const QMap<QString, QVariant>& params);
    bool execUpdate(QSqlQuery& query, const QString& sql, const QMap<QString, QVariant>& params);

    bool startTransaction();
    bool commitTransaction();
    void rollbackTransaction(const QString& context = QString(), const QString& description = QString());
    bool transactionIsOn() const { return transactionOn; }

    // PostgreSQL catalogue: names of the indexes and constraints of a table (empty elsewhere).
    QStringList indexNames(const QString& table);
    QStringList constraintNames(const QString& table);

    void prepareUserVersionTable();
    quint64 userVersionDB();
    void setUserVersionDB(quint64 version);

    static QString mapParamsToString(const QMap<QString, QVariant>& params);

    QSqlDatabase& sqlDb() { return sqlDatabase; }
    const QString& getDriverName() const { return driverName; }
    const QString& getConnectionName() const { return connectionName; }
    // SQL expression for "now" in milliseconds; empty where the caller must use a literal (SQLite).
    const QString& getNowExpression() const { return nowExpression; }

private:
    QStringList catalogueNames(const QString& sql, const QString& table, const QString& column);
    static void bindAll(QSqlQuery& query, const QMap<QString, QVariant>& params);
    static QString lastQueryOf(const QSqlQuery& query, const QString& sql);
    // Prepares, binds and runs `sql`; each failure format takes location, last query, driver
    // error and (where it has %4) the bound parameters.
    void prepareBindExec(QSqlQuery& query, const QString& sql, const QMap<QString, QVariant>& params,
                         const QString& location, const QString& prepareErrorFormat,
                         const QString& execErrorFormat);
    static QString errorText(const QString& format, const QString& location, const QSqlQuery& query,
                             const QString& sql, const QMap<QString, QVariant>& params);

    bool transactionOn = false;
    QString driverName;
    QString connectionName;
    QSqlDatabase sqlDatabase;
    QString nowExpression;
    // Shared by all copies; the last one to go closes and unregisters the Qt connection.
    std::shared_ptr<QString> registration;
};

} // namespace KvoCore
