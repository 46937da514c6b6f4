#pragma once

#include <QMap>
#include <QString>
#include <QThread>
#include <QVariant>
#include <memory>
#include <mutex>
#include <string>

namespace spdlog {
class logger;
}

namespace KvoCore {

// A thread that owns itself (its queued slots run in the thread it starts), with a logger name and a
// parameter map that any thread may read and write.
class KvoThreadBase : public QThread {
    Q_OBJECT
public:
    KvoThreadBase();
    ~KvoThreadBase() override;

    std::string loggerName() const;
    void setLoggerName(const std::string& name);

    // The value stored under `key`, or an invalid QVariant.
    QVariant param(const QString& key) const;
    void setParam(const QString& key, const QVariant& value);

    // The logger named loggerName(), or spdlog's default logger while that one is not registered.
    std::shared_ptr<spdlog::logger> logger() const;

Q_SIGNALS:
    void initStarted();
    void initFinished();

protected:
    void run() override;
    // quit() and wait(); the most derived class calls it first in its destructor so that the thread
    // never runs code of a part that is already destroyed.
    void stopThread();

private:
    mutable std::mutex m_loggerNameLock;
    mutable std::mutex m_paramsLock;
    QMap<QString, QVariant> m_params;
    std::string m_loggerName{"main"};
};

} // namespace KvoCore
