#include "QmlVlcMedia.h"

#include "qmlVlc/QmlVlcPlayerProxy.h"

QmlVlcMedia::QmlVlcMedia(QmlVlcPlayerProxy* owner, QObject* parent) : QObject(parent), m_owner(owner) {}

QString QmlVlcMedia::meta(libvlc_meta_t kind) const {
    return QString::fromStdString(getMedia().meta(kind));
}

QString QmlVlcMedia::mrl() const {
    return QString::fromStdString(getMedia().mrl());
}

void QmlVlcMedia::setTitle(const QString& title) {
    vlc::media_ref media = getMedia();
    if (media.empty()) {
        return;
    }
    media.set_meta(libvlc_meta_Title, title.toStdString());
    Q_EMIT titleChanged();
}

int QmlVlcMedia::playlistIndex() const {
    if (!m_owner) {
        return -1;
    }
    const vlc::media_ref media = getMedia();
    return media.empty() ? -1 : m_owner->player().find_media_index(media);
}

QString QmlVlcMedia::setting() const {
    const int index = playlistIndex();
    return index < 0 ? QString()
                     : QString::fromStdString(m_owner->player().get_item_data(static_cast<unsigned>(index)));
}

void QmlVlcMedia::setSetting(const QString& setting) {
    const int index = playlistIndex();
    if (index >= 0) {
        m_owner->player().set_item_data(static_cast<unsigned>(index), setting.toStdString());
    }
}

bool QmlVlcMedia::disabled() const {
    const int index = playlistIndex();
    return index >= 0 && m_owner->player().is_item_disabled(static_cast<unsigned>(index));
}

void QmlVlcMedia::setDisabled(bool disabled) {
    const int index = playlistIndex();
    if (index >= 0) {
        m_owner->player().disable_item(static_cast<unsigned>(index), disabled);
    }
}
