// The live grid over a long time: the development server (a free loopback port, a temporary
// folder) with 16 File cameras playing the 640x360 tile clip, and the real client (`okulon`, in an
// installed tree of its own, told not to start a server) showing them in its 4x4 grid under the X
// display the bench runs in. Each minute the client's resident memory (VmRSS) and CPU time
// (utime + stime, as % of one core over the minute) are sampled, with how many tiles are live (the
// client logs "Tile of device N is live" / "stalled" / "lost"). Every few minutes the server is
// stopped and started again on the same port and database, which ends every stream and the client's
// connection; all tiles have to be back before the next restart, and the time until they are is
// printed. A tile is back when it turned live after the restart, or when its player started the new
// stream ("Tile K shows device N") and its pictures never stopped long enough to turn it stalled (a
// quick restart). At the end: the curve, the restart recovery times, and whether the memory stayed
// within ±5 % of the sample at the end of the settling time.
//
//   xvfb-run -a -s "-screen 0 1920x1080x24" videoSoakBench --soak 60
// Options: --soak MINUTES (60), --restart-every MINUTES (10), --settle MINUTES (10),
// --restart-pause SECONDS (0: how long the server stays away at a restart), --client-arg ARG
// (repeatable, e.g. --client-arg --render-path=opengl), --keep (keep the client's folder and output).
// Exit code: 0 when every tile came back and the memory stayed in the band, 2 when only the memory
// left it, 1 when a tile did not come back, the client ended or the start failed.
#include "LiveGridSoak.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <spdlog/spdlog.h>

namespace {

bool positive(const QString& text, int* value) {
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value > 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The link that adds the cameras logs every message at info.
    spdlog::set_level(spdlog::level::warn);
    LiveGridSoak::Options options;
    options.clip = QStringLiteral(OKULON_BENCH_CLIP);
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const QString value = args.value(i + 1);
        bool ok = true;
        if (arg == QLatin1String("--soak")) {
            ok = positive(value, &options.minutes);
            ++i;
        } else if (arg == QLatin1String("--restart-every")) {
            ok = positive(value, &options.restartEveryMinutes);
            ++i;
        } else if (arg == QLatin1String("--settle")) {
            ok = positive(value, &options.settleMinutes);
            ++i;
        } else if (arg == QLatin1String("--restart-pause")) {
            options.restartPauseSeconds = value.toInt(&ok);
            ok = ok && options.restartPauseSeconds >= 0;
            ++i;
        } else if (arg == QLatin1String("--client-arg")) {
            ok = !value.isEmpty();
            options.clientArgs << value;
            ++i;
        } else if (arg == QLatin1String("--keep")) {
            options.keepFolder = true;
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(
                stderr,
                "%s: bad argument '%s'\nusage: videoSoakBench [--soak MINUTES] [--restart-every MINUTES] "
                "[--settle MINUTES] [--restart-pause SECONDS] [--client-arg ARG]... [--keep]\n",
                qPrintable(args.first()), qPrintable(arg));
            return 64;
        }
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "needs an X display (run it under xvfb-run)\n");
        return 64;
    }
    // Ctrl+C or a kill still stops the client and the server and prints the curve so far.
    std::signal(SIGINT, [](int) { LiveGridSoak::interrupt(); });
    std::signal(SIGTERM, [](int) { LiveGridSoak::interrupt(); });
    return LiveGridSoak(options).run();
}
