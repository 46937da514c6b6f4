#include "SharedLink.h"

#include "kvoClientController/network/ClientNetworkSimple.h"

namespace ClientBase {

std::mutex& SharedLink::lock() {
    static std::mutex mutex;
    return mutex;
}

SharedPointerEx<ClientNetworkSimple>& SharedLink::held() {
    static SharedPointerEx<ClientNetworkSimple> link;
    return link;
}

void SharedLink::set(const SharedPointerEx<ClientNetworkSimple>& link) {
    std::lock_guard<std::mutex> guard(lock());
    held() = link;
}

SharedPointerEx<ClientNetworkSimple> SharedLink::get() {
    std::lock_guard<std::mutex> guard(lock());
    return held();
}

} // namespace ClientBase
