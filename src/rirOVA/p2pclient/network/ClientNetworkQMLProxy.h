#pragma once

#include "kvoClientController/network/ClientNetworkQMLProxyBase.h"

namespace DodEzoviviZudorOzerirP2P {

// "NET" in QML when the P2P link is the active one.
class ClientNetworkQMLProxy : public ClientBase::ClientNetworkQMLProxyBase {
    Q_OBJECT
public:
    explicit ClientNetworkQMLProxy(const SharedPointerEx<ClientBase::ClientNetworkSimple>& link,
                                   QObject* parent = nullptr);
};

} // namespace DodEzoviviZudorOzerirP2P
