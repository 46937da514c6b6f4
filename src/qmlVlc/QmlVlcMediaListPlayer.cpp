#include "QmlVlcMediaListPlayer.h"

QmlVlcMediaListPlayer::QmlVlcMediaListPlayer(QObject* parent)
    : QmlVlcMediaListPlayer(std::make_shared<vlc::media_list_player>(), parent) {}

QmlVlcMediaListPlayer::QmlVlcMediaListPlayer(std::shared_ptr<vlc::media_list_player> player, QObject* parent)
    : QmlVlcMediaListPlayerProxy(player, parent), m_player(std::move(player)) {
    openPlayer();
}

QmlVlcMediaListPlayer::~QmlVlcMediaListPlayer() {
    closePlayer();
}
