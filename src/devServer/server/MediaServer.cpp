#include "MediaServer.h"

#include "AnswerFilter.h"
#include "RequestError.h"
#include "ServerLog.h"
#include "kvoCore/LogText.h"

#include <atomic>

#include <QDir>
#include <QTcpSocket>
#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

namespace DevServer {

MediaServer::MediaServer(const ClientSession::Limits& limits, QObject* parent)
    : QObject(parent), _limits(limits) {
    connect(&_listener, &QTcpServer::newConnection, this, &MediaServer::onNewConnection);
    connect(&_listener, &QTcpServer::acceptError, this, &MediaServer::onAcceptError);
    // Qt accepts this many in one go before the descriptor check below runs.
    _listener.setMaxPendingConnections(8);
    connect(&_resumeAccepting, &QTimer::timeout, this, [this]() {
        const int free = freeDescriptors();
        if (free >= 0 && free < 2 * reservedDescriptors) {
            return; // still short; look again later
        }
        _resumeAccepting.stop();
        serverLog()->info("Accepting clients again");
        _listener.resumeAccepting();
    });
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

void MediaServer::setTls(const QString& mode, std::shared_ptr<const ServerCertificate> certificate) {
    _listener.setTls(mode, std::move(certificate));
}

quint16 MediaServer::port() const {
    return _listener.serverPort();
}

QString MediaServer::address() const {
    return _listener.serverAddress().toString();
}

bool MediaServer::keepToLoopbackWhile(const QStringList& accountsWithoutPassword, QString* error) {
    if (accountsWithoutPassword.isEmpty() || _listener.serverAddress().isLoopback()) {
        return true;
    }
    const QHostAddress requested = _listener.serverAddress();
    const quint16 port = _listener.serverPort();
    serverLog()->warn("Asked to listen on '{}', listening on loopback only: the account(s) '{}' can log in "
                      "without a password. Set their passwords to accept clients from other machines",
                      requested.toString().toStdString(),
                      KvoCore::LogText::value(accountsWithoutPassword.join(QStringLiteral("', '"))));
    _listener.close();
    // 127.0.0.1: the address the client looks for its local server on.
    if (!_listener.listen(QHostAddress(QHostAddress::LocalHost), port)) {
        *error = _listener.errorString();
        return false;
    }
    return true;
}

int MediaServer::freeDescriptors() {
#ifdef Q_OS_LINUX
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
        return -1;
    }
    const int open = QDir(QStringLiteral("/proc/self/fd"))
                         .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                         .size();
    // Listing the folder takes a descriptor itself: no entries at all means none was left.
    return open == 0 ? 0 : int(limit.rlim_cur) - open;
#else
    return -1;
#endif
}

void MediaServer::pauseAccepting(const QString& why) {
    _listener.pauseAccepting();
    if (!_resumeAccepting.isActive()) {
        serverLog()->warn("Not accepting clients for now: {}", why.toStdString());
        _resumeAccepting.start(1000);
    }
}

void MediaServer::onAcceptError(QAbstractSocket::SocketError error) {
    pauseAccepting(QStringLiteral("cannot accept (%1: %2)").arg(int(error)).arg(_listener.errorString()));
}

void MediaServer::onNewConnection() {
    while (QTcpSocket* socket = _listener.nextPendingConnection()) {
        const QString address = socket->peerAddress().toString();
        int guests = 0;
        for (const ClientSession* session : qAsConst(_sessions)) {
            guests += (!session->isLoggedIn() && session->peerAddress() == address) ? 1 : 0;
        }
        if (guests >= _limits.maxGuestsPerAddress) {
            if (_guestLog.take()) {
                serverLog()->warn("Connection from '{}' refused: {} connections of it have not logged in",
                                  address.toStdString(), guests);
            }
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto* session = new ClientSession(socket, _limits, this);
        connect(session, &ClientSession::recordReceived, this, &MediaServer::onRecord);
        connect(session, &ClientSession::closed, this, &MediaServer::onSessionClosed);
        _sessions.append(session);
        // Qt retries a failed accept at once: stop before the descriptors run out, not after.
        const int free = freeDescriptors();
        if (free >= 0 && free < reservedDescriptors) {
            pauseAccepting(QStringLiteral("only %1 file descriptors left").arg(free));
            return;
        }
    }
}

void MediaServer::onSessionClosed(ClientSession* session) {
    _sessions.removeAll(session);
    session->deleteLater();
    emit sessionEnded(session->number());
}

void MediaServer::setAccess(AccessPolicy* policy, Accounts* accounts) {
    _policy = policy;
    _accounts = accounts;
}

void MediaServer::sendToSession(ClientSession* session, const QList<KvoCore::DTO>& records) {
    QList<KvoCore::DTO> visible;
    for (const KvoCore::DTO& record : records) {
        if (auto cut = AnswerFilter::forSession(record, session->role(), session->userId())) {
            visible.append(*cut);
        }
    }
    session->send(visible);
}

void MediaServer::sendTo(quint64 sessionNumber, const QList<KvoCore::DTO>& records) {
    for (ClientSession* session : _sessions) {
        if (session->number() == sessionNumber) {
            sendToSession(session, records);
            return;
        }
    }
}

void MediaServer::broadcast(const QList<KvoCore::DTO>& records) {
    // A copy: a client that does not read its answers is dropped while this runs.
    const QList<ClientSession*> sessions = _sessions;
    for (ClientSession* session : sessions) {
        if (session->isLoggedIn()) {
            sendToSession(session, records);
        }
    }
}

void MediaServer::onRecord(ClientSession* session, const KvoCore::DTO& record) {
    dispatch(session, record);
}

void MediaServer::dispatch(ClientSession* session, const KvoCore::DTO& record) {
    const QJsonValue fn = record.params.value(QStringLiteral("FN"));
    const QStringList parts = fn.toString().split(QLatin1Char('_'));
    if (!fn.isString() || parts.size() != 2 || parts[0].isEmpty() || parts[1].isEmpty()) {
        if (_warnLog.take()) {
            serverLog()->warn("Session {}: record without a usable \"FN\" skipped", session->number());
        }
        return;
    }
    Request request{parts[0],
                    parts[1],
                    record,
                    session->userId(),
                    session->sign(),
                    session->role(),
                    session->number(),
                    session->peerAddress()};
    if (!request.action.startsWith(QLatin1String("tr"))) {
        if (!_warnLog.take()) {
            return;
        }
        serverLog()->warn("Session {}: '{}' is not a request, skipped", session->number(),
                          KvoCore::LogText::value(fn.toString()));
        return;
    }
    session->noteValidRequest();

    Outcome outcome;
    if (!session->isLoggedIn() && request.group != QLatin1String("auth")) {
        outcome.replies.append(RequestHandler::failure(request, QStringLiteral("Log in first")));
        deliver(session, outcome);
        return;
    }
    outcome = runHandler(session, request);
    deliver(session, outcome);
    if (_policy && _accounts && AccessPolicy::changesAccounts(request)) {
        followAccounts();
    }
}

Outcome MediaServer::runHandler(ClientSession* session, Request& request) {
    static std::atomic<quint64> references{0};
    Outcome outcome;
    RequestHandler* handler = nullptr;
    for (const auto& candidate : _handlers) {
        if (candidate->accepts(request)) {
            handler = candidate.get();
            break;
        }
    }
    const QString fn = request.group + QLatin1Char('_') + request.action;
    if (!handler) {
        outcome.replies.append(
            RequestHandler::failure(request, QStringLiteral("Unknown request '%1'").arg(fn)));
        return outcome;
    }
    try {
        if (_policy && session->isLoggedIn()) {
            if (const auto refused = _policy->check(request, outcome)) {
                outcome.replies.append(RequestHandler::failure(request, *refused));
                outcome.broadcasts.clear();
                return outcome;
            }
        }
        const QList<KvoCore::DTO> ahead = outcome.broadcasts;
        outcome = handler->handle(request);
        outcome.broadcasts = ahead + outcome.broadcasts;
        if (_policy && session->isLoggedIn()) {
            _policy->complete(request, outcome);
        }
    } catch (const RequestError& e) {
        outcome = Outcome();
        outcome.replies.append(RequestHandler::failure(request, e.reason()));
    } catch (const std::exception& e) {
        // The details (statements, values) stay in the log; the client gets a number to quote.
        const quint64 reference = ++references;
        serverLog()->error("Session {}: '{}' failed (reference {}): {}", session->number(),
                           KvoCore::LogText::value(fn), reference,
                           KvoCore::LogText::value(QString::fromUtf8(e.what()), 4096));
        outcome = Outcome();
        outcome.replies.append(RequestHandler::failure(
            request, QStringLiteral("The request could not be carried out (reference %1)").arg(reference)));
    }
    return outcome;
}

void MediaServer::followAccounts() {
    for (ClientSession* session : QList<ClientSession*>(_sessions)) {
        if (!session->isLoggedIn()) {
            continue;
        }
        const auto account = _accounts->byId(session->userId());
        if (!account || account->value(QStringLiteral("blocked")).toBool()) {
            session->close(account ? QStringLiteral("the account was blocked")
                                   : QStringLiteral("the account was removed"));
            continue;
        }
        session->setRole(_accounts->roleOf(*account));
    }
}

void MediaServer::deliver(ClientSession* session, const Outcome& outcome) {
    if (outcome.loggedInUserId) {
        session->setLoggedIn(*outcome.loggedInUserId, outcome.loggedInSign, outcome.loggedInRole);
        serverLog()->info("Session {} logged in as '{}' ({})", session->number(),
                          KvoCore::LogText::value(outcome.loggedInSign), outcome.loggedInRole.toStdString());
    }
    sendToSession(session, outcome.replies);
    if (!outcome.broadcasts.isEmpty()) {
        broadcast(outcome.broadcasts);
    }
    if (outcome.shutdown) {
        serverLog()->info("Shutdown requested by session {} ('{}')", session->number(),
                          KvoCore::LogText::value(session->sign()));
        for (ClientSession* other : _sessions) {
            other->flush(2000);
        }
        _listener.close();
        emit shutdownRequested();
    }
}

} // namespace DevServer
