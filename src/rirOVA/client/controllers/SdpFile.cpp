#include "SdpFile.h"

#include <QDir>
#include <QFile>
#include <spdlog/spdlog.h>

namespace ClientController {

namespace {

std::shared_ptr<spdlog::logger> mainLog() {
    auto logger = spdlog::get("main");
    return logger ? logger : spdlog::default_logger();
}

} // namespace

QString SdpFile::write(const QString& dir, const QString& baseName, const QString& content) {
    QDir directory(dir);
    if (!directory.exists() && !QDir().mkpath(dir)) {
        mainLog()->warn("Cannot create the SDP directory '{}'", directory.absolutePath().toStdString());
        return QString();
    }
    const QString path = QStringLiteral("%1/%2.sdp").arg(directory.absolutePath(), baseName);
    QFile file(path);
    if (file.exists() && !file.remove()) {
        mainLog()->warn("Cannot replace the SDP file '{}': {}", path.toStdString(),
                        file.errorString().toStdString());
        return QString();
    }
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        mainLog()->warn("Cannot create the SDP file '{}': {}", path.toStdString(),
                        file.errorString().toStdString());
        return QString();
    }
    const QByteArray bytes = content.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        mainLog()->warn("Cannot write the SDP file '{}': {}", path.toStdString(),
                        file.errorString().toStdString());
        file.close();
        file.remove();
        return QString();
    }
    file.close();
    return path;
}

bool SdpFile::isPlainFileName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
        return false;
    }
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c == QChar(0)) {
            return false;
        }
    }
    return true;
}

} // namespace ClientController
