#pragma once

#include "kvoCore/SharedPointerEx.h"

#include <QObject>
#include <QString>
#include <QVariant>

namespace ClientBase {

class ClientNetworkSimple;

// What QML sees as "NET": mirrors the link's state and flags and forwards the QML layer's requests
// to the link through queued signals and the link's locked accessors. Lives in the GUI thread.
class ClientNetworkQMLProxyBase : public QObject {
    Q_OBJECT
    Q_PROPERTY(qlonglong isP2P READ isP2P NOTIFY isP2PChanged)
    Q_PROPERTY(qlonglong amountConnected READ amountConnected NOTIFY amountConnectedChanged)
    Q_PROPERTY(qlonglong amountAuthorizedConnections READ amountAuthorizedConnections WRITE
                   setAmountAuthorizedConnections NOTIFY amountAuthorizedConnectionsChanged)
    Q_PROPERTY(qlonglong isWrapMessageForP2P READ isWrapMessageForP2P WRITE setIsWrapMessageForP2P NOTIFY
                   isWrapMessageForP2PChanged)
    // The SHA-256 fingerprint of the server's certificate on the current (or refused) encrypted
    // connection; "" on a plain one.
    Q_PROPERTY(QString tlsFingerprint READ tlsFingerprint NOTIFY tlsChanged)
    // The server presented another certificate than the one trusted for it: not connected.
    Q_PROPERTY(bool tlsPinMismatch READ tlsPinMismatch NOTIFY tlsChanged)
    Q_PROPERTY(QString tlsPinnedFingerprint READ tlsPinnedFingerprint NOTIFY tlsChanged)
public:
    explicit ClientNetworkQMLProxyBase(const SharedPointerEx<ClientNetworkSimple>& link,
                                       QObject* parent = nullptr);

    // Throw "Pointer is null!" when the proxy holds no link.
    qlonglong isP2P() const;
    qlonglong amountConnected() const;
    qlonglong amountAuthorizedConnections() const;
    void setAmountAuthorizedConnections(qlonglong value);
    qlonglong isWrapMessageForP2P() const;
    void setIsWrapMessageForP2P(qlonglong value);

    Q_INVOKABLE void setParam(QString key, QVariant value);
    Q_INVOKABLE QVariant paramsValue(QString key);
    Q_INVOKABLE void setSign(QVariant value);
    Q_INVOKABLE void setPwd(QVariant value);
    Q_INVOKABLE QVariant sign();
    Q_INVOKABLE void makeConnection();
    Q_INVOKABLE void closeConnection();
    Q_INVOKABLE void setDefaultActionAfterConnected(QString value);
    Q_INVOKABLE QString defaultActionAfterConnected();
    // The user compared the refused certificate with the server's and trusts it: it becomes the
    // pin (tlsPinLearned) and the link connects again.
    Q_INVOKABLE void trustPresentedCertificate();

    QString tlsFingerprint() const { return m_tlsFingerprint; }
    bool tlsPinMismatch() const { return m_tlsPinMismatch; }
    QString tlsPinnedFingerprint() const { return m_tlsPinned; }

Q_SIGNALS:
    void connectionState(bool isConnected);
    void amountConnectedChanged(qlonglong amountConnected);
    void amountAuthorizedConnectionsChanged(qlonglong amountAuthorizedConnections);
    void isWrapMessageForP2PChanged(qlonglong amountAuthorizedConnections);
    void isP2PChanged(bool isP2P);
    void initFinished();
    void fireTrAuth();
    void fireTrSignUp();
    void tlsChanged();
    // A certificate to keep as trusted for `pinKey` ("<host>_<port>") in the settings.
    void tlsPinLearned(QString pinKey, QString fingerprint);

private:
    void forwardInitFinished();
    void setTlsState(const QString& pinKey, const QString& fingerprint, bool mismatch, const QString& pinned);

    SharedPointerEx<ClientNetworkSimple> m_link;
    bool m_initForwarded = false;
    QString m_tlsPinKey;
    QString m_tlsFingerprint;
    QString m_tlsPinned;
    bool m_tlsPinMismatch = false;
};

} // namespace ClientBase
