#pragma once

#include "AccessPolicy.h"
#include "Accounts.h"
#include "ClientSession.h"
#include "RequestHandler.h"
#include "SessionListener.h"
#include "kvoCore/LogBudget.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QTimer>
#include <memory>
#include <vector>

namespace DevServer {

// Listens for clients, keeps their sessions, lets only logged-in clients through to the handlers,
// delivers answers to the asking client and change notices to every logged-in one.
class MediaServer : public QObject {
    Q_OBJECT
public:
    explicit MediaServer(const ClientSession::Limits& limits, QObject* parent = nullptr);
    ~MediaServer() override;

    // The first handler that accepts a request handles it.
    void addHandler(std::unique_ptr<RequestHandler> handler);
    // Rights are checked and accounts followed once these are set (they outlive the server).
    void setAccess(AccessPolicy* policy, Accounts* accounts);

    bool listen(const QString& host, quint16 port, QString* error);
    // Encryption of the connections accepted from now on (see SessionListener::setTls).
    void setTls(const QString& mode, std::shared_ptr<const ServerCertificate> certificate);
    bool mayEncrypt() const { return _listener.mayEncrypt(); }
    quint16 port() const;
    QString address() const;
    // While accounts without a password may log in, a server asked to listen elsewhere listens on
    // loopback only (same port) and says why; false when that fails.
    bool keepToLoopbackWhile(const QStringList& accountsWithoutPassword, QString* error);
    int sessionCount() const { return _sessions.size(); }

    // Handles one record as if `session` had sent it.
    void dispatch(ClientSession* session, const KvoCore::DTO& record);

    // Later answers and pushes: to one session (nothing when it has gone) or every logged-in one.
    void sendTo(quint64 sessionNumber, const QList<KvoCore::DTO>& records);
    void broadcast(const QList<KvoCore::DTO>& records);

signals:
    // A client's connection has ended; what ran for it (streams) stops.
    void sessionEnded(quint64 sessionNumber);
    // A client asked the server to stop; every answer has been written.
    void shutdownRequested();

private slots:
    void onNewConnection();
    // Out of descriptors (or another resource): stop accepting for a while instead of spinning.
    void onAcceptError(QAbstractSocket::SocketError error);
    void onRecord(DevServer::ClientSession* session, const KvoCore::DTO& record);
    void onSessionClosed(DevServer::ClientSession* session);

private:
    void deliver(ClientSession* session, const Outcome& outcome);
    // Every record goes out through here, cut to what the session may see.
    void sendToSession(ClientSession* session, const QList<KvoCore::DTO>& records);
    Outcome runHandler(ClientSession* session, Request& request);
    // Sessions of removed or blocked accounts end; the others get their current role.
    void followAccounts();
    void pauseAccepting(const QString& why);
    // Descriptors this process may still open; -1 when the system does not tell.
    static int freeDescriptors();
    // Kept free for the database, the logs and the recordings.
    static constexpr int reservedDescriptors = 32;

    SessionListener _listener;
    QTimer _resumeAccepting;
    ClientSession::Limits _limits;
    std::vector<std::unique_ptr<RequestHandler>> _handlers;
    QList<ClientSession*> _sessions;
    KvoCore::LogBudget _guestLog{5, 10000};
    KvoCore::LogBudget _warnLog{20, 1000}; // warnings about malformed records
    AccessPolicy* _policy = nullptr;
    Accounts* _accounts = nullptr;
};

} // namespace DevServer
