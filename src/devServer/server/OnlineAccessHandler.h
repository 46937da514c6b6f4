#pragma once

#include "RecordGroupHandler.h"

namespace DevServer {

// "onlineAccessSettings": signing the server in to the online-access service and out again. A
// record saved with "login" and a password hash in "password" is signed in: it gets a new access
// key ("authKey"); the password itself is not kept. "signOut" true drops the key and the account.
class OnlineAccessHandler : public RecordGroupHandler {
public:
    explicit OnlineAccessHandler(RecordStore& store);

protected:
    Outcome create(const Request& request) override;
    Outcome update(const Request& request) override;

private:
    // The request with the fields to store in place of the client's sign-in fields, or the failure
    // text in `error`.
    static Request signInFields(const Request& request, QString* error);
    Outcome store(const Request& request, bool isNew);
};

} // namespace DevServer
