#pragma once

#include "RecordGroupHandler.h"

namespace DevServer {

// "desktopLayout": the saved desktop layouts. Each user sees and changes only the own records; the
// change notices carry only the id, so that other users learn nothing of a layout but that a list
// changed. A layout needs a name unique among the user's layouts and "tiles" as a JSON array text.
class DesktopLayoutHandler : public RecordGroupHandler {
public:
    explicit DesktopLayoutHandler(RecordStore& store);

    static QString group() { return QStringLiteral("desktopLayout"); }

    Outcome handle(const Request& request) override;

protected:
    Outcome getList(const Request& request) override;

private:
    // The user's own record with this id, or nothing (missing or another user's).
    std::optional<QJsonObject> ownRecord(const Request& request, qint64 id) const;
    // An error text for bad fields, empty when they may be stored; `selfId` is the record being
    // changed (0 for a new one).
    QString checkFields(const Request& request, const QJsonObject& fields, qint64 selfId) const;
};

} // namespace DevServer
