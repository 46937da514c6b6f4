#pragma once

#include "RecordGroupHandler.h"

namespace DevServer {

// "telegramSettings": the ordinary record actions plus the account linking flow. Saving a phone
// number asks for a confirmation code ("srCode"); saving the code back links the account
// ("srLinked" with "isLink" true) when it is the accepted code. The state flags of the record
// ("isLink", "isLinking", "isNeedToConfirmCode", "isCodeChecking", "status") are the server's.
class TelegramSettingsHandler : public RecordGroupHandler {
public:
    TelegramSettingsHandler(RecordStore& store, const QString& acceptedCode);

protected:
    Outcome create(const Request& request) override;
    Outcome update(const Request& request) override;

private:
    // Turns the client's fields into the fields to store, given the stored record (empty for a new
    // one); `notice` receives "srCode" or "srLinked" when the flow moves on.
    QJsonObject applyFlow(const QJsonObject& stored, QJsonObject fields, QString* notice) const;
    Outcome finish(const Request& request, Outcome outcome, const QString& notice) const;

    QString _acceptedCode;
};

} // namespace DevServer
