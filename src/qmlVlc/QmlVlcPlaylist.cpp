#include "QmlVlcPlaylist.h"

#include "qmlVlc/QmlVlcConfig.h"
#include "qmlVlc/QmlVlcMediaMedia.h"
#include "qmlVlc/QmlVlcPlayerProxy.h"

#include <QQmlEngine>
#include <string>
#include <vector>

unsigned QmlVlcPlaylist::itemCount() const {
    return m_owner.player().item_count();
}

bool QmlVlcPlaylist::isPlaying() const {
    return m_owner.player().get_state() == libvlc_Playing;
}

QQmlListProperty<QmlVlcMedia> QmlVlcPlaylist::items() {
    return QQmlListProperty<QmlVlcMedia>(this, this, &QmlVlcPlaylist::itemsCount, &QmlVlcPlaylist::itemAt);
}

int QmlVlcPlaylist::itemsCount(QQmlListProperty<QmlVlcMedia>* list) {
    return static_cast<int>(static_cast<QmlVlcPlaylist*>(list->data)->itemCount());
}

QmlVlcMedia* QmlVlcPlaylist::itemAt(QQmlListProperty<QmlVlcMedia>* list, int index) {
    auto* self = static_cast<QmlVlcPlaylist*>(list->data);
    if (index < 0) {
        return nullptr;
    }
    auto* media =
        new QmlVlcMediaMedia(&self->m_owner, self->m_owner.player().get_media(static_cast<unsigned>(index)));
    // QML owns and collects it.
    QQmlEngine::setObjectOwnership(media, QQmlEngine::JavaScriptOwnership);
    return media;
}

int QmlVlcPlaylist::currentItem() const {
    return m_owner.player().current_item();
}

void QmlVlcPlaylist::setCurrentItem(int idx) {
    if (idx >= 0) {
        m_owner.player().set_current(static_cast<unsigned>(idx));
    }
}

QmlVlcPlaylist::Mode QmlVlcPlaylist::mode() const {
    return static_cast<Mode>(m_owner.player().get_playback_mode());
}

void QmlVlcPlaylist::setMode(Mode mode) {
    if (mode >= Single && mode <= Loop) {
        m_owner.player().set_playback_mode(mode);
    }
}

int QmlVlcPlaylist::add(const QString& mrl) {
    return m_owner.player().add_media(mrl.toUtf8().constData(), 0, nullptr, 0, nullptr);
}

int QmlVlcPlaylist::add(QmlVlcMedia* media) {
    if (!media) {
        return -1;
    }
    return m_owner.player().add_media(media->getMedia());
}

int QmlVlcPlaylist::addWithOptions(const QString& mrl, const QStringList& options) {
    std::vector<QByteArray> trusted;
    std::vector<QByteArray> untrusted;
    for (const QString& option : options) {
        (QmlVlcConfig::instance().isMediaOptionTrusted(option) ? trusted : untrusted)
            .push_back(option.toUtf8());
    }
    std::vector<const char*> trustedPtrs;
    for (const QByteArray& option : trusted) {
        trustedPtrs.push_back(option.constData());
    }
    std::vector<const char*> untrustedPtrs;
    for (const QByteArray& option : untrusted) {
        untrustedPtrs.push_back(option.constData());
    }
    return m_owner.player().add_media(mrl.toUtf8().constData(), static_cast<unsigned>(untrustedPtrs.size()),
                                      untrustedPtrs.data(), static_cast<unsigned>(trustedPtrs.size()),
                                      trustedPtrs.data());
}

void QmlVlcPlaylist::play() {
    m_owner.player().play();
}

bool QmlVlcPlaylist::playItem(unsigned idx) {
    return m_owner.player().play(idx);
}

void QmlVlcPlaylist::pause() {
    m_owner.player().pause();
}

void QmlVlcPlaylist::togglePause() {
    if (isPlaying()) {
        m_owner.player().pause();
    } else {
        m_owner.player().play();
    }
}

void QmlVlcPlaylist::stop() {
    m_owner.player().stop();
}

void QmlVlcPlaylist::next() {
    m_owner.player().next();
}

void QmlVlcPlaylist::prev() {
    m_owner.player().prev();
}

void QmlVlcPlaylist::clear() {
    m_owner.player().clear_items();
}

bool QmlVlcPlaylist::removeItem(unsigned idx) {
    return m_owner.player().delete_item(idx);
}

void QmlVlcPlaylist::advanceItem(unsigned idx, int count) {
    m_owner.player().advance_item(idx, count);
}
