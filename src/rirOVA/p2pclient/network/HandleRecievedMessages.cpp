#include "HandleRecievedMessages.h"

#include <utility>

namespace DodEzoviviZudorOzerirP2P {

void HandleRecievedMessages::handleMessage(const QString& group, const QString& action, const SpDto& dto) {
    using Signal = void (HandleRecievedMessages::*)(QString, SpDto);
    // Compared in this order, exactly (case-sensitive); the first match wins.
    static const std::pair<QString, Signal> groups[] = {
        {QStringLiteral("users"), &HandleRecievedMessages::userMessage},
        {QStringLiteral("auth"), &HandleRecievedMessages::authMessage},
    };
    for (const auto& [name, signal] : groups) {
        if (group == name) {
            Q_EMIT(this->*signal)(action, dto);
            return;
        }
    }
}

} // namespace DodEzoviviZudorOzerirP2P
