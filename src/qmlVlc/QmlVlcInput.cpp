#include "QmlVlcInput.h"

#include "qmlVlc/QmlVlcPlayerProxy.h"

libvlc_media_player_t* QmlVlcInput::mp() const {
    return m_owner.player().handle().player();
}

double QmlVlcInput::length() const {
    return static_cast<double>(m_owner.player().playback().get_length());
}

double QmlVlcInput::fps() const {
    return m_owner.player().playback().get_fps();
}

bool QmlVlcInput::hasVout() const {
    return m_owner.player().video().has_vout();
}

unsigned QmlVlcInput::state() const {
    return static_cast<unsigned>(m_owner.player().get_state());
}

unsigned QmlVlcInput::titleCount() const {
    const int count = mp() ? libvlc_media_player_get_title_count(mp()) : 0;
    return count < 0 ? 0 : static_cast<unsigned>(count);
}

unsigned QmlVlcInput::chapterCount() const {
    const int count = mp() ? libvlc_media_player_get_chapter_count(mp()) : 0;
    return count < 0 ? 0 : static_cast<unsigned>(count);
}

double QmlVlcInput::position() const {
    return m_owner.player().playback().get_position();
}

void QmlVlcInput::setPosition(double position) {
    m_owner.player().playback().set_position(static_cast<float>(position));
}

double QmlVlcInput::time() const {
    return static_cast<double>(m_owner.player().playback().get_time());
}

void QmlVlcInput::setTime(double time) {
    m_owner.player().playback().set_time(static_cast<int64_t>(time));
}

double QmlVlcInput::rate() const {
    return m_owner.player().playback().get_rate();
}

void QmlVlcInput::setRate(double rate) {
    m_owner.player().playback().set_rate(static_cast<float>(rate));
}

int QmlVlcInput::title() const {
    return mp() ? libvlc_media_player_get_title(mp()) : -1;
}

void QmlVlcInput::setTitle(int title) {
    if (mp()) {
        libvlc_media_player_set_title(mp(), title);
    }
}

int QmlVlcInput::chapter() const {
    return mp() ? libvlc_media_player_get_chapter(mp()) : -1;
}

void QmlVlcInput::setChapter(int chapter) {
    if (mp()) {
        libvlc_media_player_set_chapter(mp(), chapter);
    }
}

void QmlVlcInput::prevChapter() {
    if (mp()) {
        libvlc_media_player_previous_chapter(mp());
    }
}

void QmlVlcInput::nextChapter() {
    if (mp()) {
        libvlc_media_player_next_chapter(mp());
    }
}

double QmlVlcInput::receivedBytes() const {
    return statistics().value(QStringLiteral("demuxReadBytes"), 0.0).toDouble();
}

QVariantMap QmlVlcInput::statistics() const {
    libvlc_media_player_t* player = mp();
    libvlc_media_t* media = player ? libvlc_media_player_get_media(player) : nullptr;
    if (!media) {
        return {};
    }
    libvlc_media_stats_t stats{};
    const bool ok = libvlc_media_get_stats(media, &stats) != 0;
    libvlc_media_release(media);
    if (!ok) {
        return {};
    }
    return {{QStringLiteral("readBytes"), double(stats.i_read_bytes)},
            {QStringLiteral("inputBitrate"), double(stats.f_input_bitrate)},
            {QStringLiteral("demuxReadBytes"), double(stats.i_demux_read_bytes)},
            {QStringLiteral("demuxBitrate"), double(stats.f_demux_bitrate)},
            {QStringLiteral("decodedVideo"), double(stats.i_decoded_video)},
            {QStringLiteral("displayedPictures"), double(stats.i_displayed_pictures)},
            {QStringLiteral("lostPictures"), double(stats.i_lost_pictures)}};
}
