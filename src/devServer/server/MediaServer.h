#pragma once

#include "ClientSession.h"
#include "RequestHandler.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTcpServer>
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

    bool listen(const QString& host, quint16 port, QString* error);
    quint16 port() const;
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
    void onRecord(DevServer::ClientSession* session, const KvoCore::DTO& record);
    void onSessionClosed(DevServer::ClientSession* session);

private:
    void deliver(ClientSession* session, const Outcome& outcome);

    QTcpServer _listener;
    ClientSession::Limits _limits;
    std::vector<std::unique_ptr<RequestHandler>> _handlers;
    QList<ClientSession*> _sessions;
};

} // namespace DevServer
