#include "ModelTableCreator.h"

#include "kvoCore/Location.h"
#include "kvoCore/db/DBSimple.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <spdlog/spdlog.h>
#include <stdexcept>

namespace KvoModel {

namespace {

[[noreturn]] void fail(const QString& text) {
    throw std::runtime_error(text.toStdString());
}

std::shared_ptr<spdlog::logger> loggerOf(const ModelBase* model) {
    auto logger = model ? spdlog::get(model->logName()) : nullptr;
    return logger ? logger : spdlog::default_logger();
}

const char* const kActions[] = {"RESTRICT", "NO ACTION", "CASCADE", "SET NULL", "SET DEFAULT"};

QString action(SqlReferenceRelationType type) {
    return QString::fromLatin1(kActions[std::min<int>(type, srtSetDefault)]);
}

QString columnType(const FieldDescr& f, SqlServerType serverType) {
    const bool postgres = serverType == sstPostgreSQL;
    const bool primary = f.hasProperty(fpPrimaryKey);
    switch (f.sqlType) {
    case sftInt:
        return postgres && primary ? QStringLiteral(" SERIAL") : QStringLiteral(" INTEGER");
    case sftBigInt:
        if (!postgres) {
            return QStringLiteral(" INTEGER");
        }
        return primary ? QStringLiteral(" BIGSERIAL") : QStringLiteral(" BIGINT");
    case sftFloat:
        return QStringLiteral(" REAL");
    case sftDouble:
        return postgres ? QStringLiteral(" DOUBLE PRECISION") : QStringLiteral(" REAL");
    case sftVarchar:
        if (!postgres) {
            return QStringLiteral(" TEXT");
        }
        // VARCHAR(0) is not a valid type; no size means no length limit.
        return f.size() > 0 ? QStringLiteral(" VARCHAR(%1)").arg(f.size()) : QStringLiteral(" VARCHAR");
    case sftText:
        return QStringLiteral(" TEXT");
    case sftBool:
        return postgres ? QStringLiteral(" BOOL ") : QStringLiteral(" BOOL");
    default:
        return QString();
    }
}

QString defaultClause(const FieldDescr& f, SqlServerType serverType) {
    if (!f.defaultValue.isValid()) {
        return QString();
    }
    const QVariant& d = f.defaultValue;
    switch (f.sqlType) {
    case sftInt:
        return QStringLiteral(" DEFAULT %1 ").arg(d.toInt());
    case sftBigInt:
        return QStringLiteral(" DEFAULT %1 ").arg(d.toLongLong());
    case sftFloat:
        return QStringLiteral(" DEFAULT %1 ").arg(static_cast<double>(d.toFloat()));
    case sftDouble:
        return QStringLiteral(" DEFAULT %1 ").arg(d.toDouble());
    case sftVarchar:
    case sftText: {
        QString text = d.toString();
        text.replace(QLatin1Char('\''),
                     QStringLiteral("''")); // a quote in a default must not end the literal
        return QStringLiteral(" DEFAULT '") + text + QStringLiteral("' ");
    }
    case sftBool:
        if (serverType == sstPostgreSQL) {
            return d.toBool() ? QStringLiteral(" DEFAULT true ") : QStringLiteral(" DEFAULT false ");
        }
        return d.toBool() ? QStringLiteral(" DEFAULT true") : QStringLiteral(" DEFAULT false");
    default:
        return QString();
    }
}

} // namespace

QStringList ModelTableCreator::tableStatements(ModelBase& model, const SqlServerType& serverType,
                                               KvoCore::DBSimple* db) {
    if (serverType != sstSQLite && serverType != sstPostgreSQL) {
        fail(QStringLiteral("%1. Unknow server type")
                 .arg(KVO_LOCATION("KvoModel::ModelTableCreator::createTable")));
    }
    const bool postgres = serverType == sstPostgreSQL;
    const QString table = model.tableName();
    const ModelBase::FieldMap& fields = model.fieldsList();

    QStringList columns;
    for (const QString& name : model.fieldNamesInOrder()) {
        const FieldDescr& f = fields[name];
        if (f.hasProperty(fpJoined) || f.hasProperty(fpNotStored)) {
            continue;
        }
        if (f.sqlType < sftInt || f.sqlType > sftBool) {
            fail(QStringLiteral("%1. Failed to create table '%2'. Unsupported datatype for field '%3'")
                     .arg(KVO_LOCATION("KvoModel::ModelTableCreator::createTable"), table, name));
        }
        if (f.hasProperty(fpReference) && f.refTable.isEmpty()) {
            fail(QStringLiteral("%1. Failed to create table '%2'. Reference field '%3' names no table")
                     .arg(KVO_LOCATION("KvoModel::ModelTableCreator::createTable"), table, name));
        }
        QString def = name + columnType(f, serverType);
        if (f.notNull) {
            def += QStringLiteral(" NOT NULL");
        }
        def += defaultClause(f, serverType);
        if (f.hasProperty(fpPrimaryKey)) {
            def += QStringLiteral(" PRIMARY KEY");
        }
        if (!postgres) {
            if (f.hasProperty(fpUnique)) {
                def += QStringLiteral(" UNIQUE");
            }
            if (f.hasProperty(fpReference)) {
                def += QStringLiteral(" REFERENCES ") + f.refTable + QLatin1Char('(') +
                       (f.refField.isEmpty() ? QStringLiteral("id") : f.refField) + QLatin1Char(')') +
                       QStringLiteral(" ON DELETE ") + action(f.onDelete) + QStringLiteral(" ON UPDATE ") +
                       action(f.onUpdate);
            }
        }
        columns << def;
    }
    QStringList statements;
    statements << QStringLiteral("CREATE TABLE IF NOT EXISTS ") + table + QStringLiteral(" (") +
                      columns.join(QLatin1Char(',')) + QStringLiteral(");");

    // A table made by an older build gets the plain columns added since (both servers add those
    // with their default); key, unique, reference and required columns without a default would need
    // the table made anew.
    const QSqlRecord present = db ? db->sqlDb().record(table) : QSqlRecord();
    if (!present.isEmpty()) {
        int column = 0;
        for (const QString& name : model.fieldNamesInOrder()) {
            const FieldDescr& f = fields[name];
            if (f.hasProperty(fpJoined) || f.hasProperty(fpNotStored)) {
                continue;
            }
            const QString& def = columns[column++];
            if (present.contains(name) || present.contains(name.toLower()) || f.hasProperty(fpPrimaryKey) ||
                f.hasProperty(fpUnique) || f.hasProperty(fpReference) ||
                (f.notNull && !f.defaultValue.isValid())) {
                continue;
            }
            statements << QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" ADD COLUMN ") + def +
                              QLatin1Char(';');
        }
    }

    // PostgreSQL knows identifiers in lower case.
    QStringList existing;
    if (postgres) {
        for (const QString& index : db->indexNames(table)) {
            existing << index.toLower();
        }
    }
    const QString using_ = postgres ? QStringLiteral(" USING btree (") : QStringLiteral(" (");
    for (const QString& name : model.fieldNamesInOrder()) {
        const FieldDescr& f = fields[name];
        const quint16 flags = f.fieldProperties();
        const QString indexName = table + QLatin1Char('_') + name + QStringLiteral("_key");
        bool unique = false;
        if (postgres) {
            if (!(flags & 0x003E) || existing.contains(indexName.toLower()) || f.hasProperty(fpJoined) ||
                f.hasProperty(fpNotStored)) {
                continue;
            }
            unique = flags & 0x0022;
        } else {
            if (!(flags & 0x103C) || f.hasProperty(fpJoined) || f.hasProperty(fpNotStored)) {
                continue;
            }
            unique = f.hasProperty(fpUnique);
        }
        statements << QStringLiteral("CREATE ") + (unique ? QStringLiteral("UNIQUE ") : QStringLiteral(" ")) +
                          QStringLiteral("INDEX IF NOT EXISTS ") + indexName + QStringLiteral(" ON ") +
                          table + using_ + name + QStringLiteral(");");
    }

    for (const QStringList& index : model.tblIndexes()) {
        bool unique = false;
        QStringList indexColumns;
        for (const QString& word : index) {
            if (word == QLatin1String("UNIQUE")) {
                unique = true;
            } else if (fields.contains(word) && !fields[word].hasProperty(fpJoined) &&
                       !fields[word].hasProperty(fpNotStored)) {
                indexColumns << word;
            } else {
                fail(QStringLiteral("%1. Failed to create index of table '%2'. No such field in table '%3'")
                         .arg(KVO_LOCATION("KvoModel::ModelTableCreator::createTable"), table, word));
            }
        }
        if (indexColumns.isEmpty()) {
            continue;
        }
        const QString name = table + QLatin1Char('_') + indexColumns.join(QLatin1Char('_'));
        if (postgres && existing.contains((name + QStringLiteral("_key")).toLower())) {
            continue;
        }
        statements << QStringLiteral("CREATE ") + (unique ? QStringLiteral("UNIQUE ") : QString()) +
                          QStringLiteral("INDEX IF NOT EXISTS ") + name + QStringLiteral("_key ON ") + table +
                          using_ + indexColumns.join(QLatin1Char(',')) + QStringLiteral(");");
    }
    return statements;
}

QStringList ModelTableCreator::postgresReferenceStatements(ModelBase& model, KvoCore::DBSimple* db) {
    const QString table = model.tableName();
    QStringList existing;
    for (const QString& name : db->constraintNames(table)) {
        existing << name.toLower();
    }
    QStringList statements;
    for (const QString& name : model.fieldNamesInOrder()) {
        const FieldDescr& f = model.fieldsList()[name];
        const QString constraint = table + QLatin1Char('_') + name + QStringLiteral("_fkey");
        if (!f.hasProperty(fpReference) || f.hasProperty(fpJoined) || f.hasProperty(fpNotStored) ||
            existing.contains(constraint.toLower())) {
            continue;
        }
        statements << QStringLiteral("ALTER TABLE ") + table + QLatin1Char(' ') +
                          QStringLiteral("ADD CONSTRAINT ") + constraint + QLatin1Char(' ') +
                          QStringLiteral("FOREIGN KEY (") + name + QStringLiteral(") REFERENCES ") +
                          f.refTable + QStringLiteral("(id) ") + QStringLiteral("ON DELETE ") +
                          action(f.onDelete) + QLatin1Char(' ') + QStringLiteral("ON UPDATE ") +
                          action(f.onUpdate) + QLatin1Char(' ');
    }
    return statements;
}

void ModelTableCreator::execute(const QStringList& statements, const QString& table, KvoCore::DBSimple* db) {
    for (const QString& sql : statements) {
        QSqlQuery query(db->sqlDb());
        if (!query.exec(sql)) {
            fail(QStringLiteral(
                     "%1. Failed to query.exec. Table name:  '%2', Query: '%3', Error description: '%4' ")
                     .arg(KVO_LOCATION("KvoModel::ModelTableCreator::createTable"), table, sql,
                          query.lastError().text()));
        }
    }
}

void ModelTableCreator::createTable(ModelBase& model, const SqlServerType& serverType,
                                    KvoCore::DBSimple* db) {
    execute(tableStatements(model, serverType, db), model.tableName(), db);
}

void ModelTableCreator::createPostgresReferences(ModelBase& model, KvoCore::DBSimple* db) {
    execute(postgresReferenceStatements(model, db), model.tableName(), db);
}

void ModelTableCreator::checkTables(const Models& models, KvoCore::DBSimple* db, const bool& withSysRecords) {
    if (!db || !db->sqlDb().isOpen()) {
        fail(QStringLiteral("%1. sqlDb is not open.")
                 .arg(KVO_LOCATION("KvoModel::ModelTableCreator::checkTables")));
    }
    const auto pragma = [db](const QString& sql, const QString& failure) {
        QSqlQuery query(db->sqlDb());
        if (!query.exec(sql)) {
            fail(failure.arg(KVO_LOCATION("KvoModel::ModelTableCreator::checkTables")));
        }
    };
    SqlServerType serverType = sstSQLite;
    const QString driver = db->getDriverName();
    if (driver == QLatin1String("QSQLITE")) {
        pragma(QStringLiteral("PRAGMA encoding = \"UTF-8\""), QStringLiteral("%1. Failed to set UTF8"));
        pragma(QStringLiteral("PRAGMA foreign_keys=OFF"),
               QStringLiteral("%1. Failed to set 'PRAGMA foreign_keys=OFF'"));
    } else if (driver == QLatin1String("QPSQL")) {
        serverType = sstPostgreSQL;
    } else {
        fail(QStringLiteral("%1. Unsupported SQL server type")
                 .arg(KVO_LOCATION("KvoModel::ModelTableCreator::checkTables")));
    }

    const auto log = loggerOf(models.empty() ? nullptr : models.front().data());
    db->startTransaction();
    try {
        for (const auto& model : models) {
            createTable(*model, serverType, db);
            log->info("Table '{}' created [OK]", model->tableName().toStdString());
        }
        log->info("Tables creation passed. About to create referenses.");
        if (serverType == sstPostgreSQL) {
            for (const auto& model : models) {
                createPostgresReferences(*model, db);
            }
        }
        log->info("Table creation references passed. About to create system records");
        if (withSysRecords) {
            for (const auto& model : models) {
                model->createSysRecords(db);
            }
        }
    } catch (const std::exception& e) {
        // Leave nothing half-made behind, and keep SQLite's reference checks on for whoever goes on.
        db->rollbackTransaction(QStringLiteral("checkTables"), QString::fromUtf8(e.what()));
        if (serverType == sstSQLite) {
            QSqlQuery(db->sqlDb()).exec(QStringLiteral("PRAGMA foreign_keys = ON"));
        }
        throw;
    }
    if (!db->commitTransaction()) {
        fail(QStringLiteral("%1. Failed to commit transaction")
                 .arg(KVO_LOCATION("KvoModel::ModelTableCreator::checkTables")));
    }
    if (serverType == sstSQLite) {
        pragma(QStringLiteral("PRAGMA foreign_keys = ON"),
               QStringLiteral("%1. Failed to 'PRAGMA foreign_keys = ON'"));
    }
}

} // namespace KvoModel
