#include "LoopbackHttpServer.h"

#include <QHostAddress>
#include <QTcpSocket>

LoopbackHttpServer::LoopbackHttpServer(QObject* parent) : QObject(parent) {
    connect(&_server, &QTcpServer::newConnection, this, &LoopbackHttpServer::onNewConnection);
}

bool LoopbackHttpServer::listen() {
    return _server.listen(QHostAddress::LocalHost, 0);
}

QString LoopbackHttpServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

void LoopbackHttpServer::route(const QByteArray& pathPrefix, Handler handler) {
    _routes.append({pathPrefix, std::move(handler)});
}

QList<HttpRequest> LoopbackHttpServer::requestsTo(const QByteArray& pathPrefix) const {
    QList<HttpRequest> found;
    for (const HttpRequest& request : _requests) {
        if (request.targetStartsWith(pathPrefix)) {
            found.append(request);
        }
    }
    return found;
}

QByteArray LoopbackHttpServer::reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

void LoopbackHttpServer::onNewConnection() {
    while (QTcpSocket* socket = _server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            _buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void LoopbackHttpServer::onReadyRead(QTcpSocket* socket) {
    QByteArray& buffer = _buffers[socket];
    buffer += socket->readAll();
    const int headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        return;
    }
    HttpRequest request;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0) {
            request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                   lines[i].mid(colon + 1).trimmed());
        }
    }
    const int length = request.headers.value("content-length", "0").toInt();
    if (buffer.size() < headerEnd + 4 + length) {
        return;
    }
    request.body = buffer.mid(headerEnd + 4, length);
    buffer.clear();
    _requests.append(request);

    HttpReply reply{404, QByteArray()};
    for (const auto& [prefix, handler] : _routes) {
        if (request.targetStartsWith(prefix)) {
            reply = handler(request);
            break;
        }
    }
    if (reply.silent) {
        return;
    }
    QByteArray answer =
        "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n";
    bool typed = false;
    for (const auto& [name, value] : reply.headers) {
        answer += name + ": " + value + "\r\n";
        typed = typed || name.toLower() == "content-type";
    }
    if (!typed) {
        answer += "Content-Type: application/json; charset=UTF-8\r\n";
    }
    answer += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    answer += "Connection: close\r\n\r\n";
    answer += reply.body;
    socket->write(answer);
    socket->disconnectFromHost();
}
