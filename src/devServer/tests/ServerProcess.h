#pragma once

#include "ProcessMemory.h"

#include <QMap>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

// The server program started on a free loopback port with its own settings file and a fresh
// database (a SQLite file in a temporary folder, or a new PostgreSQL database when `postgres`).
class ServerProcess {
public:
    // Settings written before the start, on top of the server's defaults.
    explicit ServerProcess(bool postgres = false, const QMap<QString, QVariant>& settings = {});
    ~ServerProcess();

    // Starts the program and waits until it listens; false with `error()` set when it does not.
    bool start();
    quint16 port() const { return _port; }
    QString error() const { return _error; }
    QString folder() const { return _dir.path(); }
    QString output() const;
    // The address given with --host (default 127.0.0.1); set before start().
    void setHost(const QString& host) { _host = host; }
    // Open files the program may hold (through prlimit); 0 = inherited. Set before start().
    void setFileLimit(int files) { _fileLimit = files; }
    // CPU time the running server has used so far, in clock ticks (0 when unknown).
    qint64 cpuTicks() const { return cpuTicksOf(pid()); }
    // The address from the server's "LISTENING" line.
    QString listeningAddress() const { return _address; }
    // Everything in the server's log folder so far.
    QString logText() const;
    qint64 logBytes() const;
    // Resident memory of the running server in KiB (0 when unknown).
    qint64 residentKiB() const { return ProcessMemory::residentKiB(pid()); }
    qint64 pid() const { return _process.processId(); }

    // Stops the program (politely, then by force) and starts it again on the same port with the same
    // database and settings, so that clients reconnect to where they were.
    bool restart();
    void stop();
    // A setting written at the next start, on top of the server's defaults.
    void setSetting(const QString& key, const QVariant& value) { _settings.insert(key, value); }

    bool waitForExit(int msecs);
    bool isRunning() const { return _process.state() != QProcess::NotRunning; }
    int exitCode() const { return _process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return _process.exitStatus(); }

    // The same for any process, from /proc.
    static qint64 cpuTicksOf(qint64 pid);

    // True when the environment names a PostgreSQL server for tests.
    static bool postgresAvailable();

private:
    bool createPostgresDatabase();
    void dropPostgresDatabase();

    QTemporaryDir _dir;
    QProcess _process;
    QMap<QString, QVariant> _settings;
    bool _postgres;
    QString _pgDatabase;
    quint16 _port = 0;
    QString _host = QStringLiteral("127.0.0.1");
    QString _address;
    int _fileLimit = 0;
    QString _error;
    QByteArray _stdout;
};
