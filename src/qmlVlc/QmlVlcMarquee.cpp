#include "QmlVlcMarquee.h"

#include "qmlVlc/QmlVlcPlayerProxy.h"

namespace {
// Index = libvlc position value; 3 and 7 have no name.
const char* const positionNames[] = {"center", "left",        "right",       "",
                                     "top",    "top-left",    "top-right",   "",
                                     "bottom", "bottom-left", "bottom-right"};
constexpr int positionCount = sizeof(positionNames) / sizeof(positionNames[0]);
} // namespace

QString QmlVlcMarquee::positionName(int position) {
    if (position < 0 || position >= positionCount) {
        return QString();
    }
    return QString::fromLatin1(positionNames[position]);
}

int QmlVlcMarquee::positionValue(const QString& name) {
    if (name.isEmpty()) {
        return -1;
    }
    for (int i = 0; i < positionCount; ++i) {
        if (name == QLatin1String(positionNames[i])) {
            return i;
        }
    }
    return -1;
}

unsigned QmlVlcMarquee::get(libvlc_video_marquee_option_t option) const {
    libvlc_media_player_t* mp = m_owner.player().handle().player();
    return mp ? static_cast<unsigned>(libvlc_video_get_marquee_int(mp, option)) : 0;
}

void QmlVlcMarquee::set(libvlc_video_marquee_option_t option, int value) {
    if (libvlc_media_player_t* mp = m_owner.player().handle().player()) {
        libvlc_video_set_marquee_int(mp, option, value);
    }
}

QString QmlVlcMarquee::text() const {
    libvlc_media_player_t* mp = m_owner.player().handle().player();
    if (!mp) {
        return QString();
    }
    char* text = libvlc_video_get_marquee_string(mp, libvlc_marquee_Text);
    const QString result = QString::fromUtf8(text);
    libvlc_free(text);
    return result;
}

void QmlVlcMarquee::setText(const QString& text) {
    if (libvlc_media_player_t* mp = m_owner.player().handle().player()) {
        libvlc_video_set_marquee_string(mp, libvlc_marquee_Text, text.toUtf8().constData());
    }
}
