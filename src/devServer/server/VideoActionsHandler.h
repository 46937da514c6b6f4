#pragma once

#include "RequestHandler.h"

#include <functional>

namespace DevServer {

class LiveStreams;
class RecordStore;
class VlcEngine;

// The video actions of the "device" group ("trGetSDP", "trTest", "trRestartCamera") and the
// "archivePlayer" group. Answers that need the source opened first come later through `sendLater`.
class VideoActionsHandler : public RequestHandler {
public:
    using SendLater = std::function<void(quint64 session, const KvoCore::DTO& record)>;
    using GroupHandler = std::function<Outcome(const Request&)>;
    // Restarts everything that runs for a device (recording, detection) besides its live streams.
    using RestartDevice = std::function<void(const QJsonObject& device)>;

    // `archive` handles the "archivePlayer" group; without one those requests fail clearly.
    VideoActionsHandler(RecordStore& store, const VlcEngine& engine, LiveStreams& live, GroupHandler archive,
                        SendLater sendLater, RestartDevice restartDevice = nullptr);

    bool accepts(const Request& request) const override;
    Outcome handle(const Request& request) override;

    // Seconds a camera test may take.
    static constexpr int testTimeoutMs = 5000;

private:
    Outcome getSdp(const Request& request);
    Outcome test(const Request& request);
    Outcome restart(const Request& request);
    // The enabled device named by the request's "id"; throws with a clear text otherwise.
    QJsonObject device(const Request& request, const QString& idKey);

    RecordStore& _store;
    const VlcEngine& _engine;
    LiveStreams& _live;
    GroupHandler _archive;
    SendLater _sendLater;
    RestartDevice _restartDevice;
};

} // namespace DevServer
