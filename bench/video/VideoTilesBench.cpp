// N live tiles (640x360, 25 fps, H.264), each from its own RTP stream on loopback, shown
//   1. by VlcPlayer + VlcVideoSurface in one Qt Quick window (our path), then
//   2. by plain libvlc players with libvlc's own video output (one window each).
// Each run first waits until every tile shows pictures (libvlc probes the streams one after
// another), then a warm-up, then measures. Prints CPU seconds per displayed frame (this process +
// the X server; the stream sender runs in a child process and is reported apart), the CPU split by
// thread, frames displayed and lost, and for our path the time from libvlc's display call to the
// texture upload.
//
//   xvfb-run -a -s "-screen 0 1920x1080x24" videoTilesBench --tiles 16 --seconds 20
// Options: --tiles N (4), --seconds S (15), --warmup S (3), --vlc-arg ARG (repeatable),
// --only ours|vlc|nodraw|rects (nodraw: also a run that decodes into our buffers without drawing,
// to split decoding from drawing; rects: the same window of plain rectangles changing colour 25
// times a second, the cost of Qt Quick's own renders).
#include "qmlVlc/QmlVlcConfig.h"
#include "qmlVlc/QmlVlcPlayerProxy.h"
#include "qmlVlc/QmlVlcTypes.h"
#include "qmlVlc/QmlVlcVideoStats.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>
#include <vlc/vlc.h>

namespace {

constexpr int basePort = 47000;
constexpr double fps = 25.0;

struct Options {
    int tiles = 4;
    int seconds = 15;
    int warmup = 3; // after every tile shows pictures
    QString only;
    QString sdpDir;      // streams described by another sender (files tile0.sdp ...): no sender of ours
    QStringList vlcArgs; // extra libvlc arguments for both paths (--vlc-arg, repeatable)
};

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU seconds of another process, from /proc/<pid>/stat (utime + stime).
double otherCpuSeconds(qint64 pid, const QString& statPath = QString()) {
    if (pid <= 0) {
        return 0;
    }
    QFile stat(statPath.isEmpty() ? QStringLiteral("/proc/%1/stat").arg(pid) : statPath);
    if (!stat.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    // After the command: state is field 3, utime 14 and stime 15 (1-based) of the whole line.
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

// The X server that serves our DISPLAY (Xvfb under xvfb-run), found by its display argument.
qint64 xServerPid() {
    const QString display = qEnvironmentVariable("DISPLAY");
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid) {
            continue;
        }
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!cmdline.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QList<QByteArray> args = cmdline.readAll().split('\0');
        if (!args.isEmpty() && (args[0].endsWith("Xvfb") || args[0].endsWith("Xorg")) &&
            args.contains(display.toLatin1())) {
            return pid;
        }
    }
    return 0;
}

QString sdpPath(const QString& dir, int i) {
    return dir + QStringLiteral("/tile%1.sdp").arg(i);
}

// Child process: libvlc's stream output sends the clip, repeated, to one port pair per tile.
int runSender(int tiles, const QString& dir) {
    const char* args[] = {"--no-xlib", "--quiet", "--no-audio"};
    libvlc_instance_t* instance = libvlc_new(3, args);
    std::vector<libvlc_media_player_t*> players;
    for (int i = 0; i < tiles; ++i) {
        libvlc_media_t* media = libvlc_media_new_path(instance, OKULON_BENCH_CLIP);
        const QString sout = QStringLiteral(":sout=#rtp{dst=127.0.0.1,port=%1,sdp=file://%2}")
                                 .arg(basePort + 2 * i)
                                 .arg(sdpPath(dir, i));
        libvlc_media_add_option(media, sout.toUtf8().constData());
        libvlc_media_add_option(media, ":sout-keep");
        libvlc_media_add_option(media, ":input-repeat=1000");
        players.push_back(libvlc_media_player_new_from_media(media));
        libvlc_media_release(media);
        libvlc_media_player_play(players.back());
    }
    // Runs until the parent ends it.
    for (;;) {
        QThread::sleep(1);
    }
    return 0;
}

// CPU seconds of this process's threads, grouped by what they do: the GUI thread, the scene
// graph's render thread with Mesa's rasteriser threads, and the rest (libvlc's input and decoder
// threads, Qt's X event reader). Threads that end during a run are only in the process total.
struct ThreadCpu {
    double gui = 0;
    double render = 0;
    double other = 0;
};

ThreadCpu threadCpuSeconds() {
    ThreadCpu cpu;
    const QString self = QString::number(getpid());
    const QStringList tasks =
        QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& tid : tasks) {
        QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(tid));
        if (!comm.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QByteArray name = comm.readAll().trimmed();
        const double seconds =
            otherCpuSeconds(tid.toLongLong(), QStringLiteral("/proc/self/task/%1/stat").arg(tid));
        if (tid == self) {
            cpu.gui += seconds;
        } else if (name.startsWith("QSGRenderThread") || name.startsWith("llvmpipe")) {
            cpu.render += seconds;
        } else {
            cpu.other += seconds;
        }
    }
    return cpu;
}

struct Figures {
    double cpu = 0;  // this process + X server
    double xCpu = 0; // of which the X server
    double senderCpu = 0;
    uint64_t displayed = 0;
    uint64_t decoded = 0;
    uint64_t lost = 0;
    double seconds = 0;
    uint64_t renders = 0;      // scene renders (frames swapped) of our window
    ThreadCpu threads;         // this process only
    double latencyMeanMs = -1; // libvlc's display call to the upload (our path only)
    double latencyMaxMs = -1;
    double startSeconds = 0; // until every tile showed a picture
    int fewestPerTile = 0;   // pictures libvlc displayed in the run by the slowest tile
};

// Runs the event loop for `ms` without polling (a polling loop would add its own CPU to both paths).
void wait(int ms) {
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(ms);
    loop.exec();
}

// Pictures libvlc has displayed (for our path: handed to our buffers) per tile.
std::vector<int> displayedPerTile(const std::vector<libvlc_media_player_t*>& players) {
    std::vector<int> counts;
    for (libvlc_media_player_t* player : players) {
        int shown = 0;
        if (libvlc_media_t* media = libvlc_media_player_get_media(player)) {
            libvlc_media_stats_t s{};
            if (libvlc_media_get_stats(media, &s)) {
                shown = s.i_displayed_pictures;
            }
            libvlc_media_release(media);
        }
        counts.push_back(shown);
    }
    return counts;
}

// Waits until every tile has shown a picture (libvlc probes the streams one after another, so the
// last tile starts seconds after the first); returns the seconds that took, or -1 after 90 s.
double waitUntilEveryTilePlays(const std::vector<libvlc_media_player_t*>& players) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 90000) {
        const std::vector<int> counts = displayedPerTile(players);
        if (std::all_of(counts.begin(), counts.end(), [](int n) { return n > 0; })) {
            return clock.elapsed() / 1000.0;
        }
        wait(50);
    }
    return -1;
}

int fewestSince(const std::vector<int>& before, const std::vector<int>& after) {
    int fewest = INT32_MAX;
    for (size_t i = 0; i < before.size() && i < after.size(); ++i) {
        fewest = std::min(fewest, after[i] - before[i]);
    }
    return before.empty() ? 0 : fewest;
}

struct Meter {
    qint64 xPid;
    qint64 senderPid;
    double cpu0 = 0, x0 = 0, s0 = 0;
    ThreadCpu t0;
    QElapsedTimer clock;
    void start() {
        t0 = threadCpuSeconds();
        cpu0 = processCpuSeconds();
        x0 = otherCpuSeconds(xPid);
        s0 = otherCpuSeconds(senderPid);
        clock.start();
    }
    void stop(Figures* f) {
        f->xCpu = otherCpuSeconds(xPid) - x0;
        f->cpu = processCpuSeconds() - cpu0 + f->xCpu;
        f->senderCpu = otherCpuSeconds(senderPid) - s0;
        f->seconds = clock.elapsed() / 1000.0;
        const ThreadCpu t1 = threadCpuSeconds();
        f->threads.gui = t1.gui - t0.gui;
        f->threads.render = t1.render - t0.render;
        f->threads.other = t1.other - t0.other;
    }
};

// A window with a grid of `tiles` 320x180 tiles made from `delegate` (QML, `index` is the tile's);
// `*renders` counts the window's swapped frames. Null (with the error printed) when QML fails.
std::unique_ptr<QQuickWindow> createTileWindow(QQmlEngine* engine, int tiles, const QString& imports,
                                               const QString& delegate, uint64_t* renders) {
    int columns = 1;
    while (columns * columns < tiles) {
        ++columns;
    }
    const QString qml = QStringLiteral(R"(
import QtQuick 2.15
import QtQuick.Window 2.15
%1
Window {
    width: %2 * 320; height: %2 * 180; visible: true; color: "black"
    Grid {
        columns: %2
        Repeater {
            model: %3
            %4
        }
    }
}
)")
                            .arg(imports)
                            .arg(columns)
                            .arg(tiles)
                            .arg(delegate);
    QQmlComponent component(engine);
    component.setData(qml.toUtf8(), QUrl());
    std::unique_ptr<QQuickWindow> window(qobject_cast<QQuickWindow*>(component.create()));
    if (!window) {
        std::fprintf(stderr, "QML: %s\n", qPrintable(component.errorString()));
        return nullptr;
    }
    QObject::connect(window.get(), &QQuickWindow::frameSwapped, [renders] { ++*renders; });
    return window;
}

// With `draw` false the players decode into our buffers but no surface shows them: the difference
// to a drawing run is the cost of uploading and drawing.
Figures runOurs(const Options& o, const QString& dir, Meter meter, bool draw) {
    QmlVlcTypes::registerTypes();
    const QString delegate = QStringLiteral(R"(
            Item {
                width: 320; height: 180
                VlcPlayer { id: player; Component.onCompleted: play("%1/tile" + index + ".sdp") }
                VlcVideoSurface { anchors.fill: parent; source: %2 ? player : null }
            })")
                                 .arg(dir)
                                 .arg(draw ? QStringLiteral("true") : QStringLiteral("false"));
    QQmlEngine engine;
    uint64_t renders = 0;
    const std::unique_ptr<QQuickWindow> window =
        createTileWindow(&engine, o.tiles, QStringLiteral("import QmlVlc 0.1"), delegate, &renders);
    if (!window) {
        return {};
    }
    std::vector<libvlc_media_player_t*> players;
    {
        // The repeater's tiles are visual children only: walk the item tree.
        std::vector<QQuickItem*> items{window->contentItem()};
        while (!items.empty()) {
            QQuickItem* item = items.back();
            items.pop_back();
            for (QmlVlcPlayerProxy* player :
                 item->findChildren<QmlVlcPlayerProxy*>(QString(), Qt::FindDirectChildrenOnly)) {
                players.push_back(player->player().handle().player());
            }
            const QList<QQuickItem*> children = item->childItems();
            items.insert(items.end(), children.begin(), children.end());
        }
    }
    if (int(players.size()) != o.tiles) {
        std::fprintf(stderr, "found %zu players for %d tiles\n", players.size(), o.tiles);
    }
    Figures f;
    f.startSeconds = waitUntilEveryTilePlays(players);
    wait(o.warmup * 1000);
    const std::vector<int> perTile0 = displayedPerTile(players);
    const uint64_t renders0 = renders;
    QmlVlcVideoStats& stats = QmlVlcVideoStats::instance();
    const uint64_t up0 = stats.uploaded, dec0 = stats.decoded;
    stats.latencySamples = 0;
    stats.latencyNsTotal = 0;
    stats.latencyNsMax = 0;
    meter.start();
    wait(o.seconds * 1000);
    meter.stop(&f);
    f.fewestPerTile = fewestSince(perTile0, displayedPerTile(players));
    f.decoded = stats.decoded - dec0;
    f.displayed = draw ? stats.uploaded - up0 : f.decoded;
    f.renders = renders - renders0;
    const double expected = fps * f.seconds * o.tiles;
    f.lost = expected > f.displayed ? uint64_t(expected - f.displayed) : 0;
    if (draw && stats.latencySamples > 0) {
        f.latencyMeanMs = double(stats.latencyNsTotal) / double(stats.latencySamples) / 1e6;
        f.latencyMaxMs = double(stats.latencyNsMax) / 1e6;
    }
    return f;
}

// The same window with plain rectangles that change colour 25 times a second each (no video):
// what a scene render of this window costs by itself.
Figures runRects(const Options& o, Meter meter) {
    const QString delegate = QStringLiteral(R"(
            Rectangle {
                width: 320; height: 180
                property int n: 0
                color: n % 2 ? "red" : "blue"
                Timer { interval: 40; repeat: true; running: true; onTriggered: parent.n++ }
            })");
    QQmlEngine engine;
    uint64_t renders = 0;
    const std::unique_ptr<QQuickWindow> window =
        createTileWindow(&engine, o.tiles, QString(), delegate, &renders);
    if (!window) {
        return {};
    }
    wait(o.warmup * 1000);
    const uint64_t renders0 = renders;
    Figures f;
    meter.start();
    wait(o.seconds * 1000);
    meter.stop(&f);
    f.renders = renders - renders0;
    return f;
}

Figures runVlc(const Options& o, const QString& dir, Meter meter) {
    const char* args[] = {"--no-xlib",         "--quiet",     "--no-audio",
                          "--network-caching", "250",         "--no-video-title-show",
                          "--avcodec-hw=none", "--width=320", "--height=180"};
    std::vector<QByteArray> extra;
    std::vector<const char*> argv(std::begin(args), std::end(args));
    for (const QString& arg : o.vlcArgs) {
        extra.push_back(arg.toUtf8());
    }
    for (const QByteArray& arg : extra) {
        argv.push_back(arg.constData());
    }
    libvlc_instance_t* instance = libvlc_new(int(argv.size()), argv.data());
    std::vector<libvlc_media_player_t*> players;
    std::vector<libvlc_media_t*> media;
    for (int i = 0; i < o.tiles; ++i) {
        libvlc_media_t* m = libvlc_media_new_path(instance, sdpPath(dir, i).toUtf8().constData());
        libvlc_media_add_option(m, ":demux=avformat");
        libvlc_media_add_option(m, ":avformat-options={protocol_whitelist=file,udp,rtp}");
        media.push_back(m);
        players.push_back(libvlc_media_player_new_from_media(m));
        libvlc_media_player_play(players.back());
    }
    Figures f;
    f.startSeconds = waitUntilEveryTilePlays(players);
    wait(o.warmup * 1000);
    auto decoded = [&] {
        uint64_t sum = 0;
        for (libvlc_media_t* m : media) {
            libvlc_media_stats_t s{};
            if (libvlc_media_get_stats(m, &s)) {
                sum += uint64_t(s.i_decoded_video);
            }
        }
        return sum;
    };
    const std::vector<int> perTile0 = displayedPerTile(players);
    const uint64_t dec0 = decoded();
    meter.start();
    wait(o.seconds * 1000);
    meter.stop(&f);
    const std::vector<int> perTile1 = displayedPerTile(players);
    f.fewestPerTile = fewestSince(perTile0, perTile1);
    for (size_t i = 0; i < perTile0.size(); ++i) {
        f.displayed += uint64_t(perTile1[i] - perTile0[i]);
    }
    f.decoded = decoded() - dec0;
    const double expected = fps * f.seconds * o.tiles;
    f.lost = expected > f.displayed ? uint64_t(expected - f.displayed) : 0;
    for (size_t i = 0; i < players.size(); ++i) {
        libvlc_media_player_stop(players[i]);
        libvlc_media_player_release(players[i]);
        libvlc_media_release(media[i]);
    }
    libvlc_release(instance);
    return f;
}

void print(const char* name, const Options& o, const Figures& f) {
    const double expected = fps * f.seconds * o.tiles;
    std::printf("%-22s tiles %2d  %5.1f s  displayed %6llu of %6.0f sent (decoded %6llu, lost %5llu)  "
                "cpu %6.2f s (X %5.2f)  %.3f ms cpu/frame  sender %.2f s  renders %llu\n"
                "%-22s   every tile playing after %.1f s; slowest tile displayed %d pictures in the run\n",
                name, o.tiles, f.seconds, static_cast<unsigned long long>(f.displayed), expected,
                static_cast<unsigned long long>(f.decoded), static_cast<unsigned long long>(f.lost), f.cpu,
                f.xCpu, f.displayed ? 1000.0 * f.cpu / double(f.displayed) : 0.0, f.senderCpu,
                static_cast<unsigned long long>(f.renders), "", f.startSeconds, f.fewestPerTile);
    if (f.displayed) {
        const double perFrame = 1000.0 / double(f.displayed);
        std::printf("%-22s   per displayed frame: gui thread %.3f ms, render threads %.3f ms, other threads "
                    "%.3f ms, X server %.3f ms\n",
                    "", f.threads.gui * perFrame, f.threads.render * perFrame, f.threads.other * perFrame,
                    f.xCpu * perFrame);
    }
    if (f.latencyMeanMs >= 0) {
        std::printf("%-22s   hand-over latency (libvlc display call to upload): mean %.1f ms, max %.1f ms\n",
                    "", f.latencyMeanMs, f.latencyMaxMs);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && QByteArray(argv[1]) == "--send") {
        return runSender(QByteArray(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]));
    }
    QGuiApplication app(argc, argv);
    Options o;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--tiles")) {
            o.tiles = args[i + 1].toInt();
        } else if (args[i] == QLatin1String("--seconds")) {
            o.seconds = args[i + 1].toInt();
        } else if (args[i] == QLatin1String("--warmup")) {
            o.warmup = args[i + 1].toInt();
        } else if (args[i] == QLatin1String("--only")) {
            o.only = args[i + 1];
        } else if (args[i] == QLatin1String("--vlc-arg")) {
            o.vlcArgs << args[i + 1];
        } else if (args[i] == QLatin1String("--sdp-dir")) {
            o.sdpDir = args[i + 1];
        }
    }
    QTemporaryDir tempDir;
    const QString streamDir = o.sdpDir.isEmpty() ? tempDir.path() : o.sdpDir;
    QProcess sender;
    if (o.sdpDir.isEmpty()) {
        sender.start(app.applicationFilePath(), {"--send", QString::number(o.tiles), streamDir});
        if (!sender.waitForStarted()) {
            std::fprintf(stderr, "sender did not start\n");
            return 1;
        }
    }
    // Every stream must be described before the players open it (the sender may be slow to start).
    auto allDescribed = [&] {
        for (int i = 0; i < o.tiles; ++i) {
            if (QFile(sdpPath(streamDir, i)).size() == 0) {
                return false;
            }
        }
        return true;
    };
    for (int i = 0; i < 600 && !allDescribed(); ++i) {
        wait(100);
    }
    if (!allDescribed()) {
        std::fprintf(stderr, "the sender did not describe every stream within 60 s\n");
        return 1;
    }
    Meter meter{xServerPid(), sender.processId()};
    if (meter.xPid == 0) {
        std::fprintf(stderr, "note: X server process not found, its CPU is not counted\n");
    }
    QmlVlcConfig& config = QmlVlcConfig::instance();
    config.setNetworkCachingMs(250);
    config.setExtraArguments(QStringList{"--no-xlib", "--quiet", "--no-audio", "--avcodec-hw=none"} +
                             o.vlcArgs);

    Figures ours;
    Figures vlc;
    if (o.only == QLatin1String("nodraw")) {
        print("QML players, no surface", o, runOurs(o, streamDir, meter, false));
        o.only = QStringLiteral("ours");
    }
    if (o.only == QLatin1String("rects")) {
        const Figures f = runRects(o, meter);
        std::printf("rectangles only        tiles %2d  %5.1f s  renders %llu  cpu %.2f s (X %.2f, render "
                    "threads %.2f)  "
                    "%.3f ms cpu/render\n",
                    o.tiles, f.seconds, static_cast<unsigned long long>(f.renders), f.cpu, f.xCpu,
                    f.threads.render, f.renders ? 1000.0 * f.cpu / double(f.renders) : 0.0);
        o.only = QStringLiteral("none");
    }
    if (o.only != QLatin1String("vlc") && o.only != QLatin1String("none")) {
        ours = runOurs(o, streamDir, meter, true);
        print("QML VlcVideoSurface", o, ours);
    }
    if (o.only != QLatin1String("ours") && o.only != QLatin1String("none")) {
        vlc = runVlc(o, streamDir, meter);
        print("libvlc own output", o, vlc);
    }
    if (ours.displayed && vlc.displayed) {
        std::printf("ratio ours/libvlc cpu per displayed frame: %.2f\n",
                    (ours.cpu / double(ours.displayed)) / (vlc.cpu / double(vlc.displayed)));
    }
    if (sender.state() != QProcess::NotRunning) {
        sender.kill();
        sender.waitForFinished();
    }
    return 0;
}
