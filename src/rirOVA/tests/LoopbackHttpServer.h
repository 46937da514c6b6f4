#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTcpServer>
#include <functional>

class QTcpSocket;

// One HTTP/1.1 request as it arrived.
struct HttpRequest {
    QByteArray method;
    // Path and query exactly as sent, e.g. "/yt/channels?access_token=a&part=snippet&mine=true".
    QByteArray target;
    // Header names in lower case.
    QMap<QByteArray, QByteArray> headers;
    QByteArray body;

    bool targetStartsWith(const QByteArray& prefix) const { return target.startsWith(prefix); }
};

struct HttpReply {
    int status = 200;
    QByteArray body;
    // Never answer: the client waits until it gives up.
    bool silent = false;
    // Extra header lines, e.g. {"Location", "..."}.
    QList<QPair<QByteArray, QByteArray>> headers;
};

// A loopback HTTP server for tests: records every request and answers it with the reply of the first
// route whose path prefix matches (404 when none does). Each connection is closed after its answer.
class LoopbackHttpServer : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<HttpReply(const HttpRequest&)>;

    explicit LoopbackHttpServer(QObject* parent = nullptr);

    bool listen();
    quint16 port() const { return _server.serverPort(); }
    // "http://127.0.0.1:<port><path>"
    QString url(const QString& path) const;

    void route(const QByteArray& pathPrefix, Handler handler);
    const QList<HttpRequest>& requests() const { return _requests; }
    QList<HttpRequest> requestsTo(const QByteArray& pathPrefix) const;

    static QByteArray reasonPhrase(int status);

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);

    QTcpServer _server;
    QList<QPair<QByteArray, Handler>> _routes;
    QList<HttpRequest> _requests;
    QHash<QTcpSocket*, QByteArray> _buffers;
};
