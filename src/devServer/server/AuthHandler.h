#pragma once

#include "RequestHandler.h"

namespace DevServer {

class RecordStore;

// "auth": log-in ("trAuth") and sign-up ("trSignup") against the users table. Passwords travel and
// are stored as their SHA-512 hash.
class AuthHandler : public RequestHandler {
public:
    explicit AuthHandler(RecordStore& store);

    bool accepts(const Request& request) const override;
    Outcome handle(const Request& request) override;

private:
    Outcome logIn(const Request& request);
    Outcome signUp(const Request& request);
    KvoCore::DTO refused(const Request& request, const QString& error) const;

    RecordStore& _store;
};

} // namespace DevServer
