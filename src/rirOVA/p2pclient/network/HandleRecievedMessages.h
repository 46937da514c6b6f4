#pragma once

#include "kvoClientController/network/HandleReceivedMessagesBase.h"

namespace DodEzoviviZudorOzerirP2P {

// Message groups of the P2P server: each incoming record goes to the signal of its group.
class HandleRecievedMessages : public ClientBase::HandleReceivedMessagesBase {
    Q_OBJECT
public:
    using HandleReceivedMessagesBase::HandleReceivedMessagesBase;

Q_SIGNALS:
    void userMessage(QString action, SpDto dto);
    void authMessage(QString action, SpDto dto);

protected:
    void handleMessage(const QString& group, const QString& action, const SpDto& dto) override;
};

} // namespace DodEzoviviZudorOzerirP2P
