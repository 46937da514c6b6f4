#pragma once

#include "Outcome.h"
#include "Request.h"
#include "kvoCore/LogBudget.h"

#include <QString>
#include <optional>

namespace DevServer {

class Accounts;
class RecordStore;

// What a logged-in account may do, decided in one place before any handler runs. Administrators may
// do everything; operators watch live video and the archive and edit only their own account and
// settings records. Account changes that the model library would not store (blocking, a new password
// hash) and the rules that keep the server manageable (the last administrator stays, what a removed
// account owns goes to the remover) are also kept here.
class AccessPolicy {
public:
    AccessPolicy(RecordStore& store, Accounts& accounts);

    static const QString notAllowed;

    // Empty when the request may go on (it may have been narrowed: fields an operator may not set are
    // dropped); otherwise the reason to refuse it. Work done ahead of the handler (records handed
    // over before an account goes) adds its notices to `outcome`.
    std::optional<QString> check(Request& request, Outcome& outcome);
    // After the handler answered: stores what the handler could not and makes the answer say so.
    void complete(const Request& request, Outcome& outcome);
    // True when the request may have changed who may log in or with which rights.
    static bool changesAccounts(const Request& request);

    // Groups whose records belong to one user and are shown to operators only when they own them.
    static bool isOwnerScoped(const QString& group);

private:
    std::optional<QString> checkOperator(Request& request);
    std::optional<QString> checkAccountChange(Request& request, Outcome& outcome);
    bool ownsRecord(const Request& request) const;
    // An address sent back with its password masked keeps the stored password.
    void keepMaskedPassword(Request& request);

    RecordStore& _store;
    Accounts& _accounts;
    KvoCore::LogBudget _refusalLog{20, 1000};
};

} // namespace DevServer
