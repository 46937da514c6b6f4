// N live tiles (640x360, 25 fps, H.264), each from its own RTP stream on loopback, 320x180 tiles,
// shown by
//   software  our VlcPlayer + VlcVideoSurface on the software render path (RV32 pictures at tile
//             size, Qt Quick's software scene graph),
//   opengl    the same on the OpenGL path (I420 textures and the YUV shader),
//   vlc       plain libvlc players with libvlc's own X11 output, one tile-sized window each, side by
//             side, with the client's libvlc options and media options,
//   ffplay    one ffplay process a stream, tile-sized windows side by side.
// Each path runs in a process of its own (the scene graph backend is chosen once per process); a
// run waits until every tile shows pictures, warms up, then measures. Prints CPU ms per displayed
// frame (the player process + the X server; the sender is apart), frames lost, the time to the first
// and to the last tile playing, and a table of all paths at every tile count.
//
//   xvfb-run -a -s "-screen 0 2600x1500x24" videoTilesBench --tiles 1,4,16,64 --seconds 15
// Options: --tiles N[,N...] (4), --seconds S (15), --warmup S (3), --paths P[,P...]
// (software,opengl,vlc,ffplay), --stream ts|h264 (ts: MPEG-TS over RTP, payload type 33, as the
// development server sends; h264: H.264 over RTP described by libvlc's own SDP), --vlc-arg ARG
// (repeatable), --default-buffering (players without the live profile, as before it), --avformat
// (MPEG-TS descriptions through the avformat demuxer instead of libvlc's RTP access),
// --live-latency MS (the live players' caching, as the setting "video/liveLatencyMs"), --decoder-nice
// N (libvlc threads' nice value, as "video/decoderNice"; 0 leaves them at the window's), --only
// nodraw|rects (our path without surfaces / plain rectangles, in-process).
// Latency mode: --latency [--tiles N] [--seconds S]: a sender (ffmpeg) whose pictures carry their
// frame number as a row of boxes; the screen is sampled and every picture's first appearance is
// compared with its send time; prints p50/p90/p99 per path.
#include "qmlVlc/QmlVlcConfig.h"
#include "qmlVlc/QmlVlcPlayerProxy.h"
#include "qmlVlc/QmlVlcRenderPath.h"
#include "qmlVlc/QmlVlcTypes.h"
#include "qmlVlc/QmlVlcVideoStats.h"
#include "qmlVlc/vlc/media_ref.h"
#include "qmlVlc/vlc/stream_description.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>
#include <vlc/vlc.h>

namespace {

constexpr int basePort = 47000;
constexpr double fps = 25.0;
constexpr int tileWidth = 320;
constexpr int tileHeight = 180;

struct Options {
    QList<int> tiles{4};
    int seconds = 15;
    int warmup = 3; // after every tile shows pictures
    QString only;
    QString run; // child: the one path this process measures
    QStringList paths{"software", "opengl", "vlc", "ffplay"};
    QString stream = QStringLiteral("ts");
    QString sdpDir;      // streams described by another sender (files tile0.sdp ...): no sender of ours
    QStringList vlcArgs; // extra libvlc arguments for the libvlc paths (--vlc-arg, repeatable)
    bool latency = false;
    bool liveProfile = true; // --default-buffering: players as before the live profile
    bool rtpAccess = true;   // --avformat: MPEG-TS descriptions through the avformat demuxer
    int liveLatencyMs = -1;  // --live-latency MS: the live players' caching ("video/liveLatencyMs")
    int decoderNice = -1;    // --decoder-nice N: libvlc threads' nice value ("video/decoderNice")
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

int columnsFor(int tiles) {
    int columns = 1;
    while (columns * columns < tiles) {
        ++columns;
    }
    return columns;
}

QRect tileRect(int i, int tiles) {
    const int columns = columnsFor(tiles);
    return QRect((i % columns) * tileWidth, (i / columns) * tileHeight, tileWidth, tileHeight);
}

// The description the development server writes: MPEG-TS over RTP, static payload type 33.
QByteArray mpegTsDescription(int port) {
    return QStringLiteral("v=0\r\no=- 1 1 IN IP4 127.0.0.1\r\ns=bench\r\nc=IN IP4 127.0.0.1\r\nt=0 0\r\n"
                          "m=video %1 RTP/AVP 33\r\na=rtpmap:33 MP2T/90000\r\n")
        .arg(port)
        .toUtf8();
}

void writeFile(const QString& path, const QByteArray& data) {
    QFile file(path + QStringLiteral(".part"));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(data);
        file.close();
        QFile::remove(path);
        file.rename(path);
    }
}

// Child process: libvlc's stream output sends the clip, repeated, to one port pair per tile.
int runSender(int tiles, const QString& dir, const QString& stream) {
    const char* args[] = {"--no-xlib", "--quiet", "--no-audio"};
    libvlc_instance_t* instance = libvlc_new(3, args);
    std::vector<libvlc_media_player_t*> players;
    const bool ts = stream == QLatin1String("ts");
    for (int i = 0; i < tiles; ++i) {
        libvlc_media_t* media = libvlc_media_new_path(instance, OKULON_BENCH_CLIP);
        const int port = basePort + 2 * i;
        const QString sout = ts ? QStringLiteral(":sout=#rtp{dst=127.0.0.1,port=%1,mux=ts}").arg(port)
                                : QStringLiteral(":sout=#rtp{dst=127.0.0.1,port=%1,sdp=file://%2}")
                                      .arg(port)
                                      .arg(sdpPath(dir, i));
        libvlc_media_add_option(media, sout.toUtf8().constData());
        libvlc_media_add_option(media, ":sout-keep");
        libvlc_media_add_option(media, ":input-repeat=1000");
        players.push_back(libvlc_media_player_new_from_media(media));
        libvlc_media_release(media);
        libvlc_media_player_play(players.back());
        if (ts) {
            writeFile(sdpPath(dir, i), mpegTsDescription(port));
        }
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
    double cpu = 0;  // player process(es) + X server
    double xCpu = 0; // of which the X server
    double senderCpu = 0;
    uint64_t displayed = 0;
    uint64_t decoded = 0;
    uint64_t lost = 0;
    bool framesCounted = true; // ffplay reports none
    double seconds = 0;
    uint64_t renders = 0;      // scene renders (frames swapped) of our window
    ThreadCpu threads;         // this process only
    double latencyMeanMs = -1; // libvlc's display call to the upload (our path only)
    double latencyMaxMs = -1;
    double firstSeconds = -1; // until the first tile showed a picture
    double startSeconds = -1; // until every tile showed a picture
    int fewestPerTile = 0;    // pictures libvlc displayed in the run by the slowest tile
    int mostPerTile = 0;
    // How late the window's event loop ran a 50 ms timer (what a click waits for before it is
    // handled), ms; our paths only.
    double guiLateP50 = -1;
    double guiLateP99 = -1;
    double guiLateMax = -1;
};

double percentile(std::vector<double> values, double p) {
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5))];
}

// Samples how late the window's thread runs a 50 ms timer while the tiles play.
class GuiLagProbe {
public:
    GuiLagProbe() {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(intervalMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const double now = m_clock.nsecsElapsed() / 1e6;
            m_late.push_back(std::max(0.0, now - m_last - intervalMs));
            m_last = now;
        });
    }
    void start() {
        m_late.clear();
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    void stop(Figures* f) {
        m_timer.stop();
        if (m_late.empty()) {
            return;
        }
        f->guiLateP50 = percentile(m_late, 0.5);
        f->guiLateP99 = percentile(m_late, 0.99);
        f->guiLateMax = *std::max_element(m_late.begin(), m_late.end());
    }

private:
    static constexpr int intervalMs = 50;
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_last = 0;
    std::vector<double> m_late;
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

// Waits until every tile has shown a picture; sets the seconds to the first and to the last tile
// (measured from `clock`'s start, when the players were started), -1 after 90 s.
void waitUntilEveryTilePlays(const std::function<std::vector<int>()>& displayed, const QElapsedTimer& clock,
                             Figures* f) {
    while (clock.elapsed() < 90000) {
        const std::vector<int> counts = displayed();
        if (f->firstSeconds < 0 && std::any_of(counts.begin(), counts.end(), [](int n) { return n > 0; })) {
            f->firstSeconds = clock.elapsed() / 1000.0;
        }
        if (std::all_of(counts.begin(), counts.end(), [](int n) { return n > 0; })) {
            f->startSeconds = clock.elapsed() / 1000.0;
            return;
        }
        wait(20);
    }
}

void spreadSince(const std::vector<int>& before, const std::vector<int>& after, Figures* f) {
    int fewest = INT32_MAX;
    int most = 0;
    for (size_t i = 0; i < before.size() && i < after.size(); ++i) {
        fewest = std::min(fewest, after[i] - before[i]);
        most = std::max(most, after[i] - before[i]);
    }
    f->fewestPerTile = before.empty() ? 0 : fewest;
    f->mostPerTile = most;
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

// A window with a grid of `tiles` 320x180 tiles made from `delegate` (QML, `index` is the tile's),
// at the screen's top left; `*renders` counts the window's swapped frames. Null (with the error
// printed) when QML fails.
std::unique_ptr<QQuickWindow> createTileWindow(QQmlEngine* engine, int tiles, const QString& imports,
                                               const QString& delegate, uint64_t* renders) {
    const int columns = columnsFor(tiles);
    const int rows = (tiles + columns - 1) / columns;
    const QString qml = QStringLiteral(R"(
import QtQuick 2.15
import QtQuick.Window 2.15
%1
Window {
    x: 0; y: 0; width: %2 * %5; height: %6 * %7; visible: true; color: "black"
    flags: Qt.FramelessWindowHint
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
                            .arg(delegate)
                            .arg(tileWidth)
                            .arg(rows)
                            .arg(tileHeight);
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
Figures runOurs(const Options& o, int tiles, const QString& dir, Meter meter, bool draw) {
    QmlVlcTypes::registerTypes();
    const QString delegate = QStringLiteral(R"(
            Item {
                width: %3; height: %4
                VlcPlayer { id: player; liveProfile: %5; Component.onCompleted: play("%1/tile" + index + ".sdp") }
                VlcVideoSurface { anchors.fill: parent; source: %2 ? player : null }
            })")
                                 .arg(dir)
                                 .arg(draw ? QStringLiteral("true") : QStringLiteral("false"))
                                 .arg(tileWidth)
                                 .arg(tileHeight)
                                 .arg(o.liveProfile ? QStringLiteral("true") : QStringLiteral("false"));
    QQmlEngine engine;
    uint64_t renders = 0;
    QElapsedTimer clock;
    clock.start();
    const std::unique_ptr<QQuickWindow> window =
        createTileWindow(&engine, tiles, QStringLiteral("import QmlVlc 0.1"), delegate, &renders);
    if (!window) {
        return {};
    }
    std::vector<libvlc_media_player_t*> players;
    std::vector<QmlVlcPlayerProxy*> proxies;
    {
        // The repeater's tiles are visual children only: walk the item tree.
        std::vector<QQuickItem*> items{window->contentItem()};
        while (!items.empty()) {
            QQuickItem* item = items.back();
            items.pop_back();
            for (QmlVlcPlayerProxy* player :
                 item->findChildren<QmlVlcPlayerProxy*>(QString(), Qt::FindDirectChildrenOnly)) {
                players.push_back(player->player().handle().player());
                proxies.push_back(player);
            }
            const QList<QQuickItem*> children = item->childItems();
            items.insert(items.end(), children.begin(), children.end());
        }
    }
    if (!draw) {
        for (QmlVlcPlayerProxy* proxy : proxies) {
            proxy->setHiddenSuspendMs(0); // nothing is seen in this run, on purpose
        }
    }
    if (int(players.size()) != tiles) {
        std::fprintf(stderr, "found %zu players for %d tiles\n", players.size(), tiles);
    }
    // Pictures libvlc handed to each tile's buffers (libvlc's own statistics stand still for streams
    // read by its RTP access).
    const auto perTile = [&proxies] {
        std::vector<int> counts;
        for (QmlVlcPlayerProxy* proxy : proxies) {
            counts.push_back(int(proxy->videoOutput().displayedCount()));
        }
        return counts;
    };
    Figures f;
    waitUntilEveryTilePlays(perTile, clock, &f);
    wait(o.warmup * 1000);
    const std::vector<int> perTile0 = perTile();
    const uint64_t renders0 = renders;
    QmlVlcVideoStats& stats = QmlVlcVideoStats::instance();
    const uint64_t up0 = stats.uploaded, dec0 = stats.decoded;
    stats.latencySamples = 0;
    stats.latencyNsTotal = 0;
    stats.latencyNsMax = 0;
    GuiLagProbe lag;
    meter.start();
    lag.start();
    wait(o.seconds * 1000);
    lag.stop(&f);
    meter.stop(&f);
    spreadSince(perTile0, perTile(), &f);
    f.decoded = stats.decoded - dec0;
    f.displayed = draw ? stats.uploaded - up0 : f.decoded;
    f.renders = renders - renders0;
    const double expected = fps * f.seconds * tiles;
    f.lost = expected > f.displayed ? uint64_t(expected - f.displayed) : 0;
    if (draw && stats.latencySamples > 0) {
        f.latencyMeanMs = double(stats.latencyNsTotal) / double(stats.latencySamples) / 1e6;
        f.latencyMaxMs = double(stats.latencyNsMax) / 1e6;
    }
    return f;
}

// The same window with plain rectangles that change colour 25 times a second each (no video):
// what a scene render of this window costs by itself.
Figures runRects(const Options& o, int tiles, Meter meter) {
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
        createTileWindow(&engine, tiles, QString(), delegate, &renders);
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

// libvlc's own X11 output, one tile-sized window a stream laid out like our tiles, with the options
// the client gives its libvlc instance and its live players' media.
Figures runVlc(const Options& o, int tiles, const QString& dir, Meter meter) {
    QStringList args = QmlVlcConfig::instance().arguments();
    args.removeAll(QStringLiteral("--no-xlib"));
    std::vector<QByteArray> utf8;
    for (const QString& arg : args) {
        utf8.push_back(arg.toUtf8());
    }
    std::vector<const char*> argv;
    for (const QByteArray& arg : utf8) {
        argv.push_back(arg.constData());
    }
    libvlc_instance_t* instance = libvlc_new(int(argv.size()), argv.data());
    std::vector<std::string> liveOptions;
    for (const QString& option :
         o.liveProfile ? QmlVlcConfig::instance().liveMediaOptions() : QStringList()) {
        liveOptions.push_back(option.toStdString());
    }
    std::vector<std::unique_ptr<QWindow>> windows;
    std::vector<libvlc_media_player_t*> players;
    for (int i = 0; i < tiles; ++i) {
        auto window = std::make_unique<QWindow>();
        window->setFlags(Qt::FramelessWindowHint);
        window->setGeometry(tileRect(i, tiles));
        window->show();
        windows.push_back(std::move(window));
    }
    wait(200);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < tiles; ++i) {
        // The client's own choice of access for the description (RTP access or avformat).
        const vlc::media_ref media =
            vlc::media_ref::create(instance, sdpPath(dir, i).toStdString(), false, {}, liveOptions);
        libvlc_media_player_t* player = libvlc_media_player_new_from_media(media.get());
        libvlc_media_player_set_xwindow(player, uint32_t(windows[size_t(i)]->winId()));
        libvlc_media_player_play(player);
        players.push_back(player);
    }
    // libvlc's statistics stand still for streams read by its RTP access: a tile plays once its video
    // output exists, and frames are counted only where the statistics move.
    const auto playing = [&players] {
        std::vector<int> counts;
        for (libvlc_media_player_t* player : players) {
            counts.push_back(libvlc_media_player_has_vout(player) > 0 &&
                                     libvlc_media_player_get_state(player) == libvlc_Playing
                                 ? 1
                                 : 0);
        }
        return counts;
    };
    Figures f;
    waitUntilEveryTilePlays(playing, clock, &f);
    wait(o.warmup * 1000);
    auto decoded = [&] {
        uint64_t sum = 0;
        for (libvlc_media_player_t* player : players) {
            if (libvlc_media_t* m = libvlc_media_player_get_media(player)) {
                libvlc_media_stats_t s{};
                if (libvlc_media_get_stats(m, &s)) {
                    sum += uint64_t(s.i_decoded_video);
                }
                libvlc_media_release(m);
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
    spreadSince(perTile0, perTile1, &f);
    for (size_t i = 0; i < perTile0.size(); ++i) {
        f.displayed += uint64_t(perTile1[i] - perTile0[i]);
    }
    f.decoded = decoded() - dec0;
    const double expected = fps * f.seconds * tiles;
    if (f.displayed == 0) {
        // No statistics: the figures assume every sent frame was shown (a lower bound per frame).
        f.framesCounted = false;
        f.displayed = uint64_t(expected);
    }
    f.lost = expected > f.displayed ? uint64_t(expected - f.displayed) : 0;
    for (libvlc_media_player_t* player : players) {
        libvlc_media_player_stop(player);
        libvlc_media_player_release(player);
    }
    libvlc_release(instance);
    return f;
}

QStringList ffplayArguments(const QString& sdp, const QRect& rect) {
    return {"-hide_banner",
            "-loglevel",
            "error",
            "-protocol_whitelist",
            "file,udp,rtp",
            "-an",
            "-noborder",
            "-x",
            QString::number(rect.width()),
            "-y",
            QString::number(rect.height()),
            "-left",
            QString::number(rect.x()),
            "-top",
            QString::number(rect.y()),
            "-i",
            sdp};
}

// One ffplay process a stream. ffplay reports no frame counts: the figures assume every sent frame
// was shown (so its ms per frame is a lower bound).
Figures runFfplay(const Options& o, int tiles, const QString& dir, qint64 xPid) {
    std::vector<std::unique_ptr<QProcess>> players;
    for (int i = 0; i < tiles; ++i) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral("ffplay"), ffplayArguments(sdpPath(dir, i), tileRect(i, tiles)));
        players.push_back(std::move(p));
    }
    // Until they play: ffplay probes each stream for about a second, in parallel processes.
    wait(5000 + o.warmup * 1000);
    auto cpu = [&] {
        double sum = 0;
        for (const auto& p : players) {
            sum += otherCpuSeconds(p->processId());
        }
        return sum;
    };
    Figures f;
    f.framesCounted = false;
    const double c0 = cpu();
    const double x0 = otherCpuSeconds(xPid);
    QElapsedTimer clock;
    clock.start();
    wait(o.seconds * 1000);
    f.xCpu = otherCpuSeconds(xPid) - x0;
    f.cpu = cpu() - c0 + f.xCpu;
    f.seconds = clock.elapsed() / 1000.0;
    f.displayed = uint64_t(fps * f.seconds * tiles);
    for (auto& p : players) {
        p->kill();
        p->waitForFinished();
    }
    return f;
}

void print(const char* name, int tiles, const Figures& f) {
    const double expected = fps * f.seconds * tiles;
    std::printf("%-22s tiles %2d  %5.1f s  displayed %6llu of %6.0f sent (decoded %6llu, lost %5llu)  "
                "cpu %6.2f s (X %5.2f)  %.3f ms cpu/frame  renders %llu\n"
                "%-22s   first tile playing after %.2f s, every tile after %.2f s; pictures per tile in the "
                "run %d..%d\n",
                name, tiles, f.seconds, static_cast<unsigned long long>(f.displayed), expected,
                static_cast<unsigned long long>(f.decoded), static_cast<unsigned long long>(f.lost), f.cpu,
                f.xCpu, f.displayed ? 1000.0 * f.cpu / double(f.displayed) : 0.0,
                static_cast<unsigned long long>(f.renders), "", f.firstSeconds, f.startSeconds,
                f.fewestPerTile, f.mostPerTile);
    if (f.displayed) {
        const double perFrame = 1000.0 / double(f.displayed);
        std::printf("%-22s   per displayed frame: gui thread %.3f ms, render threads %.3f ms, other threads "
                    "%.3f ms, X server %.3f ms\n",
                    "", f.threads.gui * perFrame, f.threads.render * perFrame, f.threads.other * perFrame,
                    f.xCpu * perFrame);
    }
    if (f.guiLateP50 >= 0) {
        std::printf(
            "%-22s   window: %.1f renders/s; its event loop late by p50 %.1f ms, p99 %.1f ms, max %.1f ms\n",
            "", f.seconds > 0 ? double(f.renders) / f.seconds : 0.0, f.guiLateP50, f.guiLateP99,
            f.guiLateMax);
    }
    if (f.latencyMeanMs >= 0) {
        std::printf("%-22s   hand-over latency (libvlc display call to upload): mean %.1f ms, max %.1f ms\n",
                    "", f.latencyMeanMs, f.latencyMaxMs);
    }
    std::fflush(stdout);
}

// The line a measuring child hands to the parent.
void printResult(const QString& path, int tiles, const Figures& f) {
    std::printf("RESULT %s %d %.4f %llu %.1f %.3f %.3f %d %d %d\n", qPrintable(path), tiles,
                f.displayed ? 1000.0 * f.cpu / double(f.displayed) : 0.0,
                static_cast<unsigned long long>(f.displayed), fps * f.seconds * tiles, f.firstSeconds,
                f.startSeconds, f.fewestPerTile, f.mostPerTile, f.framesCounted ? 1 : 0);
    std::fflush(stdout);
}

struct Row {
    double msPerFrame = 0;
    double displayed = 0;
    double expected = 0;
    double first = -1;
    double all = -1;
    int fewest = 0;
    int most = 0;
    bool counted = true;
};

bool parseResult(const QString& line, QString* path, int* tiles, Row* row) {
    const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (f.size() != 11 || f[0] != QLatin1String("RESULT")) {
        return false;
    }
    *path = f[1];
    *tiles = f[2].toInt();
    row->msPerFrame = f[3].toDouble();
    row->displayed = f[4].toDouble();
    row->expected = f[5].toDouble();
    row->first = f[6].toDouble();
    row->all = f[7].toDouble();
    row->fewest = f[8].toInt();
    row->most = f[9].toInt();
    row->counted = f[10].toInt() != 0;
    return true;
}

// Child: measures one path at one tile count.
int runChild(const Options& o, Meter meter) {
    const int tiles = o.tiles.value(0, 4);
    Figures f;
    if (o.run == QLatin1String("software") || o.run == QLatin1String("opengl")) {
        f = runOurs(o, tiles, o.sdpDir, meter, true);
    } else if (o.run == QLatin1String("vlc")) {
        f = runVlc(o, tiles, o.sdpDir, meter);
    } else {
        std::fprintf(stderr, "unknown path '%s'\n", qPrintable(o.run));
        return 1;
    }
    print(qPrintable(o.run), tiles, f);
    printResult(o.run, tiles, f);
    return 0;
}

// ---- Latency mode ----

constexpr int counterBits = 12;
constexpr int pictureWidth = 640;
constexpr int pictureHeight = 360;

// ffmpeg sends pictures that carry their frame number as a row of boxes (white: bit set), paced by
// the clock (-re), one encode for every tile (tee). Its progress reports give the send times: frame F
// left at t0 + F/25, and a report of F comes just after it left, so t0 is the least report time minus
// F/25.
class CounterSender {
public:
    CounterSender(int tiles, const QString& dir, const QString& stream, const QElapsedTimer& clock)
        : m_clock(clock) {
        QStringList boxes;
        for (int i = 0; i < counterBits; ++i) {
            boxes << QStringLiteral(
                         "drawbox=x=%1:y=2:w=48:h=48:color=white:t=fill:enable='mod(floor(n/%2),2)'")
                         .arg(i * 52 + 2)
                         .arg(1 << i);
        }
        QStringList args{"-hide_banner",
                         "-loglevel",
                         "error",
                         "-re",
                         "-f",
                         "lavfi",
                         "-i",
                         QStringLiteral("color=c=black:s=%1x%2:r=25").arg(pictureWidth).arg(pictureHeight),
                         "-vf",
                         boxes.join(','),
                         "-c:v",
                         "libx264",
                         "-preset",
                         "ultrafast",
                         "-tune",
                         "zerolatency",
                         "-g",
                         "25",
                         "-pix_fmt",
                         "yuv420p",
                         "-progress",
                         "pipe:1",
                         "-stats_period",
                         "0.2"};
        if (stream == QLatin1String("ts")) {
            QStringList outputs;
            for (int i = 0; i < tiles; ++i) {
                outputs << QStringLiteral("[f=rtp_mpegts]rtp://127.0.0.1:%1").arg(basePort + 2 * i);
                writeFile(sdpPath(dir, i), mpegTsDescription(basePort + 2 * i));
            }
            args << "-map"
                 << "0:v"
                 << "-f"
                 << "tee" << outputs.join('|');
        } else {
            // H.264 over RTP with a description of ffmpeg's own; one stream.
            args << "-f"
                 << "rtp"
                 << "-sdp_file" << sdpPath(dir, 0) << QStringLiteral("rtp://127.0.0.1:%1").arg(basePort);
        }
        QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this] { readProgress(); });
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("ffmpeg"), args);
    }
    ~CounterSender() {
        m_process.kill();
        m_process.waitForFinished();
    }
    // Send time of frame `n` on the clock, ms; < 0 until known.
    double sentAtMs(int n) const { return m_t0Ms > 1e17 ? -1 : m_t0Ms + n * 1000.0 / fps; }

private:
    void readProgress() {
        const double now = m_clock.nsecsElapsed() / 1e6;
        const QList<QByteArray> lines = m_process.readAllStandardOutput().split('\n');
        for (const QByteArray& line : lines) {
            if (line.startsWith("frame=")) {
                const int frame = line.mid(6).trimmed().toInt();
                if (frame > 0) {
                    m_t0Ms = std::min(m_t0Ms, now - frame * 1000.0 / fps);
                }
            }
        }
    }

    const QElapsedTimer& m_clock;
    QProcess m_process;
    double m_t0Ms = 1e18;
};

// The frame number shown in `rect` of a screen grab `image` whose top left is `origin`; -1 when the
// tile shows no counter picture.
int readCounter(const QImage& image, const QPoint& origin, const QRect& rect) {
    int n = 0;
    for (int i = 0; i < counterBits; ++i) {
        const int x = rect.x() - origin.x() + (i * 52 + 2 + 24) * rect.width() / pictureWidth;
        const int y = rect.y() - origin.y() + 26 * rect.height() / pictureHeight;
        if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) {
            return -1;
        }
        const QRgb c = image.pixel(x, y);
        const int grey = (qRed(c) + qGreen(c) + qBlue(c)) / 3;
        if (grey > 160) {
            n |= 1 << i;
        } else if (grey > 96) {
            return -1; // between two pictures or scaled over an edge: not readable
        }
    }
    return n;
}

struct LatencyResult {
    size_t samples = 0;
    double p50 = -1, p90 = -1, p99 = -1;
};

// One path on the screen: the sender starts, then the players; the screen is sampled every few ms and
// the first appearance of every frame number on every tile is compared with its send time.
LatencyResult measureLatency(const Options& o, int tiles, const QString& path, const QString& program) {
    QTemporaryDir dir;
    QElapsedTimer clock;
    clock.start();
    CounterSender sender(tiles, dir.path(), o.stream, clock);
    while (sender.sentAtMs(0) < 0 && clock.elapsed() < 20000) {
        wait(50);
    }
    std::vector<std::unique_ptr<QProcess>> players;
    if (path == QLatin1String("ffplay")) {
        for (int i = 0; i < tiles; ++i) {
            players.push_back(std::make_unique<QProcess>());
            players.back()->start(QStringLiteral("ffplay"),
                                  ffplayArguments(sdpPath(dir.path(), i), tileRect(i, tiles)));
        }
    } else {
        players.push_back(std::make_unique<QProcess>());
        players.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        players.back()->start(program,
                              {"--run", path, "--tiles", QString::number(tiles), "--sdp-dir", dir.path(),
                               "--seconds", QString::number(o.seconds + 5), "--warmup", "1", "--stream",
                               o.stream, o.liveProfile ? "--live" : "--default-buffering",
                               o.rtpAccess ? "--rtp-access" : "--avformat", "--live-latency",
                               QString::number(o.liveLatencyMs)});
    }
    const double playersStartedMs = clock.nsecsElapsed() / 1e6;
    const int columns = columnsFor(tiles);
    const QRect bounds(0, 0, columns * tileWidth, ((tiles + columns - 1) / columns) * tileHeight);
    std::vector<std::map<int, double>> firstSeen(static_cast<size_t>(tiles));
    QScreen* screen = QGuiApplication::primaryScreen();
    QElapsedTimer run;
    run.start();
    while (run.elapsed() < (o.seconds + 8) * 1000) {
        const QImage shot =
            screen->grabWindow(0, bounds.x(), bounds.y(), bounds.width(), bounds.height()).toImage();
        const double now = clock.nsecsElapsed() / 1e6;
        for (int i = 0; i < tiles; ++i) {
            const int n = readCounter(shot, bounds.topLeft(), tileRect(i, tiles));
            if (n > 0) {
                firstSeen[size_t(i)].emplace(n, now); // keeps the first time
            }
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        QThread::usleep(2000);
    }
    for (auto& p : players) {
        p->kill();
        p->waitForFinished();
    }
    // Frames sent in the first seconds after the players started are start-up, not steady latency.
    std::vector<double> latencies;
    for (const auto& tile : firstSeen) {
        for (const auto& [n, seenAt] : tile) {
            const double sentAt = sender.sentAtMs(n);
            if (sentAt > playersStartedMs + 6000) {
                latencies.push_back(seenAt - sentAt);
            }
        }
    }
    LatencyResult r;
    r.samples = latencies.size();
    r.p50 = percentile(latencies, 0.5);
    r.p90 = percentile(latencies, 0.9);
    r.p99 = percentile(latencies, 0.99);
    return r;
}

int runLatency(const Options& o, const QString& program) {
    std::printf("latency (ms from send to first on screen), %s over RTP, screen sampled every ~3 ms\n",
                o.stream == QLatin1String("ts") ? "MPEG-TS" : "H.264");
    std::printf("%-10s %5s %8s %8s %8s %8s\n", "path", "tiles", "frames", "p50", "p90", "p99");
    for (int tiles : o.tiles) {
        for (const QString& path : o.paths) {
            const LatencyResult r = measureLatency(o, tiles, path, program);
            std::printf("%-10s %5d %8zu %8.0f %8.0f %8.0f\n", qPrintable(path), tiles, r.samples, r.p50,
                        r.p90, r.p99);
            std::fflush(stdout);
        }
    }
    return 0;
}

Options parseOptions(const QStringList& args) {
    Options o;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const QString v = args.value(i + 1);
        if (a == QLatin1String("--latency")) {
            o.latency = true;
            continue;
        }
        if (a == QLatin1String("--default-buffering")) {
            o.liveProfile = false;
            continue;
        }
        if (a == QLatin1String("--avformat")) {
            o.rtpAccess = false;
            continue;
        }
        if (a == QLatin1String("--tiles")) {
            o.tiles.clear();
            for (const QString& n : v.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                o.tiles << n.toInt();
            }
        } else if (a == QLatin1String("--seconds")) {
            o.seconds = v.toInt();
        } else if (a == QLatin1String("--warmup")) {
            o.warmup = v.toInt();
        } else if (a == QLatin1String("--only")) {
            o.only = v;
        } else if (a == QLatin1String("--run")) {
            o.run = v;
        } else if (a == QLatin1String("--paths")) {
            o.paths = v.split(QLatin1Char(','), Qt::SkipEmptyParts);
        } else if (a == QLatin1String("--stream")) {
            o.stream = v;
        } else if (a == QLatin1String("--vlc-arg")) {
            o.vlcArgs << v;
        } else if (a == QLatin1String("--sdp-dir")) {
            o.sdpDir = v;
        } else if (a == QLatin1String("--live-latency")) {
            o.liveLatencyMs = v.toInt();
        } else if (a == QLatin1String("--decoder-nice")) {
            o.decoderNice = v.toInt();
        } else {
            continue;
        }
        ++i;
    }
    return o;
}

QStringList childArguments(const Options& o, const QString& path, int tiles, const QString& dir) {
    QStringList args{"--run",     path,
                     "--tiles",   QString::number(tiles),
                     "--sdp-dir", dir,
                     "--seconds", QString::number(o.seconds),
                     "--warmup",  QString::number(o.warmup),
                     "--stream",  o.stream};
    for (const QString& arg : o.vlcArgs) {
        args << "--vlc-arg" << arg;
    }
    if (!o.liveProfile) {
        args << "--default-buffering";
    }
    if (!o.rtpAccess) {
        args << "--avformat";
    }
    args << "--live-latency" << QString::number(o.liveLatencyMs);
    if (o.decoderNice >= 0) {
        args << "--decoder-nice" << QString::number(o.decoderNice);
    }
    return args;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 5 && QByteArray(argv[1]) == "--send") {
        return runSender(QByteArray(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]),
                         QString::fromLocal8Bit(argv[4]));
    }
    QGuiApplication app(argc, argv);
    Options o = parseOptions(app.arguments());
    QmlVlcConfig& config = QmlVlcConfig::instance();
    // The client's instance options (Bootstrap::initVlc), quiet and without audio for the benchmark.
    config.setNetworkCachingMs(250);
    config.setHardwareDecodingEnabled(true);
    config.setExtraArguments(QStringList{"--no-xlib", "--quiet", "--no-audio"} + o.vlcArgs);
    // As the client opens the server's streams ("video/rtpAccess").
    vlc::stream_description::set_rtp_access_enabled(o.rtpAccess);
    config.setLiveLatencyMs(o.liveLatencyMs); // negative: the default
    if (o.decoderNice >= 0) {
        config.setDecoderNice(o.decoderNice);
    }
    if (!o.run.isEmpty()) {
        // Before the first window, as the client chooses it.
        QmlVlcRenderPath::apply(o.run == QLatin1String("software") ? QmlVlcRenderPath::Software
                                                                   : QmlVlcRenderPath::OpenGl);
        return runChild(o, Meter{xServerPid(), 0});
    }
    if (o.latency) {
        return runLatency(o, app.applicationFilePath());
    }
    const int maxTiles = *std::max_element(o.tiles.begin(), o.tiles.end());
    QTemporaryDir tempDir;
    const QString streamDir = o.sdpDir.isEmpty() ? tempDir.path() : o.sdpDir;
    QProcess sender;
    if (o.sdpDir.isEmpty()) {
        sender.setProcessChannelMode(QProcess::ForwardedChannels);
        sender.start(app.applicationFilePath(), {"--send", QString::number(maxTiles), streamDir, o.stream});
        if (!sender.waitForStarted()) {
            std::fprintf(stderr, "sender did not start\n");
            return 1;
        }
    }
    // Every stream must be described before the players open it (the sender may be slow to start).
    auto allDescribed = [&] {
        for (int i = 0; i < maxTiles; ++i) {
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
    if (o.only == QLatin1String("nodraw")) {
        QmlVlcRenderPath::apply(QmlVlcRenderPath::OpenGl);
        print("QML players, no surface", o.tiles.value(0),
              runOurs(o, o.tiles.value(0), streamDir, meter, false));
        return 0;
    }
    if (o.only == QLatin1String("rects")) {
        const Figures f = runRects(o, o.tiles.value(0), meter);
        std::printf("rectangles only        tiles %2d  %5.1f s  renders %llu  cpu %.2f s (X %.2f, render "
                    "threads %.2f)  %.3f ms cpu/render\n",
                    o.tiles.value(0), f.seconds, static_cast<unsigned long long>(f.renders), f.cpu, f.xCpu,
                    f.threads.render, f.renders ? 1000.0 * f.cpu / double(f.renders) : 0.0);
        return 0;
    }

    std::map<std::pair<int, QString>, Row> rows;
    for (int tiles : o.tiles) {
        for (const QString& path : o.paths) {
            Row row;
            if (path == QLatin1String("ffplay")) {
                const Figures f = runFfplay(o, tiles, streamDir, meter.xPid);
                print("ffplay", tiles, f);
                row.msPerFrame = f.displayed ? 1000.0 * f.cpu / double(f.displayed) : 0;
                row.counted = false;
                row.first = row.all = -1;
            } else {
                QProcess child;
                child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
                child.start(app.applicationFilePath(), childArguments(o, path, tiles, streamDir));
                child.waitForFinished(-1);
                const QString out = QString::fromUtf8(child.readAllStandardOutput());
                std::fputs(qPrintable(out), stdout);
                for (const QString& line : out.split(QLatin1Char('\n'))) {
                    QString p;
                    int n = 0;
                    parseResult(line, &p, &n, &row);
                }
            }
            rows[{tiles, path}] = row;
        }
    }
    std::printf("\n%-9s %5s %12s %9s %8s %9s %9s %14s\n", "path", "tiles", "ms cpu/frame", "x libvlc",
                "lost %", "first s", "all s", "frames/tile");
    for (int tiles : o.tiles) {
        const Row vlc = rows.count({tiles, "vlc"}) ? rows[{tiles, "vlc"}] : Row{};
        for (const QString& path : o.paths) {
            const Row& r = rows[{tiles, path}];
            const QString ratio = vlc.msPerFrame > 0 ? QString::number(r.msPerFrame / vlc.msPerFrame, 'f', 2)
                                                     : QStringLiteral("-");
            const QString lost =
                r.counted && r.expected > 0
                    ? QString::number(100.0 * std::max(0.0, r.expected - r.displayed) / r.expected, 'f', 1)
                    : QStringLiteral("n/a");
            const QString first = r.first >= 0 ? QString::number(r.first, 'f', 2) : QStringLiteral("n/a");
            const QString all = r.all >= 0 ? QString::number(r.all, 'f', 2) : QStringLiteral("n/a");
            const QString spread =
                r.counted ? QStringLiteral("%1..%2").arg(r.fewest).arg(r.most) : QStringLiteral("n/a");
            std::printf("%-9s %5d %12.3f %9s %8s %9s %9s %14s\n", qPrintable(path), tiles, r.msPerFrame,
                        qPrintable(ratio), qPrintable(lost), qPrintable(first), qPrintable(all),
                        qPrintable(spread));
        }
    }
    if (sender.state() != QProcess::NotRunning) {
        sender.kill();
        sender.waitForFinished();
    }
    return 0;
}
