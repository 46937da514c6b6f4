#include "QmlVlcMemoryTrim.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>
#include <atomic>
#include <malloc.h>

namespace {

// Outside the object: a trim still running on the pool may outlive it at exit.
std::atomic<int> trimsDone{0};
std::atomic<bool> trimRunning{false};

} // namespace

QmlVlcMemoryTrim& QmlVlcMemoryTrim::instance() {
    static QPointer<QmlVlcMemoryTrim> trim;
    if (!trim) {
        trim = new QmlVlcMemoryTrim(QCoreApplication::instance());
    }
    return *trim;
}

int QmlVlcMemoryTrim::trims() {
    return trimsDone.load();
}

void QmlVlcMemoryTrim::keepLargeBlocksApart() {
    // Setting the threshold also stops glibc from moving it.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
}

QmlVlcMemoryTrim::QmlVlcMemoryTrim(QObject* parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(quietMs);
    connect(&m_timer, &QTimer::timeout, this, &QmlVlcMemoryTrim::trim);
}

void QmlVlcMemoryTrim::playerEnded() {
    m_timer.start();
}

void QmlVlcMemoryTrim::trim() {
    // One at a time; walking every arena takes a while with hundreds of MiB free.
    if (trimRunning.exchange(true)) {
        m_timer.start();
        return;
    }
    QThreadPool::globalInstance()->start([] {
        malloc_trim(0);
        ++trimsDone;
        trimRunning = false;
    });
}
