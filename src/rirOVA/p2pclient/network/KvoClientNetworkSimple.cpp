#include "KvoClientNetworkSimple.h"

namespace DodEzoviviZudorOzerirP2P {

KvoClientNetworkSimple::KvoClientNetworkSimple() {
    m_pingInterval = 20;
    m_pongTimeout = 18;
}

KvoClientNetworkSimple::~KvoClientNetworkSimple() {
    stopThread();
}

void KvoClientNetworkSimple::run() {
    runLoop("DodEzoviviZudorOzerirP2P::KvoClientNetworkSimple::run");
}

void KvoClientNetworkSimple::sendPing() {
    if (usePing()) {
        ClientNetworkBase::sendPing();
    }
}

void KvoClientNetworkSimple::sendMessageSlot(SpDto dto, bool blockTrhead, bool isWrapMessageForP2P) {
    if (!isWrapMessageForP2P) {
        ClientNetworkSimple::sendMessageSlot(dto, blockTrhead, false);
    }
    resetWrapMessageForP2P();
}

void KvoClientNetworkSimple::sendListMessagesSlot(QList<SpDto> lstDto, bool blockThread) {
    Q_UNUSED(lstDto);
    Q_UNUSED(blockThread);
}

} // namespace DodEzoviviZudorOzerirP2P
