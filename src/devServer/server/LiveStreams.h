#pragma once

#include "VlcEngine.h"
#include "VlcStream.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <deque>
#include <map>
#include <memory>
#include <utility>

namespace DevServer {

// The live RTP streams of the devices, one per (client session, device): the device's source sent
// as MPEG-TS over RTP to the client's address and port, described by an SDP the client opens.
class LiveStreams : public QObject {
    Q_OBJECT
public:
    explicit LiveStreams(const VlcEngine& engine, QObject* parent = nullptr);
    ~LiveStreams() override;

    // The stream key of a session's camera preview (a source being edited, not a stored device).
    static constexpr qint64 previewId = 0;
    // How often a client hears the bit rates of its live streams.
    static constexpr int rateIntervalMs = 2000;
    // The span a bit rate is taken over: one interval swings with each key frame.
    static constexpr int rateWindowMs = 4000;

    // Starts (or restarts with new ports) the stream of `device` to host:rtpPort; returns the SDP.
    // Throws std::runtime_error with a readable text when the source or address cannot be used.
    QString start(quint64 session, const QJsonObject& device, const QString& host, quint16 rtpPort);
    // Restarts the streams of a device (all clients), e.g. after its source changed. Returns how many.
    int restartDevice(qint64 deviceId, const QJsonObject& device);
    void stopSession(quint64 session);
    void stop(quint64 session, qint64 deviceId);
    void stopDevice(qint64 deviceId);
    int count() const { return int(_streams.size()); }
    bool has(quint64 session, qint64 deviceId) const { return _streams.count({session, deviceId}) > 0; }

    // The session description of an MPEG-TS RTP stream to host:port.
    static QString sdpFor(const QString& host, quint16 rtpPort, const QString& name);
    // A literal address usable in an SDP and in a stream output chain; empty when `host` is not one.
    static QString normalisedHost(const QString& host);

signals:
    // The bit rates of a session's live camera streams: a list of {"id" (device), "bitrate" (bit/s)},
    // every rateIntervalMs while there are any. Streams the server encodes itself are left out: their
    // input is raw pictures, not what is sent.
    void bitRates(quint64 session, const QJsonArray& entries);

private:
    struct Sample {
        qint64 atMs = 0;
        qint64 bytes = 0;
    };
    struct Stream {
        QString host;
        quint16 port = 0;
        std::unique_ptr<VlcStream> sender;
        bool counted = false; // sent as read: its input's byte count is what the client receives
        std::deque<Sample> samples;
    };
    using Key = std::pair<quint64, qint64>;
    // Opens the device's source into `stream` (sender and whether its bytes can be counted).
    void makeSender(const QJsonObject& device, Stream& stream);
    void sampleRates();

    const VlcEngine& _engine;
    std::map<Key, Stream> _streams;
    QTimer _rateTimer;
    QElapsedTimer _clock; // the rates' time base: not moved by changes of the wall clock
};

} // namespace DevServer
