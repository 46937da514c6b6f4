#pragma once

#include "qmlVlc/QmlVlcMedia.h"

// The media the player has now.
class QmlVlcCurrentMedia : public QmlVlcMedia {
    Q_OBJECT
public:
    explicit QmlVlcCurrentMedia(QmlVlcPlayerProxy& owner) : QmlVlcMedia(&owner), m_player(owner) {}
    vlc::media_ref getMedia() const override;

private:
    QmlVlcPlayerProxy& m_player;
};
