#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QTcpSocket;

namespace DodEzoviviZudorOzerir {

// Makes sure a media server answers at the configured address at start: probes it and, when nothing
// answers, starts the server program. Tells QML ("SERVER_LAUNCHER") when no server answered and none
// could be started, so that the window can say so.
class ServerLauncher : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString address READ address NOTIFY changed)
    Q_PROPERTY(bool unavailable READ unavailable NOTIFY changed)
    Q_PROPERTY(int reason READ reason NOTIFY changed)
    Q_PROPERTY(QString settingsFile READ settingsFile NOTIFY changed)
public:
    // Why no server could be started.
    enum Reason { NoReason = 0, StartingSwitchedOff = 1, ProgramMissing = 2, StartFailed = 3 };
    Q_ENUM(Reason)

    explicit ServerLauncher(QObject* parent = nullptr);

    // The server program beside the client first, then on the PATH; empty when there is none.
    static QString findProgram(const QString& programDir);
    static QString programName();

    // Probes host:port for at most 200 ms. The probe stays connected (and idle) until exit when a
    // server answers; otherwise the program found for `programDir` is started detached in its own
    // folder, unless `startAllowed` is false. True when a server program was started.
    bool ensureServer(const QString& host, quint16 port, bool startAllowed, const QString& programDir);

    void setSettingsFile(const QString& path);

    QString address() const { return m_address; }
    bool unavailable() const { return m_reason != NoReason; }
    int reason() const { return m_reason; }
    QString settingsFile() const { return m_settingsFile; }

Q_SIGNALS:
    void changed();

private:
    // Owned by the application object, so that it closes while the event loop still exists.
    QPointer<QTcpSocket> m_probe;
    QString m_address;
    QString m_settingsFile;
    Reason m_reason = NoReason;
};

} // namespace DodEzoviviZudorOzerir
