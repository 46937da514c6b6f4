// Inserts archive rows in one transaction and lists the newest 1,000 of them with a where condition,
// on SQLite (temporary file) and on PostgreSQL when OKULON_TEST_PG_HOST/PORT/USER/DB name a server
// (scripts/lib.sh start_postgres sets them up). Usage: sqlArchiveBench [rows] [list repetitions]
#include "kvoCore/SettingsSimple.h"
#include "kvoCore/SpSingleton.h"
#include "kvoCore/db/DBSimple.h"
#include "kvoModel/dao/DAO.h"
#include "kvoModel/dao/ModelTableCreator.h"
#include "kvoModel/model/OwnerGroupModel.h"
#include "rirOVA/model/ArchiveModel.h"
#include "rirOVA/model/DeviceModel.h"
#include "rirOVA/model/DeviceTypeModel.h"
#include "rirOVA/model/UserModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QSqlError>
#include <QTemporaryDir>
#include <QUuid>
#include <cstdio>
#include <spdlog/spdlog.h>

using KvoModel::DAO;
using KvoModel::ModelBase;

namespace {

bool resetPostgresBenchDb(const QString& name) {
    const QString connection = QStringLiteral("bench_admin");
    bool ok = true;
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        admin.setHostName(qEnvironmentVariable("OKULON_TEST_PG_HOST"));
        admin.setPort(qEnvironmentVariableIntValue("OKULON_TEST_PG_PORT"));
        admin.setUserName(qEnvironmentVariable("OKULON_TEST_PG_USER"));
        admin.setDatabaseName(qEnvironmentVariable("OKULON_TEST_PG_DB"));
        if (!admin.open()) {
            std::fprintf(stderr, "PostgreSQL: %s\n", qPrintable(admin.lastError().text()));
            return false;
        }
        QSqlQuery q(admin);
        ok = q.exec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name)) &&
             q.exec(QStringLiteral("CREATE DATABASE %1").arg(name));
        if (!ok) {
            std::fprintf(stderr, "PostgreSQL: %s\n", qPrintable(q.lastError().text()));
        }
        admin.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

void run(const char* backend, const QString& directory, int rows, int repetitions) {
    auto db = KvoCore::DBSimple::initSpDB(QStringLiteral("bench_%1").arg(backend), directory, true);
    KvoModel::ModelTableCreator().checkTables(
        {SharedPointerEx<ModelBase>(new KvoModel::OwnerGroupModel()),
         SharedPointerEx<ModelBase>(new KvoModelDesktopMedia::UserModel()),
         SharedPointerEx<ModelBase>(new KvoModelDesktopMedia::DeviceTypeModel()),
         SharedPointerEx<ModelBase>(new KvoModelDesktopMedia::DeviceModel()),
         SharedPointerEx<ModelBase>(new KvoModelDesktopMedia::ArchiveModel())},
        db.data());

    const qint64 base = 1'700'000'000'000;
    SharedPointerEx<ModelBase> archive(new KvoModelDesktopMedia::ArchiveModel());
    DAO dao(archive, db.data());
    dao.setUseRetMode(false);
    QElapsedTimer timer;
    timer.start();
    db->startTransaction();
    for (int i = 0; i < rows; ++i) {
        archive->populateDefault();
        archive->setValue(QStringLiteral("dtStart"), base + qint64(i) * 1000);
        archive->setValue(QStringLiteral("dtEnd"), base + qint64(i) * 1000 + 900);
        archive->setValue(QStringLiteral("duration"), 900);
        archive->setValue(QStringLiteral("final"), i % 2 == 0);
        archive->setValue(QStringLiteral("filePath"), QStringLiteral("/video/clip_%1.mp4").arg(i));
        archive->setValue(QStringLiteral("archiveUuid"), QUuid::createUuid().toString());
        archive->setValue(QStringLiteral("detected"), QStringLiteral("person"));
        dao.insert();
    }
    if (!db->commitTransaction()) {
        std::fprintf(stderr, "%s: commit failed\n", backend);
        return;
    }
    const double insertSeconds = timer.nsecsElapsed() / 1e9;
    std::printf("%-10s insert %d rows in one transaction: %.2f s, %.0f rows/s\n", backend, rows,
                insertSeconds, rows / insertSeconds);

    // The newest 1,000 finished clips after a start time, the way a list request asks for them.
    const QJsonArray where = QJsonDocument::fromJson(QStringLiteral(R"([{"condition": "and", "expressions": [
        {"role": "dtStart", "operation": ">=", "value": %1, "condition": "and"},
        {"role": "final", "operation": "=", "value": true, "condition": "and"}]}])")
                                                         .arg(base + 1000)
                                                         .toUtf8())
                                 .array();
    const QJsonObject order{{QStringLiteral("dtStart"), QStringLiteral("DESC")}};
    SharedPointerEx<ModelBase> row(new KvoModelDesktopMedia::ArchiveModel());
    DAO listDao(row, db.data());
    qint64 listed = 0;
    timer.restart();
    for (int r = 0; r < repetitions; ++r) {
        QSqlQuery query(db->sqlDb());
        query.setForwardOnly(true);
        listDao.entriesList(query, {}, order, 1000, where);
        while (query.next()) {
            row->populateFieldsList(query, false);
            ++listed;
        }
    }
    const double listSeconds = timer.nsecsElapsed() / 1e9;
    std::printf("%-10s list newest 1000 with where, %d times: %.1f ms per list, %.0f rows/s (%lld rows)\n",
                backend, repetitions, listSeconds * 1000 / repetitions, listed / listSeconds,
                static_cast<long long>(listed));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int repetitions = argc > 2 ? std::atoi(argv[2]) : 20;
    spdlog::set_level(spdlog::level::warn);

    QTemporaryDir dir;
    auto* settings = SpSingleton<KvoCore::SettingsSimple>::instance(
        dir.path() + QStringLiteral("/bench.conf"), QSettings::IniFormat);
    ModelBase::init(QStringLiteral("users"), QStringLiteral("userGroup"), QStringLiteral("sessions"),
                    stDevServer);
    try {
        settings->setValue(QStringLiteral("db/drvname"), QStringLiteral("QSQLITE"));
        run("SQLite", dir.path(), rows, repetitions);

        if (!qEnvironmentVariableIsSet("OKULON_TEST_PG_HOST")) {
            std::printf("PostgreSQL skipped: OKULON_TEST_PG_HOST/PORT/USER/DB not set\n");
            return 0;
        }
        const QString dbName = QStringLiteral("okulon_bench");
        if (!resetPostgresBenchDb(dbName)) {
            return 1;
        }
        settings->setValue(QStringLiteral("db/drvname"), QStringLiteral("QPSQL"));
        settings->setValue(QStringLiteral("db/host"), qEnvironmentVariable("OKULON_TEST_PG_HOST"));
        settings->setValue(QStringLiteral("db/port"), qEnvironmentVariableIntValue("OKULON_TEST_PG_PORT"));
        settings->setValue(QStringLiteral("db/dbname"), dbName);
        settings->setValue(QStringLiteral("db/username"), qEnvironmentVariable("OKULON_TEST_PG_USER"));
        settings->setValue(QStringLiteral("db/userpwd"), QString());
        run("PostgreSQL", dir.path(), rows, repetitions);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
