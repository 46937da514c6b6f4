#include "ClientNetworkQMLProxy.h"

namespace DodEzoviviZudorOzerirP2P {

ClientNetworkQMLProxy::ClientNetworkQMLProxy(const SharedPointerEx<ClientBase::ClientNetworkSimple>& link,
                                             QObject* parent)
    : ClientNetworkQMLProxyBase(link, parent) {}

} // namespace DodEzoviviZudorOzerirP2P
