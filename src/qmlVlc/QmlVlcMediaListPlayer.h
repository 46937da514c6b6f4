#pragma once

#include "qmlVlc/QmlVlcMediaListPlayerProxy.h"
#include "qmlVlc/vlc/media_list_player.h"

// QML "VlcMediaListPlayer": a player over a libvlc media list player.
class QmlVlcMediaListPlayer : public QmlVlcMediaListPlayerProxy {
    Q_OBJECT
public:
    explicit QmlVlcMediaListPlayer(QObject* parent = nullptr);
    ~QmlVlcMediaListPlayer() override;

private:
    explicit QmlVlcMediaListPlayer(std::shared_ptr<vlc::media_list_player> player, QObject* parent);

    std::shared_ptr<vlc::media_list_player> m_player;
};
