#include "ServerLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpSocket>
#include <spdlog/spdlog.h>

namespace DodEzoviviZudorOzerir {

namespace {

std::shared_ptr<spdlog::logger> log() {
    auto logger = spdlog::get("main");
    return logger ? logger : spdlog::default_logger();
}

QString addressText(const QString& host, quint16 port) {
    // An IPv6 address is bracketed so that its port stays readable.
    const bool v6 = QHostAddress(host).protocol() == QAbstractSocket::IPv6Protocol;
    return (v6 ? QStringLiteral("[%1]:%2") : QStringLiteral("%1:%2")).arg(host).arg(port);
}

} // namespace

ServerLauncher::ServerLauncher(QObject* parent) : QObject(parent) {}

QString ServerLauncher::programName() {
#ifdef Q_OS_WIN
    return QStringLiteral("vorozizevodidureruziz.exe");
#else
    return QStringLiteral("vorozizevodidureruziz");
#endif
}

QString ServerLauncher::findProgram(const QString& programDir) {
    const QFileInfo beside(QDir(programDir).filePath(programName()));
    if (beside.isFile() && beside.isExecutable()) {
        return beside.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(programName());
}

void ServerLauncher::setSettingsFile(const QString& path) {
    m_settingsFile = path;
    Q_EMIT changed();
}

bool ServerLauncher::ensureServer(const QString& host, quint16 port, bool startAllowed,
                                  const QString& programDir) {
    m_address = addressText(host, port);
    m_reason = NoReason;
    if (!m_probe) {
        m_probe = new QTcpSocket(QCoreApplication::instance());
    }
    m_probe->abort();
    m_probe->connectToHost(host, port);
    if (m_probe->waitForConnected(200)) {
        log()->info("A server answers at {}", m_address.toStdString());
        Q_EMIT changed();
        return false;
    }
    if (!startAllowed) {
        log()->warn("No server answers at {}; starting the local server is switched off",
                    m_address.toStdString());
        m_reason = StartingSwitchedOff;
        Q_EMIT changed();
        return false;
    }
    const QString program = findProgram(programDir);
    if (program.isEmpty()) {
        log()->warn(
            "No server answers at {} and no server program '{}' was found beside the client or on the PATH",
            m_address.toStdString(), programName().toStdString());
        m_reason = ProgramMissing;
        Q_EMIT changed();
        return false;
    }
    log()->info("Starting the server program '{}'", program.toStdString());
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(QFileInfo(program).absolutePath());
    // The server keeps its own log file; its console output would bury the client's lines.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!process.startDetached()) {
        log()->warn("The server program '{}' could not be started", program.toStdString());
        m_reason = StartFailed;
        Q_EMIT changed();
        return false;
    }
    Q_EMIT changed();
    return true;
}

} // namespace DodEzoviviZudorOzerir
