#pragma once

#include "kvoClientController/network/HandleReceivedMessagesBase.h"

namespace DodEzoviviZudorOzerir {

// Message groups of the media server: each incoming record goes to the signal of its group.
class HandleRecievedMessages : public ClientBase::HandleReceivedMessagesBase {
    Q_OBJECT
public:
    using HandleReceivedMessagesBase::HandleReceivedMessagesBase;

Q_SIGNALS:
    void appMessage(QString action, SpDto dto);
    void userMessage(QString action, SpDto dto);
    void deviceMessage(QString action, SpDto dto);
    void deviceTypeMessage(QString action, SpDto dto);
    void deviceRecStateMessage(QString action, SpDto dto);
    void eventsMessage(QString action, SpDto dto);
    void searchDevicesMessage(QString action, SpDto dto);
    void youtubeSettingsMessage(QString action, SpDto dto);
    void telegramSettingsMessage(QString action, SpDto dto);
    void archiveMessage(QString action, SpDto dto);
    void archivePlayerMessage(QString action, SpDto dto);
    void onlineAccessSettingsMessage(QString action, SpDto dto);
    void devicePasswordMessage(QString action, SpDto dto);
    void moduleSystemMessage(QString action, SpDto dto);
    void authMessage(QString action, SpDto dto);
    void desktopLayoutMessage(QString action, SpDto dto);

protected:
    void handleMessage(const QString& group, const QString& action, const SpDto& dto) override;
};

} // namespace DodEzoviviZudorOzerir
