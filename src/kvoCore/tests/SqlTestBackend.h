#pragma once

// Opens real databases for the SQL tests: an SQLite file in a temporary folder, or a database of the
// throw-away PostgreSQL cluster that scripts/test starts (OKULON_TEST_PG_HOST/PORT/USER/DB).
// Each test program gets a database of its own on that cluster, emptied before every test.

#include "kvoCore/SettingsSimple.h"
#include "kvoCore/SpSingleton.h"
#include "kvoCore/db/DBSimple.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>

namespace SqlTest {

enum class Backend { Sqlite, Postgres };

// What `fn` threw, or "no exception"; the tests compare error texts against it.
inline std::string errorOf(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no exception";
}

inline std::string backendName(const ::testing::TestParamInfo<Backend>& info) {
    return info.param == Backend::Sqlite ? "Sqlite" : "Postgres";
}

inline bool postgresConfigured() {
    return qEnvironmentVariableIsSet("OKULON_TEST_PG_HOST") && qEnvironmentVariableIsSet("OKULON_TEST_PG_DB");
}

inline KvoCore::SettingsSimple* settings() {
    static QTemporaryDir dir;
    return SpSingleton<KvoCore::SettingsSimple>::instance(dir.path() + QStringLiteral("/test.conf"),
                                                          QSettings::IniFormat);
}

// Name of this program's own database on the cluster.
inline QString programDbName() {
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).baseName().toLower();
    if (name.isEmpty()) {
        name = QStringLiteral("sqltests");
    }
    return QStringLiteral("okulon_") + name;
}

inline QSqlDatabase adminConnection(const QString& connectionName, const QString& dbName) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    db.setHostName(qEnvironmentVariable("OKULON_TEST_PG_HOST"));
    db.setPort(qEnvironmentVariableIntValue("OKULON_TEST_PG_PORT"));
    db.setUserName(qEnvironmentVariable("OKULON_TEST_PG_USER"));
    db.setDatabaseName(dbName);
    return db;
}

// Empties this program's PostgreSQL database (created on first use).
inline void resetPostgres() {
    static bool created = false;
    const QString admin = QStringLiteral("okulon_test_admin");
    {
        QSqlDatabase db =
            adminConnection(admin, created ? programDbName() : qEnvironmentVariable("OKULON_TEST_PG_DB"));
        if (!db.open()) {
            throw std::runtime_error("cannot reach the test PostgreSQL: " +
                                     db.lastError().text().toStdString());
        }
        QSqlQuery q(db);
        const QStringList statements =
            created
                ? QStringList{QStringLiteral("DROP SCHEMA IF EXISTS public CASCADE"),
                              QStringLiteral("CREATE SCHEMA public")}
                : QStringList{QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(programDbName()),
                              QStringLiteral("CREATE DATABASE %1").arg(programDbName())};
        for (const QString& sql : statements) {
            if (!q.exec(sql)) {
                throw std::runtime_error("test database reset failed: " + q.lastError().text().toStdString());
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(admin);
    created = true;
}

// Points the settings at the back end; the SQLite file goes into dir.
inline void configure(Backend backend) {
    auto* s = settings();
    if (backend == Backend::Sqlite) {
        s->setValue(QStringLiteral("db/drvname"), QStringLiteral("QSQLITE"));
        return;
    }
    s->setValue(QStringLiteral("db/drvname"), QStringLiteral("QPSQL"));
    s->setValue(QStringLiteral("db/host"), qEnvironmentVariable("OKULON_TEST_PG_HOST"));
    s->setValue(QStringLiteral("db/port"), qEnvironmentVariableIntValue("OKULON_TEST_PG_PORT"));
    s->setValue(QStringLiteral("db/dbname"), programDbName());
    s->setValue(QStringLiteral("db/username"), qEnvironmentVariable("OKULON_TEST_PG_USER"));
    s->setValue(QStringLiteral("db/userpwd"), QString());
}

inline QString nextConnectionName() {
    static int counter = 0;
    return QStringLiteral("sqltest_%1").arg(++counter);
}

// Fixture base for tests that run on both back ends; PostgreSQL cases skip when no cluster is set up.
class BackendTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        if (GetParam() == Backend::Postgres) {
            if (!postgresConfigured()) {
                GTEST_SKIP() << "OKULON_TEST_PG_HOST/PORT/USER/DB not set; scripts/test starts a PostgreSQL "
                                "cluster and sets them";
            }
            resetPostgres();
        }
        ASSERT_TRUE(dir.isValid());
        configure(GetParam());
        db = KvoCore::DBSimple::initSpDB(nextConnectionName(), dir.path(), true);
    }

    void TearDown() override { db.reset(); }

    bool postgres() const { return GetParam() == Backend::Postgres; }

    QTemporaryDir dir;
    SharedPointerEx<KvoCore::DBSimple> db;
};

} // namespace SqlTest
