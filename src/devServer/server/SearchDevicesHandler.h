#pragma once

#include "RecordGroupHandler.h"

#include <QJsonArray>

namespace DevServer {

// "searchDevices": the record actions plus "trSearch". The search never leaves this machine: it
// "finds" the cameras listed in the server's settings, stores them as the search results and
// pushes them with "srSearch" after the "saSearch" answer.
class SearchDevicesHandler : public RecordGroupHandler {
public:
    SearchDevicesHandler(RecordStore& store, const QJsonArray& cameras);

    bool accepts(const Request& request) const override;
    Outcome handle(const Request& request) override;

private:
    Outcome search(const Request& request);
    qint64 deviceTypeId(int typeCode);

    QJsonArray _cameras;
};

} // namespace DevServer
