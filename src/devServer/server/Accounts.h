#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace KvoCore {
class DBSimple;
}

namespace DevServer {

// The user accounts as far as rights are concerned: who is an administrator, whose password is
// still empty, blocking, new password hashes, and handing what an account owns to another one.
// Administrators are the accounts of the group "Administrators"; every other account is an operator.
class Accounts {
public:
    static const QString adminRole;
    static const QString operatorRole;

    explicit Accounts(KvoCore::DBSimple* db);

    // Finds or makes the administrators' group, and when nobody is in it puts the account "admin" there.
    void prepare();
    qint64 adminGroupId() const { return _adminGroupId; }

    // The account with its group, "blocked" and "pwd" (the hash); empty when there is none.
    std::optional<QJsonObject> byId(qint64 id) const;
    std::optional<QJsonObject> bySign(const QString& sign) const;
    QString roleOf(const QJsonObject& account) const;
    static bool hasEmptyPassword(const QJsonObject& account);
    // Administrators that are not blocked.
    int activeAdministrators() const;
    // Signs of the unblocked administrators whose password is empty (they may log in on loopback).
    QStringList administratorsWithoutPassword() const;

    void setBlocked(qint64 id, bool blocked);
    void setPasswordHash(qint64 id, const QString& hash);
    static bool isPasswordHash(const QString& text);

    // Gives every record `from` owns to `to`, in one transaction; per-user settings records that `to`
    // already has are left with `from` (they go with the account). Returns the groups whose records
    // changed owner.
    QStringList handOver(qint64 from, qint64 to);

private:
    std::optional<QJsonObject> findOne(const QString& column, const QVariant& value) const;

    KvoCore::DBSimple* _db;
    qint64 _adminGroupId = -1;
};

} // namespace DevServer
