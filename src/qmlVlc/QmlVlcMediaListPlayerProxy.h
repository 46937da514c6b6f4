#pragma once

#include "qmlVlc/QmlVlcPlayerProxy.h"

// A player proxy whose playlist is a libvlc media list; adds the list's signals.
class QmlVlcMediaListPlayerProxy : public QmlVlcPlayerProxy {
    Q_OBJECT
public:
    explicit QmlVlcMediaListPlayerProxy(std::shared_ptr<vlc::playlist_player_core> player,
                                        QObject* parent = nullptr)
        : QmlVlcPlayerProxy(std::move(player), parent) {}

Q_SIGNALS:
    void mediaListItemAdded(int index);
    void mediaListWillAddItem(int index);
    void mediaListItemDeleted(int index);
    void mediaListWillDeleteItem(int index);
    void mediaListPlayerPlayed();
    void mediaListPlayerNextItemSet();
    void mediaListPlayerStopped();

protected:
    void handleLibvlcEvent(const LibvlcEvent& e) override;
};
