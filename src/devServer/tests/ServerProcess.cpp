#include "ServerProcess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

QString env(const char* name) {
    return qEnvironmentVariable(name);
}

// Runs one statement on the test cluster's maintenance database.
bool adminExec(const QString& sql, QString* error) {
    const QString name = QStringLiteral("devServerTestAdmin");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(env("OKULON_TEST_PG_HOST"));
        db.setPort(env("OKULON_TEST_PG_PORT").toInt());
        db.setUserName(env("OKULON_TEST_PG_USER"));
        db.setDatabaseName(env("OKULON_TEST_PG_DB"));
        if (db.open()) {
            QSqlQuery query(db);
            ok = query.exec(sql);
            if (!ok) {
                *error = query.lastError().text();
            }
            db.close();
        } else {
            *error = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace

ServerProcess::ServerProcess(bool postgres, const QMap<QString, QVariant>& settings)
    : _settings(settings), _postgres(postgres) {
    _process.setProcessChannelMode(QProcess::SeparateChannels);
}

ServerProcess::~ServerProcess() {
    stop();
    if (_postgres) {
        dropPostgresDatabase();
    }
}

bool ServerProcess::postgresAvailable() {
    return !env("OKULON_TEST_PG_HOST").isEmpty() && !env("OKULON_TEST_PG_PORT").isEmpty() &&
           !env("OKULON_TEST_PG_USER").isEmpty() && !env("OKULON_TEST_PG_DB").isEmpty();
}

bool ServerProcess::createPostgresDatabase() {
    _pgDatabase = QStringLiteral("devserver_") + QUuid::createUuid().toString(QUuid::Id128).left(16);
    return adminExec(QStringLiteral("CREATE DATABASE %1").arg(_pgDatabase), &_error);
}

void ServerProcess::dropPostgresDatabase() {
    if (!_pgDatabase.isEmpty()) {
        QString ignored;
        adminExec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(_pgDatabase), &ignored);
    }
}

QString ServerProcess::output() const {
    QString all;
    for (const char* name : {"stdout.txt", "stderr.txt"}) {
        QFile file(_dir.filePath(QLatin1String(name)));
        if (file.open(QIODevice::ReadOnly)) {
            all += QString::fromUtf8(file.readAll());
        }
    }
    return all;
}

bool ServerProcess::start() {
    if (!_dir.isValid()) {
        _error = QStringLiteral("no temporary folder");
        return false;
    }
    const QString settingsPath = _dir.filePath(QStringLiteral("etc/vorozizevodidureruziz.conf"));
    {
        QSettings settings(settingsPath, QSettings::IniFormat);
        settings.setValue(QStringLiteral("video/baseDir"), _dir.filePath(QStringLiteral("video")));
        // No demo camera unless a test asks for one: tests count the devices they make.
        settings.setValue(QStringLiteral("video/demoClip"), QString());
        if (_postgres) {
            if (_pgDatabase.isEmpty() && !createPostgresDatabase()) {
                return false;
            }
            settings.setValue(QStringLiteral("db/drvname"), QStringLiteral("QPSQL"));
            settings.setValue(QStringLiteral("db/host"), env("OKULON_TEST_PG_HOST"));
            settings.setValue(QStringLiteral("db/port"), env("OKULON_TEST_PG_PORT").toInt());
            settings.setValue(QStringLiteral("db/dbname"), _pgDatabase);
            settings.setValue(QStringLiteral("db/username"), env("OKULON_TEST_PG_USER"));
            settings.setValue(QStringLiteral("db/userpwd"), QString());
        } else {
            settings.setValue(QStringLiteral("db/drvname"), QStringLiteral("QSQLITE"));
        }
        for (auto it = _settings.constBegin(); it != _settings.constEnd(); ++it) {
            settings.setValue(it.key(), it.value());
        }
    }
    // Into files: nobody reads a pipe while a test runs, and a full pipe would stop the server.
    _process.setStandardOutputFile(_dir.filePath(QStringLiteral("stdout.txt")), QIODevice::Truncate);
    _process.setStandardErrorFile(_dir.filePath(QStringLiteral("stderr.txt")), QIODevice::Truncate);
    QStringList arguments{QStringLiteral("--settings"), settingsPath,
                          QStringLiteral("--host"),     _host,
                          QStringLiteral("--port"),     QString::number(_port),
                          QStringLiteral("--db"),       _dir.filePath("db"),
                          QStringLiteral("--log-dir"),  _dir.filePath(QStringLiteral("log"))};
    if (_fileLimit > 0) {
        arguments = QStringList{QStringLiteral("--nofile=%1:%1").arg(_fileLimit), QStringLiteral("--"),
                                QStringLiteral(DEVSERVER_BINARY)} +
                    arguments;
        _process.start(QStringLiteral("prlimit"), arguments);
    } else {
        _process.start(QStringLiteral(DEVSERVER_BINARY), arguments);
    }
    if (!_process.waitForStarted(10000)) {
        _error = _process.errorString();
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        _process.waitForFinished(100);
        _stdout = output().toUtf8();
        const int at = _stdout.lastIndexOf("LISTENING ");
        const int end = at < 0 ? -1 : _stdout.indexOf('\n', at);
        if (end > 0) {
            const QList<QByteArray> words = _stdout.mid(at, end - at).split(' ');
            _address = QString::fromUtf8(words.value(1));
            _port = quint16(words.value(2).toUInt());
            return _port != 0;
        }
        if (!isRunning()) {
            _error = QStringLiteral("the server ended at start: ") + output();
            return false;
        }
    }
    _error = QStringLiteral("the server did not report its port: ") + output();
    return false;
}

QString ServerProcess::logText() const {
    QString all;
    const QDir dir(_dir.filePath(QStringLiteral("log")));
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files, QDir::Name)) {
        QFile f(file.absoluteFilePath());
        if (f.open(QIODevice::ReadOnly)) {
            all += QString::fromUtf8(f.readAll());
        }
    }
    return all;
}

qint64 ServerProcess::logBytes() const {
    qint64 bytes = 0;
    const QDir dir(_dir.filePath(QStringLiteral("log")));
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files)) {
        bytes += file.size();
    }
    return bytes;
}

qint64 ServerProcess::cpuTicksOf(qint64 pid) {
    if (pid <= 0) {
        return 0;
    }
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return 0;
    }
    // Fields after the command name (which may hold blanks): state is field 3, utime 14, stime 15.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.value(11).toLongLong() + fields.value(12).toLongLong();
}

void ServerProcess::stop() {
    if (isRunning()) {
        _process.terminate();
        if (!_process.waitForFinished(5000)) {
            _process.kill();
            _process.waitForFinished(5000);
        }
    }
}

bool ServerProcess::restart() {
    stop();
    _stdout.clear();
    return start();
}

bool ServerProcess::waitForExit(int msecs) {
    if (!isRunning()) {
        return true;
    }
    return _process.waitForFinished(msecs);
}
