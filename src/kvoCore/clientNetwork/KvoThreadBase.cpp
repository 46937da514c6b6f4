#include "KvoThreadBase.h"

#include <spdlog/spdlog.h>

namespace KvoCore {

KvoThreadBase::KvoThreadBase() : QThread(nullptr) {
    moveToThread(this);
}

KvoThreadBase::~KvoThreadBase() {
    stopThread();
}

void KvoThreadBase::stopThread() {
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
