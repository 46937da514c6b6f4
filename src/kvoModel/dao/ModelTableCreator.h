#pragma once

#include "kvoCore/SharedPointerEx.h"
#include "kvoModel/model/ModelBase.h"
#include "kvoModel/model/SqlServerType.h"

#include <QStringList>
#include <vector>

namespace KvoCore {
class DBSimple;
}

namespace KvoModel {

// Brings a database in line with a list of entity models: missing tables and indexes, foreign keys
// on PostgreSQL, and each model's system records, all in one transaction. Running it again on an
// up-to-date database changes nothing.
class ModelTableCreator {
public:
    virtual ~ModelTableCreator() = default;

    using Models = std::vector<SharedPointerEx<ModelBase>>;

    // With withSysRecords false only the schema is brought in line (no rows are written).
    void checkTables(const Models& models, KvoCore::DBSimple* db, const bool& withSysRecords = true);

    // The statements that createTable runs for one model: CREATE TABLE, then its indexes (on
    // PostgreSQL without those the catalogue already lists).
    static QStringList tableStatements(ModelBase& model, const SqlServerType& serverType,
                                       KvoCore::DBSimple* db);
    // The ALTER TABLE statements for the foreign keys that PostgreSQL does not have yet.
    static QStringList postgresReferenceStatements(ModelBase& model, KvoCore::DBSimple* db);

private:
    void createTable(ModelBase& model, const SqlServerType& serverType, KvoCore::DBSimple* db);
    void createPostgresReferences(ModelBase& model, KvoCore::DBSimple* db);
    static void execute(const QStringList& statements, const QString& table, KvoCore::DBSimple* db);
};

} // namespace KvoModel
