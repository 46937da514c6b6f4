#include "KvoClientNetworkSimple.h"

namespace DodEzoviviZudorOzerir {

KvoClientNetworkSimple::KvoClientNetworkSimple() {
    m_pingInterval = 20;
    m_pongTimeout = 18;
}

KvoClientNetworkSimple::~KvoClientNetworkSimple() {
    stopThread();
}

void KvoClientNetworkSimple::run() {
    runLoop("DodEzoviviZudorOzerir::KvoClientNetworkSimple::run");
}

void KvoClientNetworkSimple::sendPing() {
    if (usePing()) {
        ClientNetworkBase::sendPing();
    }
}

} // namespace DodEzoviviZudorOzerir
