#pragma once

#include "FeatureListController.h"

namespace ClientController {

// The cameras of the server (group "device"), one list for the whole process. Also writes the
// stream descriptions of the live tiles and asks the server for them with a local RTP port pair.
class DeviceController : public FeatureListController {
    Q_OBJECT
public:
    explicit DeviceController(QQuickItem* parent = nullptr);
    ~DeviceController() override;

    // Directory of the live tiles' stream descriptions, relative to the working directory.
    static QString tileSdpDir();

    // Writes entry "sdpContent" to "<tileSdpDir>/<id>.sdp"; the path, or empty when there is nothing
    // to write or the file cannot be written.
    Q_INVOKABLE QString createSDPFile(const QJsonObject& entry);
    Q_INVOKABLE void trInitP2PChannel(const QJsonObject& mapParams);
    Q_INVOKABLE void trRestartCamera(const QJsonObject& mapParams);
    // Adds "rtpVideoPort" (even) and "rtcpVideoPort" (the next port) and sends "trGetSDP"; sends
    // nothing, with an error in the log, when no such pair can be bound.
    Q_INVOKABLE void trGetSDP(const QJsonObject& mapParams = QJsonObject());
    // Sends "trTest"; with "preview" true it first adds a local RTP port pair as trGetSDP does, so
    // that the server streams the tested source to this client.
    Q_INVOKABLE void trTest(const QJsonObject& mapParams = QJsonObject());

Q_SIGNALS:
    void saGetSDP(QJsonObject mapParams);
    void saTest(QJsonObject mapParams);
    void srObjectsDetected(QJsonObject mapParams);
    // The bit rates of this client's live streams as the server sends them: "entries" of
    // {"id", "bitrate" (bit/s)}.
    void srStreamStats(QJsonObject mapParams);

protected:
    // Adds a free local "rtpVideoPort"/"rtcpVideoPort" pair and sends; false when none is free.
    bool sendWithRtpPorts(const QString& action, const QJsonObject& mapParams);
    bool handleMessage(const QString& actionName, const SpDto& mapParams) override;
};

} // namespace ClientController
