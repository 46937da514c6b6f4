#include "MediaServer.h"

#include "ServerLog.h"

#include <QTcpSocket>

namespace DevServer {

MediaServer::MediaServer(const ClientSession::Limits& limits, QObject* parent)
    : QObject(parent), _limits(limits) {
    connect(&_listener, &QTcpServer::newConnection, this, &MediaServer::onNewConnection);
}

MediaServer::~MediaServer() {
    // Sessions are children of this object; stop them from calling back while it goes away.
    for (ClientSession* session : _sessions) {
        session->disconnect(this);
    }
}

void MediaServer::addHandler(std::unique_ptr<RequestHandler> handler) {
    _handlers.push_back(std::move(handler));
}

bool MediaServer::listen(const QString& host, quint16 port, QString* error) {
    QHostAddress address;
    if (!address.setAddress(host)) {
        *error = QStringLiteral("'%1' is not an IP address").arg(host);
        return false;
    }
    if (!_listener.listen(address, port)) {
        *error = _listener.errorString();
        return false;
    }
    serverLog()->info("Listening on '{}:{}'", host.toStdString(), _listener.serverPort());
    return true;
}

quint16 MediaServer::port() const {
    return _listener.serverPort();
}

void MediaServer::onNewConnection() {
    while (QTcpSocket* socket = _listener.nextPendingConnection()) {
        auto* session = new ClientSession(socket, _limits, this);
        connect(session, &ClientSession::recordReceived, this, &MediaServer::onRecord);
        connect(session, &ClientSession::closed, this, &MediaServer::onSessionClosed);
        _sessions.append(session);
    }
}

void MediaServer::onSessionClosed(ClientSession* session) {
    _sessions.removeAll(session);
    session->deleteLater();
    emit sessionEnded(session->number());
}

void MediaServer::sendTo(quint64 sessionNumber, const QList<KvoCore::DTO>& records) {
    for (ClientSession* session : _sessions) {
        if (session->number() == sessionNumber) {
            session->send(records);
            return;
        }
    }
}

void MediaServer::broadcast(const QList<KvoCore::DTO>& records) {
    for (ClientSession* session : _sessions) {
        if (session->isLoggedIn()) {
            session->send(records);
        }
    }
}

void MediaServer::onRecord(ClientSession* session, const KvoCore::DTO& record) {
    dispatch(session, record);
}

void MediaServer::dispatch(ClientSession* session, const KvoCore::DTO& record) {
    const QJsonValue fn = record.params.value(QStringLiteral("FN"));
    const QStringList parts = fn.toString().split(QLatin1Char('_'), Qt::SkipEmptyParts);
    if (!fn.isString() || parts.size() != 2) {
        serverLog()->warn("Session {}: record without a usable \"FN\" skipped", session->number());
        return;
    }
    Request request{parts[0], parts[1], record, session->userId(), session->sign(), session->number(),
                    session->peerAddress()};
    if (!request.action.startsWith(QLatin1String("tr"))) {
        serverLog()->warn("Session {}: '{}' is not a request, skipped", session->number(),
                          fn.toString().toStdString());
        return;
    }
    session->noteValidRequest();

    Outcome outcome;
    if (!session->isLoggedIn() && request.group != QLatin1String("auth")) {
        outcome.replies.append(RequestHandler::failure(request, QStringLiteral("Log in first")));
        deliver(session, outcome);
        return;
    }
    RequestHandler* handler = nullptr;
    for (const auto& candidate : _handlers) {
        if (candidate->accepts(request)) {
            handler = candidate.get();
            break;
        }
    }
    if (!handler) {
        outcome.replies.append(
            RequestHandler::failure(request, QStringLiteral("Unknown request '%1'").arg(fn.toString())));
        deliver(session, outcome);
        return;
    }
    try {
        outcome = handler->handle(request);
    } catch (const std::exception& e) {
        serverLog()->error("Session {}: '{}' failed: {}", session->number(), fn.toString().toStdString(),
                           e.what());
        outcome = Outcome();
        outcome.replies.append(RequestHandler::failure(request, QString::fromUtf8(e.what())));
    }
    deliver(session, outcome);
}

void MediaServer::deliver(ClientSession* session, const Outcome& outcome) {
    if (outcome.loggedInUserId) {
        session->setLoggedIn(*outcome.loggedInUserId, outcome.loggedInSign);
        serverLog()->info("Session {} logged in as '{}'", session->number(),
                          outcome.loggedInSign.toStdString());
    }
    session->send(outcome.replies);
    if (!outcome.broadcasts.isEmpty()) {
        for (ClientSession* other : _sessions) {
            if (other->isLoggedIn()) {
                other->send(outcome.broadcasts);
            }
        }
    }
    if (outcome.shutdown) {
        serverLog()->info("Shutdown requested by session {} ('{}')", session->number(),
                          session->sign().toStdString());
        for (ClientSession* other : _sessions) {
            other->flush(2000);
        }
        _listener.close();
        emit shutdownRequested();
    }
}

} // namespace DevServer
