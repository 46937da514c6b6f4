#pragma once

#include "qmlVlc/QmlVlcPlayerProxy.h"
#include "qmlVlc/vlc/player.h"

// QML "VlcPlayer": a player with a client-side playlist.
class QmlVlcPlayer : public QmlVlcPlayerProxy {
    Q_OBJECT
public:
    explicit QmlVlcPlayer(QObject* parent = nullptr);
    ~QmlVlcPlayer() override;

    vlc::player& playlistPlayer() { return *m_player; }

private:
    explicit QmlVlcPlayer(std::shared_ptr<vlc::player> player, QObject* parent);

    std::shared_ptr<vlc::player> m_player;
};
