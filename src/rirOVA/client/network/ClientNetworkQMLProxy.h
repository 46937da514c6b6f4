#pragma once

#include "kvoClientController/network/ClientNetworkQMLProxyBase.h"

namespace DodEzoviviZudorOzerir {

// "NET" in QML when the direct link is the active one.
class ClientNetworkQMLProxy : public ClientBase::ClientNetworkQMLProxyBase {
    Q_OBJECT
public:
    explicit ClientNetworkQMLProxy(const SharedPointerEx<ClientBase::ClientNetworkSimple>& link,
                                   QObject* parent = nullptr);
};

} // namespace DodEzoviviZudorOzerir
