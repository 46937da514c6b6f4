#include "SqlTestModels.h"
#include "kvoCore/tests/SqlTestBackend.h"
#include "kvoModel/dao/DAO.h"
#include "kvoModel/dao/ModelTableCreator.h"
#include "kvoModel/model/OwnerGroupModel.h"

#include <QSqlRecord>
#include <gmock/gmock.h>

using namespace SqlTest;
using KvoModel::ModelBase;
using KvoModel::ModelTableCreator;
using ::testing::HasSubstr;

namespace {

SharedPointerEx<ModelBase> kind() {
    return SharedPointerEx<ModelBase>(new KindModel());
}
SharedPointerEx<ModelBase> item() {
    return SharedPointerEx<ModelBase>(new ItemModel());
}

// A stored field without a column type.
class UntypedModel : public ModelBase {
public:
    UntypedModel() : ModelBase(QStringLiteral("untyped")) {
        fields[QStringLiteral("mystery")] = FieldDescr(fpNormal, QString(), QString());
    }
};

// NOT NULL columns without a default.
class StrictModel : public ModelBase {
public:
    StrictModel() : ModelBase(QStringLiteral("strict")) {
        FieldDescr code(fpNormal, QString(), QString());
        code.setSimpleSqlDescr(sftBigInt, true, QVariant());
        fields[QStringLiteral("code")] = code;
        FieldDescr name(fpNormal, QString(), QString());
        name.setSimpleSqlDescr(sftText, true, QVariant());
        fields[QStringLiteral("name")] = name;
    }
};

} // namespace

TEST(TableStatements, SqliteDialectOfTheItemTable) {
    ItemModel model;
    const QStringList sql = ModelTableCreator::tableStatements(model, sstSQLite, nullptr);
    ASSERT_EQ(sql.size(), 8);
    EXPECT_EQ(
        sql[0],
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS item (id INTEGER PRIMARY KEY,dtUpdate INTEGER NOT NULL DEFAULT 0 ,"
            "dtInsert INTEGER NOT NULL DEFAULT 0 ,rstIdKind INTEGER NOT NULL DEFAULT 1  REFERENCES kind(id)"
            " ON DELETE CASCADE ON UPDATE CASCADE,title TEXT NOT NULL DEFAULT 'it''s new' ,uid TEXT,"
            "serial TEXT UNIQUE,secret TEXT,amount INTEGER NOT NULL DEFAULT 0 ,ratio REAL DEFAULT 0.5 ,"
            "flag BOOL NOT NULL DEFAULT false);"));
    EXPECT_EQ(sql.mid(1), (QStringList{
                              "CREATE  INDEX IF NOT EXISTS item_dtUpdate_key ON item (dtUpdate);",
                              "CREATE  INDEX IF NOT EXISTS item_dtInsert_key ON item (dtInsert);",
                              "CREATE  INDEX IF NOT EXISTS item_rstIdKind_key ON item (rstIdKind);",
                              "CREATE UNIQUE INDEX IF NOT EXISTS item_serial_key ON item (serial);",
                              "CREATE  INDEX IF NOT EXISTS item_ratio_key ON item (ratio);",
                              "CREATE INDEX IF NOT EXISTS item_title_amount_key ON item (title,amount);",
                              "CREATE UNIQUE INDEX IF NOT EXISTS item_serial_flag_key ON item (serial,flag);",
                          }));
}

TEST(TableStatements, BadSchemasAreRefused) {
    UntypedModel untyped;
    EXPECT_THAT(errorOf([&] { ModelTableCreator::tableStatements(untyped, sstSQLite, nullptr); }),
                HasSubstr(". Failed to create table 'untyped'. Unsupported datatype for field 'mystery'"));
    ItemModel item;
    item.appendTblIndex({QStringLiteral("title"), QStringLiteral("nosuch")});
    EXPECT_THAT(errorOf([&] { ModelTableCreator::tableStatements(item, sstSQLite, nullptr); }),
                HasSubstr(". Failed to create index of table 'item'. No such field in table 'nosuch'"));
    KindModel kind;
    EXPECT_THAT(
        errorOf([&] { ModelTableCreator::tableStatements(kind, static_cast<SqlServerType>(7), nullptr); }),
        HasSubstr(". Unknow server type"));
}

class TableCreatorTest : public BackendTest {
protected:
    // Everything that describes the schema and the rows, to compare before and after a second pass.
    QStringList snapshot() {
        QStringList lines;
        const QStringList queries =
            postgres()
                ? QStringList{"SELECT table_name || '.' || column_name || ' ' || data_type || ' ' || "
                              "is_nullable || ' ' "
                              "|| coalesce(column_default, '') FROM information_schema.columns WHERE "
                              "table_schema = "
                              "'public' ORDER BY 1",
                              "SELECT indexdef FROM pg_indexes WHERE schemaname = 'public' ORDER BY 1",
                              "SELECT conname || ' ' || pg_get_constraintdef(oid) FROM pg_constraint WHERE "
                              "connamespace = 'public'::regnamespace ORDER BY 1"}
                : QStringList{
                      "SELECT type || ' ' || name || ' ' || coalesce(sql, '') FROM sqlite_master ORDER BY 1"};
        for (const QString& sql : queries) {
            QSqlQuery q = db->exec(sql);
            while (q.next()) {
                lines << q.value(0).toString();
            }
        }
        for (const QString& table :
             {QStringLiteral("kind"), QStringLiteral("item"), QStringLiteral("tstGroup")}) {
            QSqlQuery q = db->exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(table));
            while (q.next()) {
                QStringList row;
                for (int i = 0; i < q.record().count(); ++i) {
                    row << q.value(i).toString();
                }
                lines << table + QStringLiteral(": ") + row.join(QLatin1Char('|'));
            }
        }
        return lines;
    }

    ModelTableCreator::Models models() {
        ModelBase::init(QStringLiteral("tstOwner"), QStringLiteral("tstGroup"), QStringLiteral("tstSessions"),
                        stDevServer);
        return {SharedPointerEx<ModelBase>(new KvoModel::OwnerGroupModel()), kind(), item()};
    }
};

TEST_P(TableCreatorTest, SecondPassChangesNothing) {
    ModelTableCreator creator;
    creator.checkTables(models(), db.data());
    EXPECT_FALSE(db->transactionIsOn());
    const QStringList first = snapshot();
    ASSERT_FALSE(first.isEmpty());
    creator.checkTables(models(), db.data());
    EXPECT_EQ(snapshot(), first);

    if (postgres()) {
        ItemModel model;
        EXPECT_TRUE(ModelTableCreator::postgresReferenceStatements(model, db.data()).isEmpty());
        // Only the CREATE TABLE IF NOT EXISTS is left: every index is in the catalogue already.
        EXPECT_EQ(ModelTableCreator::tableStatements(model, sstPostgreSQL, db.data()).size(), 1);
        QSqlQuery fk = db->exec(
            "SELECT pg_get_constraintdef(oid) FROM pg_constraint WHERE conname = 'item_rstidkind_fkey'");
        ASSERT_TRUE(fk.next());
        EXPECT_EQ(fk.value(0).toString(),
                  QStringLiteral(
                      "FOREIGN KEY (rstidkind) REFERENCES kind(id) ON UPDATE CASCADE ON DELETE CASCADE"));
    } else {
        QSqlQuery fkOn = db->exec(QStringLiteral("PRAGMA foreign_keys"));
        ASSERT_TRUE(fkOn.next());
        EXPECT_EQ(fkOn.value(0).toInt(), 1);
    }
}

TEST_P(TableCreatorTest, PostgresDialectStatementsBeforeCreation) {
    if (!postgres()) {
        GTEST_SKIP() << "PostgreSQL dialect only";
    }
    ItemModel model;
    const QStringList sql = ModelTableCreator::tableStatements(model, sstPostgreSQL, db.data());
    ASSERT_FALSE(sql.isEmpty());
    EXPECT_THAT(
        sql[0].toStdString(),
        ::testing::StartsWith("CREATE TABLE IF NOT EXISTS item (id BIGSERIAL PRIMARY KEY,dtUpdate BIGINT NOT "
                              "NULL DEFAULT 0 ,dtInsert BIGINT NOT NULL DEFAULT 0 ,rstIdKind BIGINT NOT NULL "
                              "DEFAULT 1 ,title TEXT"));
    EXPECT_THAT(sql[0].toStdString(), HasSubstr(",serial VARCHAR,secret TEXT,"));
    EXPECT_THAT(sql[0].toStdString(),
                HasSubstr(",ratio DOUBLE PRECISION DEFAULT 0.5 ,flag BOOL  NOT NULL DEFAULT false );"));
    EXPECT_TRUE(sql.contains("CREATE UNIQUE INDEX IF NOT EXISTS item_id_key ON item USING btree (id);"));
    EXPECT_TRUE(
        sql.contains("CREATE  INDEX IF NOT EXISTS item_rstIdKind_key ON item USING btree (rstIdKind);"));
    EXPECT_FALSE(sql.contains("CREATE  INDEX IF NOT EXISTS item_ratio_key ON item USING btree (ratio);"));
    EXPECT_TRUE(sql.contains(
        "CREATE UNIQUE INDEX IF NOT EXISTS item_serial_flag_key ON item USING btree (serial,flag);"));
    EXPECT_EQ(
        ModelTableCreator::postgresReferenceStatements(model, db.data()),
        QStringList{"ALTER TABLE item ADD CONSTRAINT item_rstIdKind_fkey FOREIGN KEY (rstIdKind) REFERENCES "
                    "kind(id) ON DELETE CASCADE ON UPDATE CASCADE "});
}

TEST_P(TableCreatorTest, SystemRecordsAndTheUsersGroup) {
    ModelTableCreator creator;
    creator.checkTables(models(), db.data(), false);
    QSqlQuery empty = db->exec(QStringLiteral("SELECT count(*) FROM tstGroup"));
    ASSERT_TRUE(empty.next());
    EXPECT_EQ(empty.value(0).toInt(), 0);

    creator.checkTables(models(), db.data());
    QSqlQuery groups = db->exec(QStringLiteral("SELECT id, name FROM tstGroup ORDER BY id"));
    QStringList rows;
    while (groups.next()) {
        rows << groups.value(0).toString() + QLatin1Char(':') + groups.value(1).toString();
    }
    EXPECT_EQ(rows, (QStringList{"1:", "2:Users"}));
    // The placeholder rows take the column defaults.
    QSqlQuery placeholder =
        db->exec(QStringLiteral("SELECT title, rstIdKind, amount, flag FROM item WHERE id = 1"));
    ASSERT_TRUE(placeholder.next());
    EXPECT_EQ(placeholder.value(0).toString(), QStringLiteral("it's new"));
    EXPECT_EQ(placeholder.value(1).toInt(), 1);
    EXPECT_EQ(placeholder.value(2).toInt(), 0);
    EXPECT_FALSE(placeholder.value(3).toBool());
    EXPECT_FALSE(placeholder.next());
}

TEST_P(TableCreatorTest, PlaceholderRowFillsColumnsWithoutDefault) {
    ModelTableCreator().checkTables({SharedPointerEx<ModelBase>(new StrictModel())}, db.data());
    QSqlQuery q = db->exec(QStringLiteral("SELECT id, code, name FROM strict"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 1);
    EXPECT_EQ(q.value(1).toInt(), 0);
    EXPECT_EQ(q.value(2).toString(), QString());
    EXPECT_FALSE(q.value(2).isNull());
    EXPECT_FALSE(q.next());
}

TEST_P(TableCreatorTest, AnOlderTableGetsTheColumnsAddedSince) {
    ModelBase::init(QStringLiteral("tstOwner"), QStringLiteral("tstGroup"), QStringLiteral("tstSessions"),
                    stDevServer);
    ModelTableCreator creator;
    creator.checkTables({kind()}, db.data(), false);
    // The item table as an older build made it: no amount, ratio or flag yet.
    db->exec(QStringLiteral("CREATE TABLE item (id INTEGER PRIMARY KEY, dtUpdate INTEGER NOT NULL DEFAULT 0, "
                            "dtInsert INTEGER NOT NULL DEFAULT 0, rstIdKind INTEGER NOT NULL DEFAULT 1, "
                            "title TEXT NOT NULL DEFAULT 'x', uid TEXT, serial TEXT, secret TEXT)"));
    // The old row's kind exists: PostgreSQL checks the rows when the foreign key is added.
    db->exec(QStringLiteral("INSERT INTO kind (id, code, name) VALUES (1, 1, 'first')"));
    db->exec(QStringLiteral("INSERT INTO item (id, title) VALUES (5, 'old')"));

    creator.checkTables({kind(), item()}, db.data(), false);
    QSqlQuery q = db->exec(QStringLiteral("SELECT title, amount, ratio, flag FROM item WHERE id = 5"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("old"));
    EXPECT_EQ(q.value(1).toInt(), 0);
    EXPECT_DOUBLE_EQ(q.value(2).toDouble(), 0.5);
    EXPECT_FALSE(q.value(3).toBool());

    const QStringList again =
        ModelTableCreator::tableStatements(*item(), postgres() ? sstPostgreSQL : sstSQLite, db.data());
    EXPECT_TRUE(again.filter(QStringLiteral("ADD COLUMN")).isEmpty()) << again.join('\n').toStdString();
}

TEST_P(TableCreatorTest, AFailedPassLeavesNothingBehind) {
    ModelBase::init(QStringLiteral("tstOwner"), QStringLiteral("tstGroup"), QStringLiteral("tstSessions"),
                    stDevServer);
    ModelTableCreator creator;
    EXPECT_THAT(errorOf([&] {
                    creator.checkTables({kind(), SharedPointerEx<ModelBase>(new UntypedModel())}, db.data());
                }),
                HasSubstr("Unsupported datatype for field 'mystery'"));
    EXPECT_FALSE(db->transactionIsOn());
    EXPECT_THAT(errorOf([&] { db->exec(QStringLiteral("SELECT count(*) FROM kind")); }),
                HasSubstr("query exec error"));

    db->sqlDb().close();
    EXPECT_THAT(errorOf([&] { creator.checkTables({kind()}, db.data()); }),
                HasSubstr(". sqlDb is not open."));
}

INSTANTIATE_TEST_SUITE_P(Backends, TableCreatorTest, ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         backendName);
