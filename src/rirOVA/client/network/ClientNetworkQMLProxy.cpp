#include "ClientNetworkQMLProxy.h"

namespace DodEzoviviZudorOzerir {

ClientNetworkQMLProxy::ClientNetworkQMLProxy(const SharedPointerEx<ClientBase::ClientNetworkSimple>& link,
                                             QObject* parent)
    : ClientNetworkQMLProxyBase(link, parent) {}

} // namespace DodEzoviviZudorOzerir
