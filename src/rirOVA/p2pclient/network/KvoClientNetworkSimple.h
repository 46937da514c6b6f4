#pragma once

#include "kvoClientController/network/ClientNetworkSimple.h"

namespace DodEzoviviZudorOzerirP2P {

// The link to the P2P server; its thread runs the socket, the framing and the message handler.
class KvoClientNetworkSimple : public ClientBase::ClientNetworkSimple {
    Q_OBJECT
public:
    KvoClientNetworkSimple();
    ~KvoClientNetworkSimple() override;

protected:
    void run() override;

protected Q_SLOTS:
    void sendPing() override;

protected Q_SLOTS:
    // Only unwrapped records go out; the wrap flag is cleared silently after every send.
    void sendMessageSlot(SpDto dto, bool blockTrhead = false, bool isWrapMessageForP2P = false) override;
    // The P2P server takes no lists: they are discarded.
    void sendListMessagesSlot(QList<SpDto> lstDto, bool blockThread = false) override;
};

} // namespace DodEzoviviZudorOzerirP2P
