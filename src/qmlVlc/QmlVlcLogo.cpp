#include "QmlVlcLogo.h"

#include "qmlVlc/QmlVlcMarquee.h"
#include "qmlVlc/QmlVlcPlayerProxy.h"

QString QmlVlcLogo::position() const {
    return QmlVlcMarquee::positionName(get(libvlc_logo_position));
}

void QmlVlcLogo::setPosition(const QString& name) {
    set(libvlc_logo_position, QmlVlcMarquee::positionValue(name));
}

int QmlVlcLogo::get(libvlc_video_logo_option_t option) const {
    libvlc_media_player_t* mp = m_owner.player().handle().player();
    return mp ? libvlc_video_get_logo_int(mp, option) : 0;
}

void QmlVlcLogo::set(libvlc_video_logo_option_t option, int value) {
    if (libvlc_media_player_t* mp = m_owner.player().handle().player()) {
        libvlc_video_set_logo_int(mp, option, value);
    }
}

void QmlVlcLogo::file(const QString& path) {
    if (libvlc_media_player_t* mp = m_owner.player().handle().player()) {
        libvlc_video_set_logo_string(mp, libvlc_logo_file, path.toUtf8().constData());
    }
}
