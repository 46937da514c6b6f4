#include "QmlVlcPlayer.h"

QmlVlcPlayer::QmlVlcPlayer(QObject* parent) : QmlVlcPlayer(std::make_shared<vlc::player>(), parent) {}

QmlVlcPlayer::QmlVlcPlayer(std::shared_ptr<vlc::player> player, QObject* parent)
    : QmlVlcPlayerProxy(player, parent), m_player(std::move(player)) {
    openPlayer();
}

QmlVlcPlayer::~QmlVlcPlayer() {
    closePlayer();
}
