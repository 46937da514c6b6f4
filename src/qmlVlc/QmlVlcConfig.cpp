#include "QmlVlcConfig.h"

#include <algorithm>
#include <cerrno>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace {

struct TrustedOption {
    const char* name;
    const char* value; // null: any value
};

const TrustedOption trustedOptions[] = {
    {":rtsp-http-port", nullptr},
    {":avformat-format", "mxg"},
    {":demux", "h264"},
    {":h264-fps", nullptr},
};

} // namespace

QmlVlcConfig& QmlVlcConfig::instance() {
    static QmlVlcConfig config;
    return config;
}

QStringList QmlVlcConfig::arguments() const {
    QStringList args;
    if (m_networkCachingMs >= 0) {
        args << QStringLiteral("--network-caching") << QString::number(m_networkCachingMs);
    }
    if (m_adjustFilter) {
        args << QStringLiteral("--video-filter=adjust");
    }
    QStringList subFilters;
    if (m_marqueeFilter) {
        subFilters << QStringLiteral("marq");
    }
    if (m_logoFilter) {
        subFilters << QStringLiteral("logo");
    }
    if (!subFilters.isEmpty()) {
        args << QStringLiteral("--sub-filter=") + subFilters.join(QLatin1Char(':'));
    }
    if (m_debug) {
        args << QStringLiteral("-vvv");
    }
    if (m_hideVideoTitle) {
        args << QStringLiteral("--no-video-title-show");
    }
    if (m_hardwareDecoding) {
        args << QStringLiteral("--avcodec-hw=any");
    }
    args << m_extraArguments;
    return args;
}

QStringList QmlVlcConfig::liveMediaOptions() const {
    const QString ms = QString::number(m_liveLatencyMs);
    return {QStringLiteral(":network-caching=") + ms, QStringLiteral(":live-caching=") + ms,
            QStringLiteral(":clock-jitter=0"), QStringLiteral(":clock-synchro=0")};
}

QStringList QmlVlcConfig::archiveStreamMediaOptions() const {
    const QString ms = QString::number(archiveStreamCachingMs);
    return {QStringLiteral(":network-caching=") + ms, QStringLiteral(":clock-jitter=0")};
}

void QmlVlcConfig::setDecoderNice(int nice) {
    m_decoderNice = std::clamp(nice, 0, maxDecoderNice);
}

bool QmlVlcConfig::lowerCallingThreadPriority() const {
    const int wanted = m_decoderNice.load();
    if (wanted <= 0) {
        return false;
    }
    // On Linux the nice value belongs to the thread: PRIO_PROCESS with a thread id sets only it, and
    // threads it creates afterwards start with it.
    const auto tid = static_cast<id_t>(::syscall(SYS_gettid));
    errno = 0;
    const int current = ::getpriority(PRIO_PROCESS, tid);
    if (errno != 0) {
        return false;
    }
    if (current >= wanted) {
        return true;
    }
    return ::setpriority(PRIO_PROCESS, tid, wanted) == 0;
}

libvlc_instance_t* QmlVlcConfig::acquireInstance() {
    std::lock_guard<std::mutex> lock(m_guard);
    if (m_instance) {
        ++m_refCount;
        return m_instance;
    }
    const QStringList args = arguments();
    std::vector<QByteArray> utf8;
    utf8.reserve(static_cast<size_t>(args.size()));
    for (const QString& arg : args) {
        utf8.push_back(arg.toUtf8());
    }
    std::vector<const char*> argv;
    for (const QByteArray& arg : utf8) {
        argv.push_back(arg.constData());
    }
    m_instance = libvlc_new(static_cast<int>(argv.size()), argv.data());
    // A failed start is not counted: the next player tries again.
    m_refCount = m_instance ? 1 : 0;
    return m_instance;
}

void QmlVlcConfig::releaseInstance(libvlc_instance_t* instance) {
    std::lock_guard<std::mutex> lock(m_guard);
    if (m_refCount == 0 || !instance || instance != m_instance) {
        return;
    }
    if (--m_refCount == 0) {
        libvlc_release(m_instance);
        m_instance = nullptr;
    }
}

int QmlVlcConfig::instanceRefCount() const {
    std::lock_guard<std::mutex> lock(m_guard);
    return m_refCount;
}

bool QmlVlcConfig::isMediaOptionTrusted(const QString& option) const {
    if (m_trustAll) {
        return true;
    }
    const QStringList parts = option.split(QLatin1Char('='));
    if (parts.size() != 2) {
        return false;
    }
    const QString name = parts[0].trimmed();
    const QString value = parts[1].trimmed();
    for (const TrustedOption& trusted : trustedOptions) {
        if (name == QLatin1String(trusted.name)) {
            return !trusted.value || value == QLatin1String(trusted.value);
        }
    }
    return false;
}
