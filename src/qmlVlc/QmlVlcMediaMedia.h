#pragma once

#include "qmlVlc/QmlVlcMedia.h"

// One playlist item's media, held for as long as QML keeps this object.
class QmlVlcMediaMedia : public QmlVlcMedia {
    Q_OBJECT
public:
    QmlVlcMediaMedia(QmlVlcPlayerProxy* owner, vlc::media_ref media, QObject* parent = nullptr)
        : QmlVlcMedia(owner, parent), m_media(std::move(media)) {}
    vlc::media_ref getMedia() const override { return m_media; }

private:
    vlc::media_ref m_media;
};
