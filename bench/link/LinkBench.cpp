// Prints figures of the server link over a real loopback connection:
//  (a) 1,000 single-record messages sent by the link, echoed by the peer and delivered back;
//  (b) one "saGetList" answer with 10,000 archive records received, inflated, parsed and delivered
//      to the GUI thread as the record the controllers get;
// and, without a socket, where the time of (b) goes.
#include "kvoClientController/network/ClientNetworkSimple.h"
#include "kvoClientController/network/HandleReceivedMessagesBase.h"
#include "kvoClientController/network/MessageFraming.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <spdlog/sinks/null_sink.h>
#include <spdlog/spdlog.h>
#include <vector>

using ClientBase::MessageFraming;

namespace {

class BenchLink : public ClientBase::ClientNetworkSimple {
protected:
    void run() override { runLoop("BenchLink::run"); }
};

class BenchHandler : public ClientBase::HandleReceivedMessagesBase {
    Q_OBJECT
Q_SIGNALS:
    void record(QString action, SpDto dto);

protected:
    void handleMessage(const QString&, const QString& action, const SpDto& dto) override {
        Q_EMIT record(action, dto);
    }
};

// Runs the event loop until `done`, sleeping while nothing happens so that the link thread has the CPU.
bool waitUntil(const std::function<bool()>& done, int ms = 30000) {
    QElapsedTimer clock;
    clock.start();
    QTimer tick;
    tick.start(20);
    while (!done()) {
        if (clock.elapsed() > ms) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// One archive clip with the fields of the archive entity.
QJsonObject archiveRecord(int i) {
    const qint64 start = 1767225600000LL + qint64(i) * 60000;
    return QJsonObject{
        {"id", i + 2},
        {"rstIDDevice", 2 + i % 16},
        {"type", 1},
        {"dtStart", start},
        {"dtEnd", start + 30000},
        {"duration", 30000},
        {"xOffset", 0},
        {"filePath", QStringLiteral("D:/video/archive/cam%1/2026-01-01/clip_%2.mp4").arg(i % 16).arg(i)},
        {"archiveUuid", QStringLiteral("3f2b8c1e-%1-4d2a-9b7e-5a1c0e9f%2")
                            .arg(i % 10000, 4, 10, QChar('0'))
                            .arg(i, 4, 16, QChar('0'))},
        {"final", true},
        {"detected", "Person, Car"},
        {"deviceName", QStringLiteral("Camera %1 entrance").arg(i % 16)},
        {"youtubeUploadedStatus", "created"},
        {"tgUploadedStatus", "created"},
        {"youtubePrivacyType", 1},
        {"dtStartYoutubeLoad", 0},
        {"dtStartTgLoad", 0},
        {"dtEndYoutubeLoad", 0},
        {"dtEndTgLoad", 0},
        {"youtubeLoadAttempts", 0},
        {"tgLoadAttempts", 0},
    };
}

QByteArray listAnswerJson(int records) {
    QJsonArray entries;
    for (int i = 0; i < records; ++i) {
        entries.append(archiveRecord(i));
    }
    const QJsonObject answer{
        {"FN", "archive_saGetList"}, {"RES", true}, {"_receiver", "140234"}, {"entries", entries}};
    return QJsonDocument(QJsonArray{answer}).toJson(QJsonDocument::Compact);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <class F>
double millis(F f) {
    QElapsedTimer clock;
    clock.start();
    f();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    auto logger = std::make_shared<spdlog::logger>("main", std::make_shared<spdlog::sinks::null_sink_mt>());
    logger->set_level(spdlog::level::off); // as configured by default ("log/logging" false)
    spdlog::register_logger(logger);

    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    BenchLink link;
    auto handler = std::make_shared<BenchHandler>();
    link.setHandleReceivedMessages(handler);
    link.setParam("host", "127.0.0.1");
    link.setParam("port", server.serverPort());
    link.setDefaultActionAfterConnected(QString());

    QObject gui;
    int delivered = 0;
    SpDto last;
    QObject::connect(handler.get(), &BenchHandler::record, &gui, [&](QString, SpDto dto) {
        ++delivered;
        last = dto;
    });

    link.start();
    Q_EMIT link.makeConnection();
    if (!waitUntil([&]() { return server.hasPendingConnections(); })) {
        std::fprintf(stderr, "no connection\n");
        return 1;
    }
    QTcpSocket* peer = server.nextPendingConnection();
    MessageFraming peerFraming;
    bool echo = true;
    QObject::connect(peer, &QTcpSocket::readyRead, &gui, [&]() {
        peerFraming.append(peer->readAll());
        QByteArray frame;
        while (peerFraming.next(&frame) == MessageFraming::Next::Frame) {
            if (echo) {
                peer->write(frame + MessageFraming::endMarker());
            }
        }
    });
    waitUntil([&]() { return link.isConnected(); });

    // (a) small messages, sent through the link, echoed, received and delivered.
    std::printf("(a) 1,000 single-record messages, link -> peer -> link -> GUI thread\n");
    std::vector<double> smallRuns;
    qint64 smallJson = 0;
    for (int run = 0; run < 5; ++run) {
        delivered = 0;
        smallJson = 0;
        const double ms = millis([&]() {
            for (int i = 0; i < 1000; ++i) {
                auto dto = std::make_shared<KvoCore::DTO>(KvoCore::DTO{
                    {"FN", "device_trGetList"}, {"_receiver", QString::number(140000 + i)}, {"n", i}});
                smallJson += MessageFraming::recordJson(dto).size();
                Q_EMIT link.sendMessageSignal(dto);
            }
            waitUntil([&]() { return delivered == 1000; });
        });
        smallRuns.push_back(ms);
    }
    const double smallMs = median(smallRuns);
    std::printf("    median %.1f ms: %.0f messages/s each way, %.2f MB/s of JSON each way\n", smallMs,
                1000 / (smallMs / 1000), smallJson / 1e6 / (smallMs / 1000));

    // (b) one large list answer.
    echo = false;
    const int records = 10000;
    const QByteArray json = listAnswerJson(records);
    const QByteArray frame = MessageFraming::frame(json);
    std::printf("(b) saGetList with %d archive records: JSON %.2f MB, frame %.2f MB compressed\n", records,
                json.size() / 1e6, frame.size() / 1e6);
    auto receiveLarge = [&]() {
        std::vector<double> runs;
        for (int run = 0; run < 7; ++run) {
            delivered = 0;
            last.reset();
            runs.push_back(millis([&]() {
                peer->write(frame);
                peer->flush();
                waitUntil([&]() { return delivered == 1; });
            }));
            if (!last || last->params.value("entries").toArray().size() != records) {
                std::fprintf(stderr, "answer not delivered whole\n");
                std::exit(1);
            }
        }
        return median(runs);
    };
    const double largeMs = receiveLarge();
    std::printf("    median %.1f ms from write to delivery: %.0f records/s, %.1f MB/s of JSON\n", largeMs,
                records / (largeMs / 1000), json.size() / 1e6 / (largeMs / 1000));

    // Where the time goes: the link's work on that frame, without a socket, read in 64 KiB pieces.
    std::vector<double> framingRuns, inflateRuns, parseRuns, recordRuns, maskRuns;
    for (int run = 0; run < 7; ++run) {
        MessageFraming framing;
        QByteArray raw;
        framingRuns.push_back(millis([&]() {
            for (int offset = 0; offset < frame.size(); offset += 65536) {
                framing.append(frame.mid(offset, 65536));
                framing.next(&raw);
            }
        }));
        QByteArray payload;
        inflateRuns.push_back(millis([&]() { MessageFraming::inflate(raw, &payload); }));
        MessageFraming::Parsed parsed;
        parseRuns.push_back(millis([&]() { parsed = MessageFraming::parse(payload); }));
        recordRuns.push_back(millis([&]() {
            for (const QJsonObject& object : parsed.records) {
                auto dto = std::make_shared<KvoCore::DTO>(object);
                (void)dto;
            }
        }));
        maskRuns.push_back(millis([&]() { (void)MessageFraming::maskSecrets(payload); }));
    }
    const double work = median(framingRuns) + median(inflateRuns) + median(parseRuns) + median(recordRuns);
    std::printf(
        "    link work without a socket %.1f ms: frame search %.2f ms, inflate %.1f ms, JSON parse %.1f ms, "
        "building the record %.2f ms;\n    the remaining %.1f ms are socket reads and the hand-over between "
        "threads\n",
        work, median(framingRuns), median(inflateRuns), median(parseRuns), median(recordRuns),
        largeMs - work);

    // A large frame arriving in small reads: the marker search resumes where it stopped, so the
    // work stays linear in the frame size.
    {
        const QByteArray big = MessageFraming::frame(QByteArray(48 * 1024 * 1024, 'x'), false);
        MessageFraming framing;
        QByteArray raw;
        int frames = 0;
        const double ms = millis([&]() {
            for (int offset = 0; offset < big.size(); offset += 65536) {
                framing.append(big.mid(offset, 65536));
                frames += framing.next(&raw) == MessageFraming::Next::Frame ? 1 : 0;
            }
        });
        std::printf("(c) a 48 MiB frame in 64 KiB reads: %.1f ms of framing (%.0f MB/s), %d frame\n", ms,
                    big.size() / 1e6 / (ms / 1000), frames);
    }

    // The same with traffic logging switched on (to a sink that drops the text).
    logger->set_level(spdlog::level::info);
    const double loggedMs = receiveLarge();
    std::printf("    with traffic logging on: median %.1f ms (masking alone %.1f ms)\n", loggedMs,
                median(maskRuns));

    link.quit();
    link.wait();
    return 0;
}

#include "LinkBench.moc"
