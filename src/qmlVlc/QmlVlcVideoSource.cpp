#include "QmlVlcVideoSource.h"

QmlVlcVideoSource::QmlVlcVideoSource(std::shared_ptr<vlc::playlist_player_core> player, QObject* parent)
    : QObject(parent), m_player(player), m_videoOutput(std::make_unique<QmlVlcVideoOutput>(player)) {}

QmlVlcVideoSource::~QmlVlcVideoSource() = default;

void QmlVlcVideoSource::addVideoSurface(QmlVlcVideoSurface* surface) {
    m_videoOutput->addVideoSurface(surface);
}

void QmlVlcVideoSource::removeVideoSurface(QmlVlcVideoSurface* surface) {
    m_videoOutput->removeVideoSurface(surface);
}

void QmlVlcVideoSource::classBegin() {
    m_videoOutput->open(m_player->handle());
}
