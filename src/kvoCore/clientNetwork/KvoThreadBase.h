#pragma once

#include <QMap>
#include <QString>
#include <QThread>
#include <QVariant>
#include <atomic>
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

    // Ends the event loops of all threads of this kind and waits for them. Runs by itself when the
    // application object is destroyed, so that no link still works while Qt shuts down; a process that
    // exits without destroying it calls this first.
    static void stopAll();

Q_SIGNALS:
    void initStarted();
    void initFinished();

protected:
    void run() override;
    // quit() and wait(); the most derived class calls it first in its destructor so that the thread
    // never runs code of a part that is already destroyed.
    void stopThread();
    // True once stopThread has been asked for: no new work (reconnection) should start.
    bool isStopping() const { return m_stopping; }

private:
    mutable std::mutex m_loggerNameLock;
    mutable std::mutex m_paramsLock;
    QMap<QString, QVariant> m_params;
    std::string m_loggerName{"main"};
    std::atomic<bool> m_stopping{false};
};

} // namespace KvoCore
