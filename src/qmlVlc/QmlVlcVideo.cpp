#include "QmlVlcVideo.h"

#include "qmlVlc/QmlVlcPlayerProxy.h"

QmlVlcVideo::QmlVlcVideo(QmlVlcPlayerProxy& owner)
    : m_owner(owner), m_marquee(owner), m_logo(owner), m_deinterlace(owner) {}

void QmlVlcVideo::size(unsigned* width, unsigned* height) const {
    *width = 0;
    *height = 0;
    libvlc_media_player_t* mp = m_owner.player().handle().player();
    if (!mp) {
        return;
    }
    libvlc_video_get_size(mp, 0, width, height);
    if (*width != 0 && *height != 0) {
        return;
    }
    const vlc::media_ref media = m_owner.player().current_media();
    if (media.empty()) {
        return;
    }
    libvlc_media_track_t** tracks = nullptr;
    const unsigned count = libvlc_media_tracks_get(media.get(), &tracks);
    for (unsigned i = 0; i < count; ++i) {
        if (tracks[i]->i_type == libvlc_track_video && tracks[i]->video && tracks[i]->video->i_width &&
            tracks[i]->video->i_height) {
            *width = tracks[i]->video->i_width;
            *height = tracks[i]->video->i_height;
            break;
        }
    }
    if (tracks) {
        libvlc_media_tracks_release(tracks, count);
    }
}

unsigned QmlVlcVideo::width() const {
    unsigned w = 0;
    unsigned h = 0;
    size(&w, &h);
    return w;
}

unsigned QmlVlcVideo::height() const {
    unsigned w = 0;
    unsigned h = 0;
    size(&w, &h);
    return h;
}

unsigned QmlVlcVideo::count() const {
    return m_owner.player().video().track_count();
}

int QmlVlcVideo::track() const {
    return m_owner.player().video().get_track();
}

void QmlVlcVideo::setTrack(int track) {
    if (track >= 0) {
        m_owner.player().video().set_track(track);
    }
}

QString QmlVlcVideo::aspectRatio() const {
    libvlc_media_player_t* mp = m_owner.player().handle().player();
    if (!mp) {
        return QString();
    }
    char* ratio = libvlc_video_get_aspect_ratio(mp);
    const QString result = QString::fromLatin1(ratio);
    libvlc_free(ratio);
    return result;
}

void QmlVlcVideo::setAspectRatio(const QString& ratio) {
    if (libvlc_media_player_t* mp = m_owner.player().handle().player()) {
        libvlc_video_set_aspect_ratio(mp, ratio.isEmpty() ? nullptr : ratio.toLatin1().constData());
    }
}

QString QmlVlcVideo::crop() const {
    libvlc_media_player_t* mp = m_owner.player().handle().player();
    if (!mp) {
        return QString();
    }
    char* geometry = libvlc_video_get_crop_geometry(mp);
    const QString result = QString::fromLatin1(geometry);
    libvlc_free(geometry);
    return result;
}

void QmlVlcVideo::setCrop(const QString& geometry) {
    if (libvlc_media_player_t* mp = m_owner.player().handle().player()) {
        libvlc_video_set_crop_geometry(mp, geometry.isEmpty() ? nullptr : geometry.toLatin1().constData());
    }
}

int QmlVlcVideo::hue() const {
    return m_owner.player().video().get_adjust_int(libvlc_adjust_Hue);
}

void QmlVlcVideo::setHue(int v) {
    m_owner.player().video().set_adjust_int(libvlc_adjust_Hue, v);
}

float QmlVlcVideo::adjustFloat(libvlc_video_adjust_option_t option) const {
    return m_owner.player().video().get_adjust_float(option);
}

void QmlVlcVideo::setAdjustFloat(libvlc_video_adjust_option_t option, float value) {
    m_owner.player().video().set_adjust_float(option, value);
}

int QmlVlcVideo::teletext() const {
    libvlc_media_player_t* mp = m_owner.player().handle().player();
    return mp ? libvlc_video_get_teletext(mp) : 0;
}

void QmlVlcVideo::setTeletext(int page) {
    if (libvlc_media_player_t* mp = m_owner.player().handle().player()) {
        libvlc_video_set_teletext(mp, page);
    }
}

void QmlVlcVideo::toggleTeletext() {
    if (libvlc_media_player_t* mp = m_owner.player().handle().player()) {
        // Page 100 is the teletext index page; 0 switches teletext off.
        libvlc_video_set_teletext(mp, libvlc_video_get_teletext(mp) > 0 ? 0 : 100);
    }
}
