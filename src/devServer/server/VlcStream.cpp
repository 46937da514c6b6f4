#include "VlcStream.h"

#include <QMetaObject>
#include <QPointer>

namespace DevServer {

namespace {
const libvlc_event_type_t watchedEvents[] = {libvlc_MediaPlayerPlaying, libvlc_MediaPlayerEndReached,
                                             libvlc_MediaPlayerEncounteredError};
}

VlcStream::VlcStream(const VlcEngine& engine, const VlcEngine::Source& source, const QString& sout,
                     const QStringList& extraOptions, QObject* parent)
    : QObject(parent), _engine(engine), _source(source), _sout(sout), _extra(extraOptions) {}

VlcStream::~VlcStream() {
    stop();
}

libvlc_media_t* VlcStream::newMedia() const {
    QStringList options = _extra;
    options << QStringLiteral(":sout=#") + _sout << QStringLiteral(":sout-keep")
            << QStringLiteral(":no-sout-all");
    return _engine.newMedia(_source, options);
}

bool VlcStream::switchTo(const VlcEngine::Source& source, const QStringList& extraOptions) {
    if (!_player) {
        return false;
    }
    _source = source;
    _extra = extraOptions;
    libvlc_media_t* media = newMedia();
    if (!media) {
        return false;
    }
    libvlc_media_player_set_media(_player, media);
    libvlc_media_release(media);
    return libvlc_media_player_play(_player) == 0;
}

bool VlcStream::start() {
    stop();
    libvlc_media_t* media = newMedia();
    if (!media) {
        return false;
    }
    _player = libvlc_media_player_new_from_media(media);
    libvlc_media_release(media);
    if (!_player) {
        return false;
    }
    libvlc_event_manager_t* events = libvlc_media_player_event_manager(_player);
    for (libvlc_event_type_t type : watchedEvents) {
        libvlc_event_attach(events, type, &VlcStream::onEvent, this);
    }
    return libvlc_media_player_play(_player) == 0;
}

void VlcStream::stop() {
    if (!_player) {
        return;
    }
    // Detach first: after this no libvlc thread calls back into this object.
    libvlc_event_manager_t* events = libvlc_media_player_event_manager(_player);
    for (libvlc_event_type_t type : watchedEvents) {
        libvlc_event_detach(events, type, &VlcStream::onEvent, this);
    }
    libvlc_media_player_stop(_player);
    libvlc_media_player_release(_player);
    _player = nullptr;
}

void VlcStream::setPaused(bool paused) {
    if (_player) {
        libvlc_media_player_set_pause(_player, paused ? 1 : 0);
    }
}

qint64 VlcStream::timeMs() const {
    return _player ? qint64(libvlc_media_player_get_time(_player)) : -1;
}

qint64 VlcStream::lengthMs() const {
    const qint64 length = _player ? qint64(libvlc_media_player_get_length(_player)) : -1;
    return length > 0 ? length : -1;
}

void VlcStream::setTimeMs(qint64 ms) {
    if (_player) {
        libvlc_media_player_set_time(_player, libvlc_time_t(ms));
    }
}

qint64 VlcStream::demuxedBytes() const {
    libvlc_media_t* media = _player ? libvlc_media_player_get_media(_player) : nullptr;
    if (!media) {
        return -1;
    }
    libvlc_media_stats_t stats{};
    const bool known = libvlc_media_get_stats(media, &stats) != 0;
    libvlc_media_release(media);
    return known ? qint64(stats.i_demux_read_bytes) : -1;
}

bool VlcStream::isPlaying() const {
    return _player && libvlc_media_player_is_playing(_player);
}

void VlcStream::onEvent(const libvlc_event_t* event, void* self) {
    auto* stream = static_cast<VlcStream*>(self);
    const QPointer<VlcStream> guard(stream);
    const int type = event->type;
    QMetaObject::invokeMethod(
        stream,
        [guard, type] {
            if (!guard) {
                return;
            }
            if (type == libvlc_MediaPlayerPlaying) {
                emit guard->playing();
            } else if (type == libvlc_MediaPlayerEndReached) {
                emit guard->ended();
            } else {
                emit guard->failed(QStringLiteral("the source could not be read"));
            }
        },
        Qt::QueuedConnection);
}

} // namespace DevServer
