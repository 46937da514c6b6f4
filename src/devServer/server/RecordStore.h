#pragma once

#include "kvoCore/SharedPointerEx.h"
#include "kvoModel/model/ModelBase.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace KvoCore {
class DBSimple;
}

namespace DevServer {

// The records of every list group, kept through the model library. Operations throw
// std::runtime_error with a readable text on bad input or a failed statement; "record gone" is an
// empty optional / false.
class RecordStore {
public:
    explicit RecordStore(KvoCore::DBSimple* db);

    // The list groups of the client, each with its entity model.
    static QStringList groups();
    // A new, empty model of the group's entity; throws for an unknown group.
    static SharedPointerEx<KvoModel::ModelBase> createModel(const QString& group);

    // "where" is checked before any SQL is built; "orderBy" maps fields to "ASC"/"DESC".
    QJsonArray list(const QString& group, const QJsonArray& where = {}, const QJsonObject& orderBy = {},
                    quint64 limit = 0);
    std::optional<QJsonObject> info(const QString& group, qint64 id);
    // Fields the server owns ("id", time stamps, joined and transient fields) are ignored; an
    // owner-bound record belongs to ownerId.
    QJsonObject create(const QString& group, const QJsonObject& fields, qint64 ownerId);
    std::optional<QJsonObject> update(const QString& group, qint64 id, const QJsonObject& fields);
    bool remove(const QString& group, qint64 id);
    std::optional<QJsonObject> duplicate(const QString& group, qint64 id, qint64 ownerId);
    // Removes every record but the placeholder row.
    void clear(const QString& group);

    // The user with this sign, with its password hash under "pwd"; empty when there is none.
    std::optional<QJsonObject> userBySign(const QString& sign);

    KvoCore::DBSimple* db() const { return _db; }

    // A password as it is stored and sent: its SHA-512 as 128 hexadecimal digits.
    static bool isPasswordHash(const QString& text);

    static QJsonArray whereEquals(const QString& role, const QJsonValue& value);

private:
    static QJsonObject publicFields(const KvoModel::ModelBase& model);
    // The record as JSON, booleans as true/false whatever the database returned.
    static QJsonObject fieldsOf(const KvoModel::ModelBase& model, bool withPrivate);
    static void assignClientFields(KvoModel::ModelBase& model, const QJsonObject& fields);
    static void checkOrderBy(const KvoModel::ModelBase& model, const QJsonObject& orderBy);
    static void checkId(qint64 id);

    KvoCore::DBSimple* _db;
};

} // namespace DevServer
