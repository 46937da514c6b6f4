#include "ClientNetworkQMLProxyBase.h"

#include "kvoClientController/network/ClientNetworkSimple.h"

namespace ClientBase {

ClientNetworkQMLProxyBase::ClientNetworkQMLProxyBase(const SharedPointerEx<ClientNetworkSimple>& link,
                                                     QObject* parent)
    : QObject(parent), m_link(link) {
    if (m_link.isNull()) {
        return;
    }
    ClientNetworkSimple* source = m_link.data();
    // The proxy is the context of every connection, so delivery is queued into the GUI thread.
    connect(source, &ClientNetworkSimple::connectionState, this, &ClientNetworkQMLProxyBase::connectionState);
    connect(source, &ClientNetworkSimple::isP2PChanged, this, &ClientNetworkQMLProxyBase::isP2PChanged);
    connect(source, &ClientNetworkSimple::amountConnectedChanged, this,
            &ClientNetworkQMLProxyBase::amountConnectedChanged);
    connect(source, &ClientNetworkSimple::amountAuthorizedConnectionsChanged, this,
            &ClientNetworkQMLProxyBase::amountAuthorizedConnectionsChanged);
    connect(source, &ClientNetworkSimple::isWrapMessageForP2PChanged, this,
            &ClientNetworkQMLProxyBase::isWrapMessageForP2PChanged);
    connect(source, &ClientNetworkSimple::initFinished, this,
            &ClientNetworkQMLProxyBase::forwardInitFinished);
    connect(source, &ClientNetworkSimple::fireTrAuth, this, &ClientNetworkQMLProxyBase::fireTrAuth);
    connect(source, &ClientNetworkSimple::fireTrSignUp, this, &ClientNetworkQMLProxyBase::fireTrSignUp);
    connect(source, &ClientNetworkBase::tlsFingerprint, this,
            [this](const QString& pinKey, const QString& fingerprint) {
                setTlsState(pinKey, fingerprint, false, QString());
            });
    connect(source, &ClientNetworkBase::tlsPinMismatch, this,
            [this](const QString& pinKey, const QString& pinned, const QString& presented) {
                setTlsState(pinKey, presented, true, pinned);
            });
    connect(source, &ClientNetworkBase::tlsPinLearned, this, &ClientNetworkQMLProxyBase::tlsPinLearned);
    // The link thread is started before the proxy exists and may have announced itself already;
    // then announce it here, queued, so that QML loaded meanwhile still hears it. forwardInitFinished
    // passes it on once whichever way comes first.
    if (source->isInitFinished()) {
        QMetaObject::invokeMethod(this, &ClientNetworkQMLProxyBase::forwardInitFinished,
                                  Qt::QueuedConnection);
    }
}

void ClientNetworkQMLProxyBase::setTlsState(const QString& pinKey, const QString& fingerprint, bool mismatch,
                                            const QString& pinned) {
    m_tlsPinKey = pinKey;
    m_tlsFingerprint = fingerprint;
    m_tlsPinMismatch = mismatch;
    m_tlsPinned = pinned;
    Q_EMIT tlsChanged();
}

void ClientNetworkQMLProxyBase::trustPresentedCertificate() {
    if (!m_tlsPinMismatch || m_tlsFingerprint.isEmpty()) {
        return;
    }
    const QString pinKey = m_tlsPinKey;
    const QString fingerprint = m_tlsFingerprint;
    m_link->setParam(QStringLiteral("tlsPin"), fingerprint);
    setTlsState(pinKey, fingerprint, false, QString());
    Q_EMIT tlsPinLearned(pinKey, fingerprint);
    makeConnection();
}

void ClientNetworkQMLProxyBase::forwardInitFinished() {
    if (m_initForwarded) {
        return;
    }
    m_initForwarded = true;
    Q_EMIT initFinished();
}

qlonglong ClientNetworkQMLProxyBase::isP2P() const {
    return m_link->isP2P() ? 1 : 0;
}

qlonglong ClientNetworkQMLProxyBase::amountConnected() const {
    return m_link->amountConnected();
}

qlonglong ClientNetworkQMLProxyBase::amountAuthorizedConnections() const {
    return m_link->amountAuthorizedConnections();
}

void ClientNetworkQMLProxyBase::setAmountAuthorizedConnections(qlonglong value) {
    m_link->setAmountAuthorizedConnections(value);
}

qlonglong ClientNetworkQMLProxyBase::isWrapMessageForP2P() const {
    return m_link->isWrapMessageForP2P() ? 1 : 0;
}

void ClientNetworkQMLProxyBase::setIsWrapMessageForP2P(qlonglong value) {
    m_link->setIsWrapMessageForP2P(value != 0);
}

void ClientNetworkQMLProxyBase::setParam(QString key, QVariant value) {
    m_link->setParam(key, value);
}

QVariant ClientNetworkQMLProxyBase::paramsValue(QString key) {
    return m_link->param(key);
}

void ClientNetworkQMLProxyBase::setSign(QVariant value) {
    m_link->setSign(value);
}

void ClientNetworkQMLProxyBase::setPwd(QVariant value) {
    m_link->setPwd(value);
}

QVariant ClientNetworkQMLProxyBase::sign() {
    return m_link->sign();
}

void ClientNetworkQMLProxyBase::makeConnection() {
    Q_EMIT m_link->makeConnection();
}

void ClientNetworkQMLProxyBase::closeConnection() {
    Q_EMIT m_link->closeConnectionSignal();
}

void ClientNetworkQMLProxyBase::setDefaultActionAfterConnected(QString value) {
    m_link->setDefaultActionAfterConnected(value);
}

QString ClientNetworkQMLProxyBase::defaultActionAfterConnected() {
    return m_link->defaultActionAfterConnected();
}

} // namespace ClientBase
