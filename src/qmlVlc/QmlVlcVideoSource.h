#pragma once

#include "qmlVlc/QmlVlcVideoOutput.h"

#include <QObject>
#include <QQmlParserStatus>
#include <memory>

class QmlVlcVideoSurface;

// Something a VlcVideoSurface can show: every player is one.
class QmlVlcVideoSource : public QObject, public QQmlParserStatus {
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
public:
    explicit QmlVlcVideoSource(std::shared_ptr<vlc::playlist_player_core> player, QObject* parent = nullptr);
    ~QmlVlcVideoSource() override;

    virtual void addVideoSurface(QmlVlcVideoSurface* surface);
    virtual void removeVideoSurface(QmlVlcVideoSurface* surface);

    void classBegin() override;
    void componentComplete() override {}

    QmlVlcVideoOutput& videoOutput() { return *m_videoOutput; }

protected:
    // Closes the output (stopping the player) before the player that feeds it goes away.
    void closeVideoOutput() { m_videoOutput->close(); }

private:
    std::shared_ptr<vlc::playlist_player_core> m_player;
    std::unique_ptr<QmlVlcVideoOutput> m_videoOutput;
};
