#include "SourceProbe.h"

#include <QFileInfo>
#include <QMetaObject>
#include <QPointer>

namespace DevServer {

SourceProbe::SourceProbe(std::function<void(bool, const QString&)> done) : _done(std::move(done)) {
    _timeout.setSingleShot(true);
    connect(&_timeout, &QTimer::timeout, this,
            [this] { finish(false, QStringLiteral("No answer from '%1' in time").arg(_source)); });
}

SourceProbe::~SourceProbe() {
    if (_media) {
        libvlc_event_detach(libvlc_media_event_manager(_media), libvlc_MediaParsedChanged,
                            &SourceProbe::onEvent, this);
        libvlc_media_parse_stop(_media);
        libvlc_media_release(_media);
    }
}

void SourceProbe::run(const VlcEngine& engine, int typeCode, const QString& source, int timeoutMs,
                      std::function<void(bool, const QString&)> done) {
    auto* probe = new SourceProbe(std::move(done)); // deletes itself in finish()
    probe->_source = source;
    const VlcEngine::Source parsed = VlcEngine::source(typeCode, source, false);
    if (!parsed.error.isEmpty()) {
        probe->finish(false, parsed.error);
        return;
    }
    if (typeCode == VlcEngine::Screen) {
        probe->finish(!qEnvironmentVariableIsEmpty("DISPLAY"),
                      QStringLiteral("There is no X display to capture"));
        return;
    }
    if (typeCode == VlcEngine::UsbCamera) {
        const QString path = parsed.mrl.mid(int(qstrlen("v4l2://")));
        const QFileInfo info(path);
        probe->finish(info.exists() && info.isReadable(),
                      QStringLiteral("The camera device '%1' is missing or not readable").arg(path));
        return;
    }
    probe->_media = engine.newMedia(parsed, {});
    if (!probe->_media) {
        probe->finish(false, QStringLiteral("libvlc cannot open '%1'").arg(source));
        return;
    }
    libvlc_event_attach(libvlc_media_event_manager(probe->_media), libvlc_MediaParsedChanged,
                        &SourceProbe::onEvent, probe);
    probe->_timeout.start(timeoutMs + 500);
    const auto flags = libvlc_media_parse_flag_t(libvlc_media_parse_local | libvlc_media_parse_network);
    if (libvlc_media_parse_with_options(probe->_media, flags, timeoutMs) != 0) {
        probe->finish(false, QStringLiteral("libvlc cannot open '%1'").arg(source));
    }
}

void SourceProbe::onEvent(const libvlc_event_t*, void* self) {
    auto* probe = static_cast<SourceProbe*>(self);
    QMetaObject::invokeMethod(
        probe, [probe] { probe->onParsed(); }, Qt::QueuedConnection);
}

void SourceProbe::onParsed() {
    const libvlc_media_parsed_status_t status = libvlc_media_get_parsed_status(_media);
    if (status == libvlc_media_parsed_status_timeout) {
        finish(false, QStringLiteral("No answer from '%1' in time").arg(_source));
        return;
    }
    if (status != libvlc_media_parsed_status_done) {
        finish(false, QStringLiteral("'%1' could not be opened").arg(_source));
        return;
    }
    libvlc_media_track_t** tracks = nullptr;
    const unsigned count = libvlc_media_tracks_get(_media, &tracks);
    bool video = false;
    for (unsigned i = 0; i < count; ++i) {
        video = video || tracks[i]->i_type == libvlc_track_video;
    }
    libvlc_media_tracks_release(tracks, count);
    finish(video, QStringLiteral("'%1' has no video").arg(_source));
}

void SourceProbe::finish(bool ok, const QString& error) {
    if (_finished) {
        return;
    }
    _finished = true;
    _timeout.stop();
    // Answer from the event loop, never from inside run(): the caller's answer comes first.
    QMetaObject::invokeMethod(
        this,
        [this, ok, error] {
            _done(ok, ok ? QString() : error);
            deleteLater();
        },
        Qt::QueuedConnection);
}

} // namespace DevServer
