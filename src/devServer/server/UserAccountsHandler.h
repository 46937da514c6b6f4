#pragma once

#include "RecordGroupHandler.h"

namespace DevServer {

// "users": the ordinary record actions, plus what an editor of accounts needs beyond them:
// blocking and unblocking ("blocked") and a new password hash ("pwd"), which the plain record
// update leaves alone. The account a session is logged in with can be neither blocked nor removed.
class UserAccountsHandler : public RecordGroupHandler {
public:
    explicit UserAccountsHandler(RecordStore& store);

protected:
    Outcome update(const Request& request) override;

private:
    // Writes "blocked" and "pwd" of an existing account; false when it has gone.
    bool writeGuarded(qint64 id, const QJsonValue& blocked, const QJsonValue& pwd);
};

} // namespace DevServer
