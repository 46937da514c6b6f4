#include "SqlTestBackend.h"

#include <QSqlRecord>
#include <gmock/gmock.h>

using namespace SqlTest;
using KvoCore::DBSimple;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

int countRows(DBSimple& db, const QString& sql) {
    QSqlQuery q = db.exec(sql);
    return q.next() ? q.value(0).toInt() : -1;
}

} // namespace

TEST(DBSimpleOpen, UnknownOrMissingDriverIsRefused) {
    auto* s = settings();
    s->remove(QStringLiteral("db/drvname"));
    QTemporaryDir dir;
    EXPECT_THAT(
        errorOf([&] { DBSimple::initSpDB(QStringLiteral("nodriver"), dir.path(), true); }),
        ::testing::AllOf(StartsWith("src/kvoCore/db/DBSimple.cpp::KvoCore::DBSimple::initSpDB line: "),
                         HasSubstr(". Undefined database driver. drvName: ''")));
    s->setValue(QStringLiteral("db/drvname"), QStringLiteral("QMYSQL"));
    EXPECT_THAT(errorOf([&] { DBSimple::initSpDB(QStringLiteral("mysql"), dir.path(), true); }),
                HasSubstr("Undefined database driver. drvName: 'QMYSQL'"));
}

TEST(DBSimpleOpen, SqliteUsesWriteAheadLogAndForeignKeys) {
    QTemporaryDir dir;
    configure(Backend::Sqlite);
    auto db =
        DBSimple::initSpDB(QStringLiteral("walcheck"), dir.path() + QStringLiteral("/sub/folder"), true);
    EXPECT_TRUE(QFileInfo::exists(dir.path() + QStringLiteral("/sub/folder/main.db")));
    QSqlQuery mode = db->exec(QStringLiteral("PRAGMA journal_mode"));
    ASSERT_TRUE(mode.next());
    EXPECT_EQ(mode.value(0).toString(), QStringLiteral("wal"));
    EXPECT_EQ(countRows(*db, QStringLiteral("PRAGMA foreign_keys")), 1);
    EXPECT_TRUE(db->getNowExpression().isEmpty());
}

TEST(DBSimpleOpen, SqliteInUnreachableFolderFailsToOpen) {
    configure(Backend::Sqlite);
    const std::string error = errorOf(
        [] { DBSimple::initSpDB(QStringLiteral("nofolder"), QStringLiteral("/nonexistent/x/y"), false); });
    EXPECT_THAT(error, HasSubstr(". Failed to spDB->initialize. Error: '"));
    EXPECT_THAT(error, HasSubstr(", DB failed to open. SQL last error '"));
}

TEST(DBSimpleOpen, PostgresWithWrongPortFailsToOpen) {
    if (!postgresConfigured()) {
        GTEST_SKIP() << "OKULON_TEST_PG_* not set; scripts/test starts PostgreSQL and sets them";
    }
    configure(Backend::Postgres);
    settings()->setValue(QStringLiteral("db/port"), 1);
    QTemporaryDir dir;
    EXPECT_THAT(errorOf([&] { DBSimple::initSpDB(QStringLiteral("badport"), dir.path(), true); }),
                HasSubstr("DB failed to open. SQL last error '"));
}

TEST(DBSimpleOpen, ConnectionLivesAsLongAsTheLastCopy) {
    QTemporaryDir dir;
    configure(Backend::Sqlite);
    const QString name = QStringLiteral("copied");
    auto db = DBSimple::initSpDB(name, dir.path(), true);
    auto copy = std::make_unique<DBSimple>(*db);
    db.reset();
    EXPECT_TRUE(QSqlDatabase::contains(name));
    EXPECT_NO_THROW(copy->exec(QStringLiteral("CREATE TABLE x (id INTEGER)")));
    copy.reset();
    EXPECT_FALSE(QSqlDatabase::contains(name));
}

TEST(DBSimpleText, ParamsAreListedInErrorMessages) {
    EXPECT_EQ(
        DBSimple::mapParamsToString({{QStringLiteral(":a"), 1}, {QStringLiteral(":b"), QStringLiteral("x")}}),
        QStringLiteral(":a: '1', :b: 'x', "));
    EXPECT_EQ(DBSimple::mapParamsToString({}), QString());
}

class DBSimpleTest : public BackendTest {
protected:
    void SetUp() override {
        BackendTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        db->exec(QStringLiteral("CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT NOT NULL, n INTEGER)"));
    }
};

TEST_P(DBSimpleTest, NamedParametersBindAndExtraOnesAreIgnored) {
    db->execUpdate(QStringLiteral("INSERT INTO t (id, name, n) VALUES (:id, :name, :n)"),
                   {{QStringLiteral(":id"), 2},
                    {QStringLiteral(":name"), QStringLiteral("O'Brien; DROP TABLE t")},
                    {QStringLiteral(":n"), 7},
                    {QStringLiteral(":unused"), 99}});
    QSqlQuery q =
        db->execSelect(QStringLiteral("SELECT name, n FROM t WHERE id=:id AND n=:n"),
                       {{QStringLiteral(":id"), 2}, {QStringLiteral(":n"), 7}, {QStringLiteral(":x"), 1}});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(QStringLiteral("name")).toString(), QStringLiteral("O'Brien; DROP TABLE t"));
    EXPECT_FALSE(q.next());

    QSqlQuery into(db->sqlDb());
    EXPECT_TRUE(db->execSelect(into, QStringLiteral("SELECT count(*) FROM t WHERE name LIKE :p"),
                               {{QStringLiteral(":p"), QStringLiteral("O'%")}}));
    ASSERT_TRUE(into.next());
    EXPECT_EQ(into.value(0).toInt(), 1);
}

TEST_P(DBSimpleTest, FailuresCarryQueryErrorAndParameters) {
    const QMap<QString, QVariant> params{{QStringLiteral(":id"), 2}};
    const std::string execError = errorOf([&] { db->exec(QStringLiteral("SELEKT 1")); });
    EXPECT_THAT(execError, StartsWith("src/kvoCore/db/DBSimple.cpp::KvoCore::DBSimple::exec line: "));
    EXPECT_THAT(execError, HasSubstr(", query exec error. lastQuery: 'SELEKT 1', lastError: '"));

    // A NOT NULL violation fails at execution on both back ends.
    const QString insert = QStringLiteral("INSERT INTO t (id, name) VALUES (:id, NULL)");
    const std::string updateError = errorOf([&] { db->execUpdate(insert, params); });
    EXPECT_THAT(updateError, HasSubstr("::KvoCore::DBSimple::execUpdate line: "));
    EXPECT_THAT(updateError, HasSubstr(", query exec error. lastQuery: '"));
    EXPECT_THAT(updateError, HasSubstr("', paramValuesString: (:id: '2', )"));

    QSqlQuery q(db->sqlDb());
    EXPECT_THAT(errorOf([&] { db->execUpdate(q, insert, params); }),
                HasSubstr("' paramValuesString: (:id: '2', )"));

    const QString badSelect = QStringLiteral("SELECT nosuchcolumn FROM t WHERE id=:id");
    const std::string selectError = errorOf([&] { db->execSelect(badSelect, params); });
    EXPECT_THAT(selectError, HasSubstr("::KvoCore::DBSimple::execSelect line: "));
    EXPECT_THAT(selectError, HasSubstr(", query prepare error. lastQuery: '"));
    if (postgres()) {
        // A value PostgreSQL cannot convert fails only when the statement runs.
        const std::string castError = errorOf([&] {
            db->execSelect(QStringLiteral("SELECT CAST(:v AS INTEGER)"),
                           {{QStringLiteral(":v"), QStringLiteral("abc")}});
        });
        EXPECT_THAT(castError, HasSubstr(", query exec error. lastQuery: '"));
        EXPECT_THAT(castError, HasSubstr("'paramValuesString: (:v: 'abc', )"));
    }
    EXPECT_EQ(countRows(*db, QStringLiteral("SELECT count(*) FROM t")), 0);
}

TEST_P(DBSimpleTest, TransactionsCommitAndRollBack) {
    EXPECT_TRUE(db->commitTransaction()); // nothing open: nothing happens
    EXPECT_FALSE(db->transactionIsOn());

    EXPECT_TRUE(db->startTransaction());
    EXPECT_TRUE(db->startTransaction()); // already open
    EXPECT_TRUE(db->transactionIsOn());
    db->exec(QStringLiteral("INSERT INTO t (id, name) VALUES (2, 'kept')"));
    EXPECT_TRUE(db->commitTransaction());
    EXPECT_FALSE(db->transactionIsOn());

    db->startTransaction();
    db->exec(QStringLiteral("INSERT INTO t (id, name) VALUES (3, 'dropped')"));
    db->rollbackTransaction(QStringLiteral("test"), QStringLiteral("undo"));
    EXPECT_FALSE(db->transactionIsOn());
    db->rollbackTransaction(); // nothing open: no effect, no error

    QSqlQuery q = db->exec(QStringLiteral("SELECT name FROM t ORDER BY id"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("kept"));
    EXPECT_FALSE(q.next());
}

TEST_P(DBSimpleTest, UserVersionTableHoldsOneRow) {
    db->prepareUserVersionTable();
    db->prepareUserVersionTable();
    EXPECT_EQ(countRows(*db, QStringLiteral("SELECT count(*) FROM user_ver")), 1);
    EXPECT_EQ(db->userVersionDB(), 0u);
    db->setUserVersionDB(42);
    db->prepareUserVersionTable();
    EXPECT_EQ(db->userVersionDB(), 42u);
    EXPECT_EQ(countRows(*db, QStringLiteral("SELECT count(*) FROM user_ver")), 1);
}

TEST_P(DBSimpleTest, CatalogueLookUpsFindPostgresIndexesAndConstraints) {
    db->exec(QStringLiteral("CREATE TABLE childTable (id INTEGER PRIMARY KEY, rstIdT INTEGER)"));
    db->exec(QStringLiteral("CREATE INDEX childTable_rstIdT_key ON childTable (rstIdT)"));
    if (!postgres()) {
        EXPECT_TRUE(db->indexNames(QStringLiteral("childTable")).isEmpty());
        EXPECT_TRUE(db->constraintNames(QStringLiteral("childTable")).isEmpty());
        return;
    }
    db->exec(
        QStringLiteral("ALTER TABLE childTable ADD CONSTRAINT childTable_rstIdT_fkey FOREIGN KEY (rstIdT) "
                       "REFERENCES t(id)"));
    const QStringList indexes = db->indexNames(QStringLiteral("childTable"));
    EXPECT_TRUE(indexes.contains(QStringLiteral("childtable_rstidt_key"))) << indexes.join(',').toStdString();
    EXPECT_TRUE(indexes.contains(QStringLiteral("childtable_pkey")));
    EXPECT_EQ(indexes.size(), 2);
    const QStringList constraints = db->constraintNames(QStringLiteral("childTable"));
    EXPECT_TRUE(constraints.contains(QStringLiteral("childtable_rstidt_fkey")));
    EXPECT_TRUE(constraints.contains(QStringLiteral("childtable_pkey")));
    EXPECT_EQ(db->getNowExpression(), QStringLiteral("EXTRACT(epoch FROM now())*1000"));
}

INSTANTIATE_TEST_SUITE_P(Backends, DBSimpleTest, ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         backendName);
