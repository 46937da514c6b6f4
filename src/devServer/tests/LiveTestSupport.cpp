#include "LiveTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QThread>
#include <QUdpSocket>

namespace LiveTestSupport {

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        if (done()) {
            return true;
        }
        if (timer.elapsed() >= timeoutMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

quint16 freeRtpPort() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        QUdpSocket probe;
        if (!probe.bind(QHostAddress(QHostAddress::LocalHost), 0)) {
            continue;
        }
        const quint16 port = probe.localPort() & ~1;
        probe.close();
        QUdpSocket rtp;
        QUdpSocket rtcp;
        if (port > 1024 && rtp.bind(QHostAddress(QHostAddress::LocalHost), port) &&
            rtcp.bind(QHostAddress(QHostAddress::LocalHost), port + 1)) {
            return port;
        }
    }
    return 0;
}

} // namespace LiveTestSupport
