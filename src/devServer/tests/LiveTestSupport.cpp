#include "LiveTestSupport.h"

#include "kvoCore/clientNetwork/RtpPortPicker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QThread>

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
    return KvoCore::RtpPortPicker::pick(200, QHostAddress(QHostAddress::LocalHost))
        .value_or(KvoCore::RtpPortPicker::Pair{})
        .rtp;
}

} // namespace LiveTestSupport
