#pragma once

#include "TileStatusLog.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class ServerProcess;

// The client program against the development server for a long time: the server with `tiles` File
// cameras on a free loopback port, the client showing them all in its 4×4 grid, the client's memory
// and CPU sampled each minute, and the server restarted every few minutes; after each restart every
// tile has to come back.
class LiveGridSoak {
public:
    struct Options {
        int minutes = 60;
        int restartEveryMinutes = 10;
        int settleMinutes = 10;
        int restartPauseSeconds = 0; // between stopping the server and starting it again
        int tiles = 16;
        QString clip;           // what every camera plays
        QStringList clientArgs; // extra arguments of the client
        bool keepFolder = false;
    };
    struct Sample {
        int minute = 0;
        double rssMiB = 0;
        double cpuPercent = 0; // of one core, since the previous sample
        int tilesLive = 0;
        double load = 0; // the machine's one-minute load average
    };
    struct Restart {
        int minute = 0;
        qint64 listeningMs = -1; // from the restart until the server listened again
        qint64 allLiveMs = -1;   // from the restart until every tile was live again; -1: not all came back
        QString missing;
    };

    explicit LiveGridSoak(const Options& options);
    ~LiveGridSoak();

    // Runs the whole soak and prints the curve; the exit code of the program.
    int run();
    // Ends the run at the next look at the clock, with the curve so far (safe in a signal handler).
    static void interrupt();

private:
    bool startServer();
    bool addCameras();
    bool startClient();
    void readClient();
    bool waitUntil(qint64 atMs, const std::function<bool()>& done);
    Sample sample(int minute);
    Restart restartServer(int minute);
    int report(const QString& failure) const;

    static std::atomic<bool> _interrupted;

    Options _options;
    QTemporaryDir _dir;
    QElapsedTimer _clock;
    std::unique_ptr<ServerProcess> _server;
    QProcess _client;
    QFile _clientLog;
    TileStatusLog _tileLog;
    qint64 _firstAllLiveMs = -1;
    qint64 _lastCpuTicks = 0;
    qint64 _lastSampleMs = 0;
    std::vector<Sample> _samples;
    std::vector<Restart> _restarts;
};
