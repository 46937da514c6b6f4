#pragma once

#include "kvoCore/SharedPointerEx.h"

#include <mutex>

namespace ClientBase {

class ClientNetworkSimple;

// The one link through which every controller sends. Start-up sets it once (direct or P2P link);
// controllers read it with SharedLink::get() and emit its sendMessageSignal / sendListMessages.
class SharedLink {
public:
    static void set(const SharedPointerEx<ClientNetworkSimple>& link);
    // Null (dereferencing throws "Pointer is null!") until start-up has set it.
    static SharedPointerEx<ClientNetworkSimple> get();

private:
    static std::mutex& lock();
    static SharedPointerEx<ClientNetworkSimple>& held();
};

} // namespace ClientBase
