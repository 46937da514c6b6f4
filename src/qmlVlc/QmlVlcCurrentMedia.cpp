#include "QmlVlcCurrentMedia.h"

#include "qmlVlc/QmlVlcPlayerProxy.h"

vlc::media_ref QmlVlcCurrentMedia::getMedia() const {
    return m_player.player().current_media();
}
