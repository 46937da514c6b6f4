#include "LiveGridSoak.h"

#include "LinkClient.h"
#include "LiveTestSupport.h"
#include "ProcessMemory.h"
#include "ServerProcess.h"

#include "kvoCore/Utils.h"

#include <QDir>
#include <QJsonArray>
#include <QProcessEnvironment>
#include <QSettings>
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <unistd.h>

namespace {

// Within this band of the reference sample the client's memory counts as steady.
constexpr double rssBand = 0.05;
constexpr int firstStartTimeoutMs = 120000;

double loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').value(0).toDouble() : 0;
}

} // namespace

std::atomic<bool> LiveGridSoak::_interrupted{false};

void LiveGridSoak::interrupt() {
    _interrupted = true;
}

LiveGridSoak::LiveGridSoak(const Options& options) : _options(options) {
    _dir.setAutoRemove(!options.keepFolder);
}

LiveGridSoak::~LiveGridSoak() {
    if (_client.state() != QProcess::NotRunning) {
        _client.terminate();
        if (!_client.waitForFinished(5000)) {
            _client.kill();
            _client.waitForFinished(5000);
        }
    }
}

bool LiveGridSoak::startServer() {
    // Recording an hour of 16 cameras would fill the disk and measure the server's writing instead.
    _server = std::make_unique<ServerProcess>(
        false, QMap<QString, QVariant>{{"video/demoClip", _options.clip}, {"video/record", false}});
    if (!_server->start()) {
        std::printf("the server did not start: %s\n", qPrintable(_server->error()));
        return false;
    }
    std::printf("server listening on 127.0.0.1:%d (folder %s)\n", _server->port(),
                qPrintable(_server->folder()));
    return true;
}

// The demo camera exists from the server's first start; the others are copies of it.
bool LiveGridSoak::addCameras() {
    LinkClient admin;
    if (!admin.connectTo(_server->port()) || !admin.logIn("admin", KvoCore::Utils::getPwdHash(QString()))) {
        std::printf("could not log in to the server\n");
        return false;
    }
    const QJsonArray devices =
        admin.request({{"FN", "device_trGetList"}}, "device_saGetList").value("entries").toArray();
    if (devices.size() != 1) {
        std::printf("expected the demo camera alone, the server has %d devices\n", int(devices.size()));
        return false;
    }
    const QJsonObject demo = devices.first().toObject();
    for (int i = 2; i <= _options.tiles; ++i) {
        const QJsonObject made = admin.request({{"FN", "device_trCreate"},
                                                {"deviceName", QStringLiteral("Soak camera %1").arg(i)},
                                                {"source", demo.value("source")},
                                                {"rstIdDeviceType", demo.value("rstIdDeviceType")},
                                                {"enabled", true}},
                                               "device_saCreate");
        if (!made.value("RES").toBool()) {
            std::printf("camera %d not created: %s\n", i, qPrintable(made.value("error").toString()));
            return false;
        }
    }
    return true;
}

// An installed tree of its own (bin/okulon, etc/, var/), so the client's settings, screen state and
// log stay in the temporary folder. The client must not start a server of its own while ours restarts.
bool LiveGridSoak::startClient() {
    QDir root(_dir.path());
    if (!root.mkpath(QStringLiteral("bin")) || !root.mkpath(QStringLiteral("etc")) ||
        !QFile::copy(QStringLiteral(OKULON_PROGRAM), root.filePath(QStringLiteral("bin/okulon")))) {
        std::printf("could not set up the client's folder %s\n", qPrintable(root.path()));
        return false;
    }
    {
        QSettings conf(root.filePath(QStringLiteral("etc/dodEzoviviZudorOzerir.conf")), QSettings::IniFormat);
        conf.setValue(QStringLiteral("server/ip"), QStringLiteral("127.0.0.1"));
        conf.setValue(QStringLiteral("server/port"), _server->port());
        conf.setValue(QStringLiteral("generalSettings/lang"), QStringLiteral("eng"));
        // The tiles' health lines come without the log; the log would add the link's every message.
        conf.setValue(QStringLiteral("log/logging"), false);
        conf.setValue(QStringLiteral("desktop/gridSize"), QStringLiteral("S4_4"));
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    _client.setProcessEnvironment(env);
    _client.setWorkingDirectory(root.filePath(QStringLiteral("bin")));
    // Into a file: the bench blocks while the server restarts, and a full pipe would stop the client.
    _client.setProcessChannelMode(QProcess::MergedChannels);
    _client.setStandardOutputFile(root.filePath(QStringLiteral("client.log")), QIODevice::Truncate);
    _client.start(root.filePath(QStringLiteral("bin/okulon")),
                  QStringList{"--no-server"} + _options.clientArgs);
    if (!_client.waitForStarted(10000)) {
        std::printf("the client did not start: %s\n", qPrintable(_client.errorString()));
        return false;
    }
    // Minute 0's CPU figure covers the client's start.
    _lastSampleMs = _clock.elapsed();
    _clientLog.setFileName(root.filePath(QStringLiteral("client.log")));
    return _clientLog.open(QIODevice::ReadOnly);
}

void LiveGridSoak::readClient() {
    const QByteArray bytes = _clientLog.readAll();
    if (!bytes.isEmpty()) {
        _tileLog.feed(bytes, _clock.elapsed());
    }
}

// Reads the client's output until `done` holds or the clock reaches `atMs`; false when the client
// ended or the run was interrupted.
bool LiveGridSoak::waitUntil(qint64 atMs, const std::function<bool()>& done) {
    LiveTestSupport::waitUntil(
        [&] {
            readClient();
            return done() || _clock.elapsed() >= atMs || _client.state() == QProcess::NotRunning ||
                   _interrupted;
        },
        int(std::max<qint64>(0, atMs - _clock.elapsed())) + 1000);
    return _client.state() != QProcess::NotRunning && !_interrupted;
}

LiveGridSoak::Sample LiveGridSoak::sample(int minute) {
    readClient();
    const qint64 now = _clock.elapsed();
    const qint64 ticks = ServerProcess::cpuTicksOf(_client.processId());
    Sample s;
    s.minute = minute;
    s.rssMiB = ProcessMemory::residentKiB(_client.processId()) / 1024.0;
    s.cpuPercent = now > _lastSampleMs ? 100.0 * (ticks - _lastCpuTicks) / double(sysconf(_SC_CLK_TCK)) /
                                             ((now - _lastSampleMs) / 1000.0)
                                       : 0;
    s.tilesLive = _tileLog.liveCount();
    s.load = loadAverage();
    _lastCpuTicks = ticks;
    _lastSampleMs = now;
    std::printf("minute %3d: RSS %7.1f MiB, CPU %5.1f %%, tiles live %2d/%d, load %.1f\n", s.minute, s.rssMiB,
                s.cpuPercent, s.tilesLive, _options.tiles, s.load);
    std::fflush(stdout);
    return s;
}

// Stops the server (after an optional pause) and starts it again on the same port and database:
// every stream ends, the client loses its connection, and its tiles have to come back by themselves.
LiveGridSoak::Restart LiveGridSoak::restartServer(int minute) {
    Restart r;
    r.minute = minute;
    const qint64 begin = _clock.elapsed();
    _server->stop();
    if (_options.restartPauseSeconds > 0) {
        waitUntil(begin + _options.restartPauseSeconds * 1000LL, [] { return false; });
    }
    if (!_server->start()) {
        r.missing = QStringLiteral("the server did not start again: ") + _server->error();
        return r;
    }
    r.listeningMs = _clock.elapsed() - begin;
    // Before the next restart, with a margin for the sample of that minute.
    const qint64 deadline = begin + std::max(30000, _options.restartEveryMinutes * 60000 - 5000);
    const auto back = [&] { return _tileLog.allBackAt(begin, _clock.elapsed(), _options.tiles); };
    waitUntil(deadline, [&] { return back() >= 0; });
    if (back() >= 0) {
        r.allLiveMs = back() - begin;
    } else {
        r.missing = QStringLiteral("%1 of %2 tiles back; not back: %3")
                        .arg(_tileLog.backCount(begin, _clock.elapsed()))
                        .arg(_options.tiles)
                        .arg(_tileLog.notBack(begin, _clock.elapsed()));
    }
    std::printf("restart at minute %d: server listening after %.1f s, %s\n", minute, r.listeningMs / 1000.0,
                r.allLiveMs >= 0 ? qPrintable(QStringLiteral("all %1 tiles live again after %2 s")
                                                  .arg(_options.tiles)
                                                  .arg(r.allLiveMs / 1000.0, 0, 'f', 1))
                                 : qPrintable(r.missing));
    std::fflush(stdout);
    return r;
}

int LiveGridSoak::run() {
    _clock.start();
    if (!_dir.isValid() || !startServer() || !addCameras() || !startClient()) {
        return 1;
    }
    std::printf("client started (folder %s)\n", qPrintable(_dir.path()));
    std::fflush(stdout);
    waitUntil(firstStartTimeoutMs, [&] { return _tileLog.liveCount() >= _options.tiles; });
    if (_tileLog.liveCount() < _options.tiles) {
        return report(
            QStringLiteral("only %1 of %2 tiles became live after the start (client %3); not live: %4")
                .arg(_tileLog.liveCount())
                .arg(_options.tiles)
                .arg(_client.state() == QProcess::NotRunning ? "ended" : "running")
                .arg(_tileLog.notBack(0, _clock.elapsed())));
    }
    _firstAllLiveMs = _tileLog.allBackAt(0, _clock.elapsed(), _options.tiles);
    std::printf("all %d tiles live %.1f s after the bench started\n", _options.tiles,
                _firstAllLiveMs / 1000.0);
    const qint64 start = _clock.elapsed();
    _samples.push_back(sample(0));
    QString failure;
    for (int minute = 1; minute <= _options.minutes && failure.isEmpty(); ++minute) {
        if (!waitUntil(start + minute * 60000LL, [] { return false; })) {
            failure = _interrupted ? QStringLiteral("interrupted in minute %1").arg(minute)
                                   : QStringLiteral("the client ended (exit code %1) in minute %2")
                                         .arg(_client.exitCode())
                                         .arg(minute);
            break;
        }
        _samples.push_back(sample(minute));
        if (minute % _options.restartEveryMinutes == 0 && minute < _options.minutes) {
            _restarts.push_back(restartServer(minute));
            if (_restarts.back().allLiveMs < 0) {
                failure = QStringLiteral("after the restart at minute %1: %2")
                              .arg(minute)
                              .arg(_restarts.back().missing);
            }
        }
    }
    return report(failure);
}

int LiveGridSoak::report(const QString& failure) const {
    std::printf("\nLive grid soak: %d tiles, %d minutes, server restarted every %d minutes\n", _options.tiles,
                _options.minutes, _options.restartEveryMinutes);
    std::printf("| minute | RSS MiB | CPU %% of one core | tiles live | load |\n|---|---|---|---|---|\n");
    for (const Sample& s : _samples) {
        std::printf("| %d | %.1f | %.1f | %d | %.1f |\n", s.minute, s.rssMiB, s.cpuPercent, s.tilesLive,
                    s.load);
    }
    if (!_restarts.empty()) {
        std::printf("\n| restart at minute | server listening after s | all tiles live again after s |\n"
                    "|---|---|---|\n");
        for (const Restart& r : _restarts) {
            std::printf("| %d | %.1f | %s |\n", r.minute, r.listeningMs / 1000.0,
                        r.allLiveMs >= 0 ? qPrintable(QString::number(r.allLiveMs / 1000.0, 'f', 1))
                                         : "not all");
        }
    }
    bool rssSteady = true;
    const auto reference = std::find_if(_samples.begin(), _samples.end(),
                                        [&](const Sample& s) { return s.minute == _options.settleMinutes; });
    if (reference != _samples.end() && reference->rssMiB > 0 && std::next(reference) != _samples.end()) {
        double low = reference->rssMiB;
        double high = reference->rssMiB;
        for (auto it = reference; it != _samples.end(); ++it) {
            low = std::min(low, it->rssMiB);
            high = std::max(high, it->rssMiB);
        }
        const double down = (low / reference->rssMiB - 1) * 100;
        const double up = (high / reference->rssMiB - 1) * 100;
        rssSteady = -down <= rssBand * 100 && up <= rssBand * 100;
        std::printf("\nRSS from minute %d on: %.1f MiB at minute %d, range %.1f..%.1f MiB (%+.1f %% / %+.1f "
                    "%%): %s\n",
                    _options.settleMinutes, reference->rssMiB, _options.settleMinutes, low, high, down, up,
                    rssSteady ? "within ±5 %" : "OUTSIDE ±5 %");
    } else {
        std::printf("\nRSS not judged: the run ended before minute %d and a later sample\n",
                    _options.settleMinutes);
    }
    if (_options.keepFolder) {
        std::printf("client folder kept (its output in client.log): %s\n", qPrintable(_dir.path()));
    }
    if (!failure.isEmpty()) {
        std::printf("FAILED: %s\n", qPrintable(failure));
        return 1;
    }
    std::printf("every tile came back after each of %d restarts\n", int(_restarts.size()));
    return rssSteady ? 0 : 2;
}
