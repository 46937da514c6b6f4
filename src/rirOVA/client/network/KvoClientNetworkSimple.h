#pragma once

#include "kvoClientController/network/ClientNetworkSimple.h"

namespace DodEzoviviZudorOzerir {

// The link to the media server; its thread runs the socket, the framing and the message handler.
class KvoClientNetworkSimple : public ClientBase::ClientNetworkSimple {
    Q_OBJECT
public:
    KvoClientNetworkSimple();
    ~KvoClientNetworkSimple() override;

protected:
    void run() override;

protected Q_SLOTS:
    void sendPing() override;
};

} // namespace DodEzoviviZudorOzerir
