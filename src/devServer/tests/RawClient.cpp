#include "RawClient.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSslSocket>

using ClientBase::MessageFraming;

bool RawClient::connectTo(quint16 port, int msecs) {
    _socket->connectToHost(QStringLiteral("127.0.0.1"), port);
    return _socket->waitForConnected(msecs);
}

bool RawClient::connectEncrypted(quint16 port, int msecs) {
    auto tls = std::make_unique<QSslSocket>();
    tls->setPeerVerifyMode(QSslSocket::VerifyNone);
    tls->connectToHostEncrypted(QStringLiteral("127.0.0.1"), port);
    const bool encrypted = tls->waitForEncrypted(msecs);
    _socket = std::move(tls);
    return encrypted;
}

void RawClient::sendBytes(const QByteArray& bytes, int msecs) {
    _socket->write(bytes);
    // No event loop runs here: hand the bytes to the kernel now, as far as the peer takes them.
    QElapsedTimer clock;
    clock.start();
    while (_socket->bytesToWrite() > 0 && clock.elapsed() < msecs && _socket->waitForBytesWritten(100)) {
    }
}

QByteArray RawClient::frame(const QList<QJsonObject>& records) {
    QJsonArray array;
    for (const QJsonObject& record : records) {
        array.append(record);
    }
    return MessageFraming::frame(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

void RawClient::send(const QList<QJsonObject>& records) {
    sendBytes(frame(records));
}

QList<QJsonObject> RawClient::takeRecords() {
    QList<QJsonObject> records;
    QByteArray frame;
    while (_framing.next(&frame) == MessageFraming::Next::Frame) {
        QByteArray payload;
        if (MessageFraming::inflate(frame, &payload) == MessageFraming::Inflate::Ok) {
            records += MessageFraming::parse(payload).records;
        }
    }
    return records;
}

QJsonObject RawClient::read(const QString& fn, int msecs) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        _unread += takeRecords();
        for (int i = 0; i < _unread.size(); ++i) {
            if (_unread[i].value(QStringLiteral("FN")).toString() == fn) {
                return _unread.takeAt(i);
            }
        }
        if (clock.elapsed() >= msecs || !isConnected()) {
            return {};
        }
        _socket->waitForReadyRead(50);
        _framing.append(_socket->readAll());
    }
}

QList<QJsonObject> RawClient::readAll(int msecs) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < msecs && isConnected()) {
        _socket->waitForReadyRead(50);
        _framing.append(_socket->readAll());
    }
    _unread += takeRecords();
    QList<QJsonObject> all;
    all.swap(_unread);
    return all;
}

QJsonObject RawClient::logIn(const QString& sign, const QString& pwdHash) {
    send(QJsonObject{{"FN", "auth_trAuth"}, {"sign", sign}, {"pwd", pwdHash}});
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000 && isConnected()) {
        for (const QString& fn : {QStringLiteral("auth_saAuth"), QStringLiteral("auth_saFailed")}) {
            const QJsonObject answer = read(fn, 25);
            if (!answer.isEmpty()) {
                return answer;
            }
        }
    }
    return {};
}

bool RawClient::loggedIn(const QJsonObject& answer) {
    return answer.value(QStringLiteral("FN")).toString() == QLatin1String("auth_saAuth") &&
           answer.value(QStringLiteral("RES")).toBool();
}

bool RawClient::waitForDrop(int msecs) {
    QElapsedTimer clock;
    clock.start();
    while (isConnected() && clock.elapsed() < msecs) {
        _socket->waitForReadyRead(100);
        _framing.append(_socket->readAll());
    }
    return !isConnected();
}
