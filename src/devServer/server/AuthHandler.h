#pragma once

#include "RequestHandler.h"

#include <QElapsedTimer>
#include <QHash>

namespace DevServer {

class Accounts;
class RecordStore;

// "auth": log-in ("trAuth") and sign-up ("trSignup") against the users table. Passwords travel and
// are stored as their SHA-512 hash. Failed log-ins slow an address down; accounts whose password is
// still empty log in only as an administrator on the server's own machine.
class AuthHandler : public RequestHandler {
public:
    struct Options {
        bool allowSignup = false;
        int freeFailures = 4;    // failures of an address answered at once
        int maxDelaySec = 30;    // longest wait after repeated failures
        int firstDelayMs = 1000; // wait after the first failure past the free ones; doubles after
    };

    AuthHandler(RecordStore& store, Accounts& accounts, const Options& options);

    bool accepts(const Request& request) const override;
    Outcome handle(const Request& request) override;

    static bool isLoopback(const QString& address);

private:
    struct Failures {
        int count = 0;
        qint64 blockedUntilMs = 0;
    };

    Outcome logIn(const Request& request);
    Outcome signUp(const Request& request);
    KvoCore::DTO refused(const Request& request, const QString& error) const;
    void noteFailure(const QString& address);
    qint64 nowMs() const { return _clock.elapsed(); }

    RecordStore& _store;
    Accounts& _accounts;
    Options _options;
    QHash<QString, Failures> _failures;
    QElapsedTimer _clock;
};

} // namespace DevServer
