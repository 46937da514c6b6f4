#include "SessionGate.h"

#include "kvoClientController/network/ClientNetworkSimple.h"

namespace ClientController {

SessionGate& SessionGate::instance() {
    static SessionGate gate;
    return gate;
}

void SessionGate::logIn() {
    // Every auth controller hears the same answer; the session starts once.
    if (_loggedIn) {
        return;
    }
    _loggedIn = true;
    ++_session;
    Q_EMIT loggedIn();
}

void SessionGate::logOut() {
    _loggedIn = false;
}

void SessionGate::watch(ClientBase::ClientNetworkSimple* link) {
    if (!link || _watched == link) {
        return;
    }
    if (_watched) {
        disconnect(_watched, nullptr, this, nullptr);
    }
    _watched = link;
    // The link emits from its own thread; the state change is taken over in the GUI thread.
    connect(link, &ClientBase::ClientNetworkSimple::connectionState, this, &SessionGate::onConnectionState,
            Qt::QueuedConnection);
}

void SessionGate::onConnectionState(bool isConnected) {
    if (!isConnected) {
        logOut();
    }
}

} // namespace ClientController
