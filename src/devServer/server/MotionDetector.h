#pragma once

#include "MotionRegions.h"
#include "VlcEngine.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QRectF>
#include <mutex>

namespace DevServer {

// Decodes one device's video into small grey pictures (a few per second) and reports the areas
// that moved since the previous picture.
class MotionDetector : public QObject {
    Q_OBJECT
public:
    static constexpr int width = 160;
    static constexpr int height = 120;
    static constexpr int intervalMs = 250; // between compared pictures

    MotionDetector(const VlcEngine& engine, const QJsonObject& device, QObject* parent = nullptr);
    ~MotionDetector() override;

    bool start(QString* error);
    // Region of interest, sensitivity and smallest area; takes effect with the next picture.
    void setParams(const MotionRegions::Params& params) { _params = params; }
    void stop();
    qint64 deviceId() const { return _deviceId; }
    // Position in the source in milliseconds (for file sources); -1 when unknown.
    qint64 timeMs() const;

signals:
    void motion(qint64 deviceId, const QList<QRectF>& regions);

private:
    static void* lock(void* self, void** planes);
    static void display(void* self, void* picture);
    void analyse(const QByteArray& grey);

    const VlcEngine& _engine;
    QJsonObject _device;
    qint64 _deviceId;
    libvlc_media_player_t* _player = nullptr;
    QByteArray _buffer;            // written by libvlc's decoder thread only
    qint64 _lastSentMs = 0;        // decoder thread only
    QByteArray _previous;          // this object's thread only
    MotionRegions::Params _params; // this object's thread only
};

} // namespace DevServer
