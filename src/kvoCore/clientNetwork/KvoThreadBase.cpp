#include "KvoThreadBase.h"

#include <QCoreApplication>
#include <QGlobalStatic>
#include <set>
#include <spdlog/spdlog.h>
#include <vector>

namespace KvoCore {

namespace {

// Every thread of this kind that exists. A Q_GLOBAL_STATIC because the link singletons are destroyed
// at process exit, possibly after this registry: they then skip it.
struct Registry {
    std::mutex lock;
    std::set<KvoThreadBase*> threads;
};
Q_GLOBAL_STATIC(Registry, registry)

} // namespace

KvoThreadBase::KvoThreadBase() : QThread(nullptr) {
    moveToThread(this);
    static std::once_flag postRoutine;
    std::call_once(postRoutine, []() { qAddPostRoutine(&KvoThreadBase::stopAll); });
    std::lock_guard<std::mutex> lock(registry()->lock);
    registry()->threads.insert(this);
}

KvoThreadBase::~KvoThreadBase() {
    stopThread();
    if (!registry.isDestroyed()) {
        std::lock_guard<std::mutex> lock(registry()->lock);
        registry()->threads.erase(this);
    }
}

void KvoThreadBase::stopAll() {
    if (registry.isDestroyed()) {
        return;
    }
    std::vector<KvoThreadBase*> threads;
    {
        std::lock_guard<std::mutex> lock(registry()->lock);
        threads.assign(registry()->threads.begin(), registry()->threads.end());
    }
    for (KvoThreadBase* thread : threads) {
        thread->stopThread();
    }
}

void KvoThreadBase::stopThread() {
    m_stopping = true;
    if (isRunning()) {
        quit();
        wait();
    }
}

std::string KvoThreadBase::loggerName() const {
    std::lock_guard<std::mutex> lock(m_loggerNameLock);
    return m_loggerName;
}

void KvoThreadBase::setLoggerName(const std::string& name) {
    std::lock_guard<std::mutex> lock(m_loggerNameLock);
    m_loggerName = name;
}

QVariant KvoThreadBase::param(const QString& key) const {
    std::lock_guard<std::mutex> lock(m_paramsLock);
    return m_params.value(key);
}

void KvoThreadBase::setParam(const QString& key, const QVariant& value) {
    std::lock_guard<std::mutex> lock(m_paramsLock);
    m_params.insert(key, value);
}

std::shared_ptr<spdlog::logger> KvoThreadBase::logger() const {
    auto found = spdlog::get(loggerName());
    return found ? found : spdlog::default_logger();
}

void KvoThreadBase::run() {
    Q_EMIT initStarted();
}

} // namespace KvoCore
