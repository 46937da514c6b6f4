#include "LinkClient.h"

#include "kvoCore/Utils.h"
#include "rirOVA/client/network/HandleRecievedMessages.h"
#include "rirOVA/client/network/KvoClientNetworkSimple.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

LinkClient::LinkClient() : _link(std::make_unique<DodEzoviviZudorOzerir::KvoClientNetworkSimple>()) {
    _link->setHandleReceivedMessages(std::make_shared<DodEzoviviZudorOzerir::HandleRecievedMessages>());
    // The log-in is sent by the tests themselves.
    _link->setDefaultActionAfterConnected(QString());
    connect(
        _link.get(), &ClientBase::ClientNetworkSimple::messageReceived, this,
        [this](SpDto dto) {
            if (dto) {
                _all.append(dto->params);
                _pending.append(dto->params);
            }
        },
        Qt::QueuedConnection);
    connect(
        _link.get(), &ClientNetworkBase::connectionState, this,
        [this](bool connected) { _connected = connected; }, Qt::QueuedConnection);
    connect(
        _link.get(), &ClientNetworkBase::tlsPinMismatch, this, [this]() { _refused = true; },
        Qt::QueuedConnection);
}

void LinkClient::setParam(const QString& key, const QVariant& value) {
    _link->setParam(key, value);
}

LinkClient::~LinkClient() {
    emit _link->closeConnectionSignal();
    _link->quit();
    _link->wait();
}

bool LinkClient::isConnected() const {
    return _connected;
}

bool LinkClient::connectTo(quint16 port, int msecs) {
    _link->setParam(QStringLiteral("host"), QStringLiteral("127.0.0.1"));
    _link->setParam(QStringLiteral("port"), port);
    _link->start();
    QElapsedTimer clock;
    clock.start();
    while (!_link->isInitFinished() && clock.elapsed() < msecs) {
        QThread::msleep(5);
    }
    emit _link->makeConnection();
    while (!_connected && !_refused && clock.elapsed() < msecs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return _connected;
}

void LinkClient::send(const QJsonObject& record) {
    emit _link->sendMessageSignal(std::make_shared<KvoCore::DTO>(record));
}

QJsonObject LinkClient::waitFor(const QString& fn, int msecs) {
    return waitForAny({fn}, msecs);
}

QJsonObject LinkClient::waitForAny(const QStringList& fns, int msecs) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        for (int i = 0; i < _pending.size(); ++i) {
            if (fns.contains(_pending[i].value(QStringLiteral("FN")).toString())) {
                return _pending.takeAt(i);
            }
        }
        if (clock.elapsed() >= msecs) {
            return {};
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

QList<QJsonObject> LinkClient::received(const QString& fn) const {
    QList<QJsonObject> result;
    for (const QJsonObject& record : _all) {
        if (record.value(QStringLiteral("FN")).toString() == fn) {
            result.append(record);
        }
    }
    return result;
}

QJsonObject LinkClient::request(const QJsonObject& record, const QString& answerFn, int msecs) {
    send(record);
    return waitFor(answerFn, msecs);
}

bool LinkClient::logIn(const QString& sign, const QString& pwdHash) {
    send(QJsonObject{{"FN", "auth_trAuth"}, {"_receiver", "1"}, {"sign", sign}, {"pwd", pwdHash}});
    const QJsonObject answer = waitForAny({"auth_saAuth", "auth_saFailed"});
    return answer.value(QStringLiteral("FN")).toString() == QLatin1String("auth_saAuth") &&
           answer.value(QStringLiteral("RES")).toBool();
}
