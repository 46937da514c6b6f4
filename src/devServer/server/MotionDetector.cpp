#include "MotionDetector.h"

#include <QDateTime>
#include <QMetaObject>
#include <QPointer>

namespace DevServer {

MotionDetector::MotionDetector(const VlcEngine& engine, const QJsonObject& device, QObject* parent)
    : QObject(parent), _engine(engine), _device(device),
      _deviceId(device.value("id").toVariant().toLongLong()) {
    _buffer.resize(width * height * 4);
}

MotionDetector::~MotionDetector() {
    stop();
}

bool MotionDetector::start(QString* error) {
    stop();
    const VlcEngine::Source source =
        VlcEngine::source(_device.value("typeCode").toInt(), _device.value("source").toString(), true);
    if (!source.error.isEmpty()) {
        *error = source.error;
        return false;
    }
    // Decoding only: no stream output, no window, no audio; late frames may be dropped.
    libvlc_media_t* media =
        _engine.newMedia(source, {QStringLiteral(":no-audio"), QStringLiteral(":avcodec-skiploopfilter=4")});
    if (!media) {
        *error = QStringLiteral("libvlc cannot open '%1'").arg(_device.value("source").toString());
        return false;
    }
    _player = libvlc_media_player_new_from_media(media);
    libvlc_media_release(media);
    if (!_player) {
        *error = QStringLiteral("libvlc cannot play '%1'").arg(_device.value("source").toString());
        return false;
    }
    libvlc_video_set_callbacks(_player, &MotionDetector::lock, nullptr, &MotionDetector::display, this);
    libvlc_video_set_format(_player, "RV32", width, height, width * 4);
    return libvlc_media_player_play(_player) == 0;
}

void MotionDetector::stop() {
    if (_player) {
        // Returns once the decoder has stopped: no callback runs after this.
        libvlc_media_player_stop(_player);
        libvlc_media_player_release(_player);
        _player = nullptr;
    }
}

qint64 MotionDetector::timeMs() const {
    return _player ? qint64(libvlc_media_player_get_time(_player)) : -1;
}

void* MotionDetector::lock(void* self, void** planes) {
    planes[0] = static_cast<MotionDetector*>(self)->_buffer.data();
    return nullptr;
}

void MotionDetector::display(void* self, void*) {
    auto* detector = static_cast<MotionDetector*>(self);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - detector->_lastSentMs < intervalMs) {
        return;
    }
    detector->_lastSentMs = now;
    // Hand a grey copy to the object's thread; the decoder goes on with its own buffer.
    QByteArray grey(width * height, Qt::Uninitialized);
    const auto* bgra = reinterpret_cast<const uchar*>(detector->_buffer.constData());
    for (int i = 0; i < width * height; ++i) {
        grey[i] = char((bgra[4 * i + 2] * 77 + bgra[4 * i + 1] * 150 + bgra[4 * i] * 29) >> 8);
    }
    QMetaObject::invokeMethod(
        detector, [detector, grey] { detector->analyse(grey); }, Qt::QueuedConnection);
}

void MotionDetector::analyse(const QByteArray& grey) {
    if (!_player) {
        return;
    }
    const QList<QRectF> regions = MotionRegions::find(_previous, grey, width, height, _params);
    _previous = grey;
    if (!regions.isEmpty()) {
        emit motion(_deviceId, regions);
    }
}

} // namespace DevServer
