#include "HandleRecievedMessages.h"

#include <utility>

namespace DodEzoviviZudorOzerir {

void HandleRecievedMessages::handleMessage(const QString& group, const QString& action, const SpDto& dto) {
    using Signal = void (HandleRecievedMessages::*)(QString, SpDto);
    // Compared in this order, exactly (case-sensitive); the first match wins.
    static const std::pair<QString, Signal> groups[] = {
        {QStringLiteral("device"), &HandleRecievedMessages::deviceMessage},
        {QStringLiteral("deviceRecState"), &HandleRecievedMessages::deviceRecStateMessage},
        {QStringLiteral("users"), &HandleRecievedMessages::userMessage},
        {QStringLiteral("events"), &HandleRecievedMessages::eventsMessage},
        {QStringLiteral("searchDevices"), &HandleRecievedMessages::searchDevicesMessage},
        {QStringLiteral("youtubeSettings"), &HandleRecievedMessages::youtubeSettingsMessage},
        {QStringLiteral("telegramSettings"), &HandleRecievedMessages::telegramSettingsMessage},
        {QStringLiteral("archive"), &HandleRecievedMessages::archiveMessage},
        {QStringLiteral("onlineAccessSettings"), &HandleRecievedMessages::onlineAccessSettingsMessage},
        {QStringLiteral("archivePlayer"), &HandleRecievedMessages::archivePlayerMessage},
        {QStringLiteral("devicePassword"), &HandleRecievedMessages::devicePasswordMessage},
        {QStringLiteral("moduleSystem"), &HandleRecievedMessages::moduleSystemMessage},
        {QStringLiteral("auth"), &HandleRecievedMessages::authMessage},
        {QStringLiteral("deviceType"), &HandleRecievedMessages::deviceTypeMessage},
        {QStringLiteral("app"), &HandleRecievedMessages::appMessage},
        {QStringLiteral("desktopLayout"), &HandleRecievedMessages::desktopLayoutMessage},
    };
    for (const auto& [name, signal] : groups) {
        if (group == name) {
            Q_EMIT(this->*signal)(action, dto);
            return;
        }
    }
}

} // namespace DodEzoviviZudorOzerir
