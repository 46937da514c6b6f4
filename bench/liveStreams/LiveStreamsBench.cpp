// Starts 1, 4, 8, 16 and 32 live streams of a clip to loopback receivers and prints, for each count,
// the process CPU per stream, the bit rate each receiver got and how many receivers got data.
// Usage: liveStreamsBench <clip.mp4> [seconds per step, default 8]
#include "devServer/server/LiveStreams.h"
#include "devServer/server/VlcEngine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QThread>
#include <QUdpSocket>
#include <QtGlobal>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void spin(int msecs) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < msecs) {
        QThread::msleep(20);
        QCoreApplication::processEvents();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <clip.mp4> [seconds per step]\n", argv[0]);
        return 2;
    }
    const int seconds = argc > 2 ? qMax(2, atoi(argv[2])) : 8;
    DevServer::VlcEngine engine;
    const QJsonObject device{{"id", 2},
                             {"typeCode", 4},
                             {"source", QString::fromLocal8Bit(argv[1])},
                             {"deviceName", "Demo camera"}};
    std::printf("streams  cpu%%/stream  cpu%%total  kbit/s/stream  received\n");
    for (int count : {1, 4, 8, 16, 32, 64}) {
        DevServer::LiveStreams live(engine);
        std::vector<std::unique_ptr<QUdpSocket>> receivers;
        for (int i = 0; i < count; ++i) {
            auto socket = std::make_unique<QUdpSocket>();
            quint16 port = 0;
            for (int attempt = 0; attempt < 50 && port == 0; ++attempt) {
                QUdpSocket probe;
                probe.bind(QHostAddress(QHostAddress::LocalHost), 0);
                const quint16 even = probe.localPort() & ~1;
                probe.close();
                if (even > 1024 && socket->bind(QHostAddress(QHostAddress::LocalHost), even)) {
                    port = even;
                }
            }
            live.start(quint64(i + 1), device, QStringLiteral("127.0.0.1"), port);
            receivers.push_back(std::move(socket));
        }
        spin(2000); // let every stream start
        for (auto& socket : receivers) {
            while (socket->hasPendingDatagrams()) {
                socket->receiveDatagram();
            }
        }
        qint64 bytes = 0;
        std::vector<qint64> perStream(receivers.size(), 0);
        const double cpuBefore = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        while (wall.elapsed() < seconds * 1000) {
            // Sleep between reads so that the receivers' own polling does not count as sender CPU.
            QThread::msleep(20);
            QCoreApplication::processEvents();
            for (size_t i = 0; i < receivers.size(); ++i) {
                while (receivers[i]->hasPendingDatagrams()) {
                    const qint64 size = receivers[i]->receiveDatagram().data().size();
                    bytes += size;
                    perStream[i] += size;
                }
            }
        }
        const double elapsed = wall.elapsed() / 1000.0;
        const double cpu = (cpuSeconds() - cpuBefore) / elapsed * 100.0;
        int fed = 0;
        for (qint64 received : perStream) {
            fed += received > 0 ? 1 : 0;
        }
        std::printf("%7d  %11.2f  %9.1f  %13.1f  %d/%d streams\n", count, cpu / count, cpu,
                    bytes * 8.0 / 1000.0 / elapsed / count, fed, count);
        std::fflush(stdout);
    }
    return 0;
}
