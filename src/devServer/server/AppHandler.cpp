#include "AppHandler.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace DevServer {

AppHandler::AppHandler(const QString& baseVideoDir, std::function<void(const QString&)> persist)
    : _baseVideoDir(baseVideoDir), _persist(std::move(persist)) {}

bool AppHandler::accepts(const Request& request) const {
    static const QStringList actions{"trGetBaseVideoDir", "trSetBaseVideoDir", "trShutdownServer"};
    return request.group == QLatin1String("app") && actions.contains(request.action);
}

QString AppHandler::prepareFolder(const QString& path, QString* error) {
    const QString trimmed = path.trimmed();
    if (trimmed.isEmpty()) {
        *error = QStringLiteral("The video folder is empty");
        return QString();
    }
    if (!QDir::isAbsolutePath(trimmed)) {
        *error = QStringLiteral("The video folder '%1' must be an absolute path").arg(trimmed);
        return QString();
    }
    const QString absolute = QDir::cleanPath(trimmed);
    if (!QDir().mkpath(absolute) || !QFileInfo(absolute).isDir()) {
        *error = QStringLiteral("The video folder '%1' cannot be created").arg(absolute);
        return QString();
    }
    QTemporaryFile probe(absolute + QStringLiteral("/.write-check-XXXXXX"));
    if (!probe.open()) {
        *error = QStringLiteral("The video folder '%1' is not writable").arg(absolute);
        return QString();
    }
    return absolute;
}

Outcome AppHandler::handle(const Request& request) {
    Outcome outcome;
    if (request.action == QLatin1String("trGetBaseVideoDir")) {
        QString error;
        const QString path = prepareFolder(_baseVideoDir, &error);
        KvoCore::DTO reply = path.isEmpty() ? failure(request, error) : answer(request, true);
        reply.params.insert(QStringLiteral("path"), path.isEmpty() ? _baseVideoDir : path);
        outcome.replies.append(reply);
        return outcome;
    }
    if (request.action == QLatin1String("trSetBaseVideoDir")) {
        QString error;
        const QString path =
            prepareFolder(request.dto.params.value(QStringLiteral("path")).toString(), &error);
        if (path.isEmpty()) {
            KvoCore::DTO reply = failure(request, error);
            reply.params.insert(QStringLiteral("path"), _baseVideoDir);
            outcome.replies.append(reply);
            return outcome;
        }
        _baseVideoDir = path;
        if (_persist) {
            _persist(path);
        }
        KvoCore::DTO reply = answer(request, true);
        reply.params.insert(QStringLiteral("path"), path);
        outcome.replies.append(reply);
        return outcome;
    }
    outcome.replies.append(answer(request, true));
    outcome.shutdown = true;
    return outcome;
}

} // namespace DevServer
