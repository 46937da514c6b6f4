#include "OAuthLoopbackReceiver.h"

#include "YoutubeApiController.h"

#include <QCryptographicHash>
#include <QHostAddress>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QUrl>
#include <QUrlQuery>

namespace ClientController {

const QString OAuthLoopbackReceiver::kDefaultAuthorizationEndpoint =
    QStringLiteral("https://accounts.google.com/o/oauth2/v2/auth");
const QString OAuthLoopbackReceiver::kYoutubeScopes =
    QStringLiteral("https://www.googleapis.com/auth/youtube.upload "
                   "https://www.googleapis.com/auth/youtube.readonly");

namespace {

QString base64Url(const QByteArray& bytes) {
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QString randomToken(int bytes) {
    QByteArray raw(bytes, Qt::Uninitialized);
    QRandomGenerator* generator = QRandomGenerator::system();
    for (int i = 0; i < bytes; ++i) {
        raw[i] = char(generator->bounded(256));
    }
    return base64Url(raw);
}

QString encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

QString escapedHtml(const QString& text) {
    return text.toHtmlEscaped();
}

} // namespace

OAuthLoopbackReceiver::OAuthLoopbackReceiver(QObject* parent)
    : QObject(parent), _authorizationEndpoint(YoutubeApiController::addressSetting(
                           "youtube/authorizeUrl", kDefaultAuthorizationEndpoint)),
      _tokenEndpoint(
          YoutubeApiController::addressSetting("youtube/oauthBase", YoutubeApiController::kDefaultOauthBase) +
          QStringLiteral("/token")) {
    connect(&_server, &QTcpServer::newConnection, this, &OAuthLoopbackReceiver::onNewConnection);
}

OAuthLoopbackReceiver::~OAuthLoopbackReceiver() = default;

QString OAuthLoopbackReceiver::challengeOf(const QString& verifier) {
    return base64Url(QCryptographicHash::hash(verifier.toLatin1(), QCryptographicHash::Sha256));
}

bool OAuthLoopbackReceiver::start() {
    stop();
    // 32 random bytes give a 43-character verifier, the shortest the protocol allows.
    _verifier = randomToken(32);
    _challenge = challengeOf(_verifier);
    _state = randomToken(16);
    _redirectUri.clear();
    if (!_server.listen(QHostAddress::LocalHost, 0)) {
        const QString error = _server.errorString();
        emit listeningChanged();
        emit failed(error);
        return false;
    }
    _redirectUri = QStringLiteral("http://127.0.0.1:%1/").arg(_server.serverPort());
    emit listeningChanged();
    return true;
}

void OAuthLoopbackReceiver::stop() {
    if (!_server.isListening()) {
        return;
    }
    _server.close();
    emit listeningChanged();
}

QString OAuthLoopbackReceiver::authorizationUrl(const QString& clientId) const {
    return QStringLiteral("%1?client_id=%2&redirect_uri=%3&scope=%4&response_type=code&access_type=offline"
                          "&code_challenge=%5&code_challenge_method=S256&state=%6")
        .arg(_authorizationEndpoint, encoded(clientId), encoded(redirectUri()), encoded(kYoutubeScopes),
             _challenge, _state);
}

QString OAuthLoopbackReceiver::tokenRequestBody(const QString& code, const QString& clientId,
                                                const QString& clientSecret) const {
    return QStringLiteral(
               "code=%1&client_id=%2&client_secret=%3&redirect_uri=%4&grant_type=authorization_code"
               "&code_verifier=%5")
        .arg(encoded(code), encoded(clientId), encoded(clientSecret), encoded(redirectUri()), _verifier);
}

QString OAuthLoopbackReceiver::codeFromTitle(const QString& title) const {
    if (!title.startsWith(QLatin1String("Success"))) {
        return QString();
    }
    static const QRegularExpression code(QStringLiteral("code=([^&\\s]+)"));
    const QRegularExpressionMatch match = code.match(title);
    return match.hasMatch() ? QUrl::fromPercentEncoding(match.captured(1).toLatin1()) : QString();
}

void OAuthLoopbackReceiver::onNewConnection() {
    while (QTcpSocket* socket = _server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        QPointer<QTcpSocket> guarded(socket);
        QTimer::singleShot(kRequestTimeoutMs, socket, [guarded] {
            if (guarded) {
                guarded->abort();
            }
        });
    }
}

void OAuthLoopbackReceiver::reply(QTcpSocket* socket, int status, const QString& title, const QString& text) {
    const QByteArray body =
        QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>%1</title>"
                       "</head><body><h3>%1</h3><p>%2</p></body></html>")
            .arg(escapedHtml(title), escapedHtml(text))
            .toUtf8();
    const QByteArray reason = status == 200 ? "OK" : status == 404 ? "Not Found" : "Bad Request";
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n";
    head += "Content-Type: text/html; charset=utf-8\r\nCache-Control: no-store\r\nConnection: close\r\n";
    head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n";
    socket->write(head + body);
    socket->disconnectFromHost();
}

void OAuthLoopbackReceiver::onReadyRead(QTcpSocket* socket) {
    QByteArray buffer = socket->property("okulonBuffer").toByteArray() + socket->readAll();
    if (buffer.size() > kMaxRequestBytes) {
        reply(socket, 400, tr("Sign-in failed"), tr("The request is too long."));
        return;
    }
    socket->setProperty("okulonBuffer", buffer);
    const int lineEnd = buffer.indexOf("\r\n");
    if (lineEnd < 0 || !buffer.contains("\r\n\r\n")) {
        return;
    }
    socket->setProperty("okulonBuffer", QByteArray());
    const QList<QByteArray> parts = buffer.left(lineEnd).split(' ');
    if (parts.size() != 3 || parts.at(0) != "GET") {
        reply(socket, 400, tr("Sign-in failed"), tr("Unexpected request."));
        return;
    }
    const QUrl target(QStringLiteral("http://127.0.0.1") + QString::fromLatin1(parts.at(1)));
    if (target.path() != QLatin1String("/")) {
        // Browsers also ask for icons; only the redirect itself counts.
        reply(socket, 404, tr("Not found"), QString());
        return;
    }
    if (!_server.isListening()) {
        reply(socket, 400, tr("Sign-in failed"), tr("The sign-in has already ended."));
        return;
    }
    const QUrlQuery query(target);
    const QString state = query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
    const QString code = query.queryItemValue(QStringLiteral("code"), QUrl::FullyDecoded);
    const QString error = query.queryItemValue(QStringLiteral("error"), QUrl::FullyDecoded);
    if (state != _state) {
        reply(socket, 400, tr("Sign-in failed"), tr("The answer does not belong to this sign-in."));
        finish();
        emit failed(tr("The sign-in answer carries a wrong state"));
        return;
    }
    if (!error.isEmpty() || code.isEmpty()) {
        reply(socket, 400, tr("Sign-in failed"), error.isEmpty() ? tr("No code was given.") : error);
        finish();
        emit failed(error.isEmpty() ? tr("The sign-in answer carries no code") : error);
        return;
    }
    reply(socket, 200, tr("Signed in"), tr("You can close this window and return to the program."));
    finish();
    emit codeReceived(code);
}

void OAuthLoopbackReceiver::finish() {
    // One answer per sign-in: the port closes so nothing else can deliver a code.
    stop();
}

} // namespace ClientController
