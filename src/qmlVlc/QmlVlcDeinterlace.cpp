#include "QmlVlcDeinterlace.h"

#include "qmlVlc/QmlVlcPlayerProxy.h"

void QmlVlcDeinterlace::enable(const QString& mode) {
    if (libvlc_media_player_t* mp = m_owner.player().handle().player()) {
        libvlc_video_set_deinterlace(mp, mode.toUtf8().constData());
    }
}

void QmlVlcDeinterlace::disable() {
    if (libvlc_media_player_t* mp = m_owner.player().handle().player()) {
        libvlc_video_set_deinterlace(mp, nullptr);
    }
}
