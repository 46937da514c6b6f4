#include "VlcTestSupport.h"

#include "qmlVlc/QmlVlcConfig.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace VlcTestSupport {

namespace {
const char* const quietArgs[] = {"--no-xlib", "--quiet", "--no-audio", "--vout=dummy", "--avcodec-hw=none"};
}

QString mediaPath(const QString& name) {
    return QStringLiteral(OKULON_TEST_MEDIA_DIR "/") + name;
}

void configureQuietLibvlc() {
    QStringList args;
    // The players draw through the vmem callbacks, so no video output is named here.
    for (const char* arg : quietArgs) {
        if (qstrcmp(arg, "--vout=dummy") != 0) {
            args << QString::fromLatin1(arg);
        }
    }
    QmlVlcConfig::instance().setExtraArguments(args);
}

libvlc_instance_t* newQuietInstance() {
    return libvlc_new(static_cast<int>(sizeof(quietArgs) / sizeof(quietArgs[0])), quietArgs);
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

} // namespace VlcTestSupport
