#include "ScreenTestServer.h"

#include "LinkClient.h"
#include "ServerProcess.h"
#include "kvoCore/Utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonObject>
#include <QQuickWindow>
#include <QtDebug>

ScreenTestServer::ScreenTestServer(const QString& clientFolder, QObject* parent)
    : QObject(parent), _clientFolder(clientFolder), _server(std::make_unique<ServerProcess>()) {
    // Screens expect a camera: the server adds its demo camera to the new database.
    _server->setSetting(QStringLiteral("video/demoClip"), QStringLiteral(OKULON_DEMO_CLIP));
}

ScreenTestServer::~ScreenTestServer() {
    _other.reset();
    _server.reset();
}

int ScreenTestServer::port() const {
    return _server->port();
}

bool ScreenTestServer::running() const {
    return _server->isRunning();
}

QString ScreenTestServer::folder() const {
    return _server->folder();
}

QString ScreenTestServer::videoFolder() const {
    return _server->folder() + QStringLiteral("/video");
}

QString ScreenTestServer::demoClip() const {
    return QStringLiteral(OKULON_DEMO_CLIP);
}

void ScreenTestServer::setSetting(const QString& key, const QVariant& value) {
    _server->setSetting(key, value);
}

bool ScreenTestServer::start() {
    if (_server->isRunning()) {
        return true;
    }
    const bool ok = _server->start();
    if (!ok) {
        qWarning().noquote() << "development server did not start:" << _server->error();
    }
    Q_EMIT stateChanged();
    return ok;
}

bool ScreenTestServer::restart() {
    _other.reset();
    const bool ok = _server->restart();
    if (!ok) {
        qWarning().noquote() << "development server did not restart:" << _server->error();
    }
    Q_EMIT stateChanged();
    return ok;
}

void ScreenTestServer::stop() {
    _other.reset();
    _server->stop();
    Q_EMIT stateChanged();
}

QString ScreenTestServer::output() const {
    return _server->output();
}

bool ScreenTestServer::logInOther(const QString& sign, const QString& password) {
    _other = std::make_unique<LinkClient>();
    if (!_other->connectTo(_server->port())) {
        // A client that never connected would fail every later request: the next one tries anew.
        _other.reset();
        qWarning() << "second client did not connect";
        qWarning().noquote() << "the server's log says:\n" << logLinesAbout(QStringLiteral("Connection"));
        return false;
    }
    return _other->logIn(sign, KvoCore::Utils::getPwdHash(password));
}

LinkClient* ScreenTestServer::other() {
    if (!_other && !logInOther(QStringLiteral("admin"))) {
        qWarning() << "second client could not log in as admin";
    }
    return _other.get();
}

QVariantMap ScreenTestServer::request(const QVariantMap& record, const QString& answerFn, int msecs) {
    LinkClient* client = other();
    if (!client) {
        return {};
    }
    const QJsonObject answer = client->request(QJsonObject::fromVariantMap(record), answerFn, msecs);
    if (answer.isEmpty()) {
        qWarning().noquote() << "no" << answerFn << "within" << msecs << "ms; the server's log says:\n"
                             << logLinesAbout(answerFn.section(QLatin1Char('_'), 0, 0) + QLatin1Char('_'));
    }
    return answer.toVariantMap();
}

// The server's lines that mention `needle`, log-ins, warnings and errors: why a request went
// unanswered.
QString ScreenTestServer::logLinesAbout(const QString& needle) const {
    QStringList lines;
    const QStringList all = _server->logText().split(QLatin1Char('\n'));
    for (const QString& line : all) {
        if (line.contains(needle) || line.contains(QLatin1String("auth_")) ||
            line.contains(QLatin1String("[W]")) || line.contains(QLatin1String("[E]"))) {
            lines.append(line.left(400));
        }
    }
    return lines.mid(qMax(0, lines.size() - 40)).join(QLatin1Char('\n'));
}

QVariantList ScreenTestServer::received(const QString& fn) const {
    QVariantList list;
    if (_other) {
        for (const QJsonObject& record : _other->received(fn)) {
            list.append(record.toVariantMap());
        }
    }
    return list;
}

void ScreenTestServer::dropOther() {
    _other.reset();
}

bool ScreenTestServer::fileExists(const QString& path) const {
    return QFileInfo::exists(path);
}

bool ScreenTestServer::copyFile(const QString& from, const QString& to) const {
    QFile::remove(to);
    return QDir().mkpath(QFileInfo(to).absolutePath()) && QFile::copy(from, to);
}

bool ScreenTestServer::removeFolder(const QString& path) const {
    const QString inside = QDir(folder()).absolutePath() + QLatin1Char('/');
    const QString target = QDir::cleanPath(QDir(path).absolutePath());
    return target.startsWith(inside) && QDir(target).removeRecursively();
}

QStringList ScreenTestServer::listFiles(const QString& folder, const QString& pattern) const {
    return QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
}

bool ScreenTestServer::saveWindow(QObject* window, const QString& path) const {
    auto* quickWindow = qobject_cast<QQuickWindow*>(window);
    return quickWindow && quickWindow->grabWindow().save(path);
}

QString ScreenTestServer::pwdHash(const QString& password) const {
    return KvoCore::Utils::getPwdHash(password);
}
