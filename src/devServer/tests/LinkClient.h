#pragma once

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QVariant>
#include <memory>

namespace DodEzoviviZudorOzerir {
class KvoClientNetworkSimple;
}

// A client of the server through the program's own link classes: the link thread, its framing and
// its message handler. Keeps every record that arrives.
class LinkClient : public QObject {
    Q_OBJECT
public:
    LinkClient();
    ~LinkClient() override;

    // A parameter of the link ("tls", "tlsPin", ...), set before connectTo.
    void setParam(const QString& key, const QVariant& value);
    DodEzoviviZudorOzerir::KvoClientNetworkSimple& link() { return *_link; }
    // False on time-out, or at once when the server's certificate is refused.
    bool connectTo(quint16 port, int msecs = 10000);
    bool certificateRefused() const { return _refused; }
    void send(const QJsonObject& record);
    // Sends and waits for the answer whose "FN" is `answerFn`; empty object on time-out.
    QJsonObject request(const QJsonObject& record, const QString& answerFn, int msecs = 10000);
    // The first record with this "FN" not taken yet, waiting at most `msecs`; empty on time-out.
    QJsonObject waitFor(const QString& fn, int msecs = 10000);
    // The first record whose "FN" is any of `fns`.
    QJsonObject waitForAny(const QStringList& fns, int msecs = 10000);
    // Every record with this "FN" that arrived so far (taken or not).
    QList<QJsonObject> received(const QString& fn) const;
    bool logIn(const QString& sign, const QString& pwdHash);
    bool isConnected() const;

private:
    std::unique_ptr<DodEzoviviZudorOzerir::KvoClientNetworkSimple> _link;
    QList<QJsonObject> _all;
    QList<QJsonObject> _pending;
    bool _connected = false;
    bool _refused = false;
};
