#include "SearchDevicesHandler.h"

#include "RecordStore.h"

#include "ServerLog.h"

namespace DevServer {

SearchDevicesHandler::SearchDevicesHandler(RecordStore& store, const QJsonArray& cameras)
    : RecordGroupHandler(store, {QStringLiteral("searchDevices")}), _cameras(cameras) {}

bool SearchDevicesHandler::accepts(const Request& request) const {
    return request.group == QLatin1String("searchDevices") &&
           (request.action == QLatin1String("trSearch") || RecordGroupHandler::accepts(request));
}

Outcome SearchDevicesHandler::handle(const Request& request) {
    if (request.action == QLatin1String("trSearch")) {
        return search(request);
    }
    return RecordGroupHandler::handle(request);
}

qint64 SearchDevicesHandler::deviceTypeId(int typeCode) {
    const QJsonArray types =
        _store.list(QStringLiteral("deviceType"), RecordStore::whereEquals("code", typeCode));
    return types.isEmpty() ? 1 : types.first().toObject().value("id").toVariant().toLongLong();
}

Outcome SearchDevicesHandler::search(const Request& request) {
    Outcome outcome;
    outcome.replies.append(answer(request, true));

    // A new search replaces the results of the previous one.
    _store.clear(request.group);
    int num = 0;
    for (const QJsonValue& value : _cameras) {
        const QJsonObject camera = value.toObject();
        const QString source = camera.value("source").toString().trimmed();
        if (source.isEmpty()) {
            serverLog()->warn("Search camera without \"source\" in the settings skipped");
            continue;
        }
        const bool known =
            !_store.list(QStringLiteral("device"), RecordStore::whereEquals("source", source)).isEmpty();
        const QJsonObject fields{{"deviceName", camera.value("deviceName").toString()},
                                 {"source", source},
                                 {"rstIdDeviceType", deviceTypeId(camera.value("typeCode").toInt(2))},
                                 {"state", 0},
                                 {"num", ++num},
                                 {"isNew", !known}};
        _store.create(request.group, fields, request.userId);
    }
    // Read back so that joined fields ("typeCode") are filled in.
    const QJsonArray entries = _store.list(request.group, {}, QJsonObject{{"num", "ASC"}});
    KvoCore::DTO results =
        notice(request.group, QStringLiteral("srSearch"), QJsonObject{{"RES", true}, {"entries", entries}});
    if (request.dto.params.contains("_receiver")) {
        results.params.insert("_receiver", request.dto.params.value("_receiver"));
    }
    outcome.replies.append(results);
    return outcome;
}

} // namespace DevServer
