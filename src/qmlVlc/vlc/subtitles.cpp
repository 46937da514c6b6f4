#include "subtitles.h"

#include "qmlVlc/vlc/track_positions.h"

#include <QString>
#include <QUrl>

namespace vlc {

int64_t subtitles::get_delay() const {
    return m_handle.player() ? libvlc_video_get_spu_delay(m_handle.player()) : 0;
}

unsigned subtitles::track_count() const {
    if (!m_handle.player()) {
        return 0;
    }
    const int count = libvlc_video_get_spu_count(m_handle.player());
    return count < 0 ? 0 : static_cast<unsigned>(count);
}

int subtitles::get_track() const {
    if (!m_handle.player()) {
        return -1;
    }
    libvlc_track_description_t* list = libvlc_video_get_spu_description(m_handle.player());
    if (!list) {
        return -1;
    }
    const int position = track_positions::position_of(list, libvlc_video_get_spu(m_handle.player()));
    libvlc_track_description_list_release(list);
    return position;
}

std::string subtitles::track_name(int position) const {
    if (!m_handle.player()) {
        return {};
    }
    libvlc_track_description_t* list = libvlc_video_get_spu_description(m_handle.player());
    const char* name = track_positions::name_at(list, position);
    std::string result = name ? name : "";
    if (list) {
        libvlc_track_description_list_release(list);
    }
    return result;
}

void subtitles::set_delay(int64_t delay) {
    if (m_handle.player()) {
        libvlc_video_set_spu_delay(m_handle.player(), delay);
    }
}

void subtitles::set_track(int position) {
    if (!m_handle.player()) {
        return;
    }
    libvlc_track_description_t* list = libvlc_video_get_spu_description(m_handle.player());
    libvlc_video_set_spu(m_handle.player(), track_positions::id_at(list, position));
    if (list) {
        libvlc_track_description_list_release(list);
    }
}

bool subtitles::load(const std::string& path) {
    if (!m_handle.player() || path.empty()) {
        return false;
    }
    // A subtitle file is added as a slave of the playing media (the file setter is deprecated).
    const std::string fileUri = QUrl::fromLocalFile(QString::fromStdString(path)).toEncoded().toStdString();
    return libvlc_media_player_add_slave(m_handle.player(), libvlc_media_slave_type_subtitle, fileUri.c_str(),
                                         true) == 0;
}

} // namespace vlc
