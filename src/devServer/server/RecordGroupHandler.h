#pragma once

#include "RequestHandler.h"

#include <QStringList>

namespace DevServer {

class RecordStore;

// The list and edit actions of the list groups: "trGetList", "trInfo", "trCreate", "trUpdate",
// "trRemove", "trDuplicate". Changes are pushed to every logged-in client as "srInserted" /
// "srUpdated".
class RecordGroupHandler : public RequestHandler {
public:
    RecordGroupHandler(RecordStore& store, const QStringList& groups);

    bool accepts(const Request& request) const override;
    Outcome handle(const Request& request) override;

    static QStringList listActions();
    // The record fields of a request: everything but "FN" and the "_" keys.
    static QJsonObject recordFields(const Request& request);
    // Upper bound of rows one list answer carries.
    static constexpr quint64 maxListRows = 100000;

protected:
    virtual Outcome getList(const Request& request);
    virtual Outcome info(const Request& request);
    virtual Outcome create(const Request& request);
    virtual Outcome update(const Request& request);
    virtual Outcome remove(const Request& request);
    virtual Outcome duplicate(const Request& request);

    // The answer carrying a record's fields, and the push that tells everybody about it.
    static KvoCore::DTO recordAnswer(const Request& request, const QJsonObject& record);
    static KvoCore::DTO badIdReply(const Request& request);
    static KvoCore::DTO goneReply(const Request& request, qint64 id);
    static KvoCore::DTO changeNotice(const QString& group, const QString& action, const QJsonObject& record);
    static bool readId(const Request& request, qint64* id);

    RecordStore& _store;

private:
    QStringList _groups;
};

} // namespace DevServer
