#include "QmlVlcMediaListPlayerProxy.h"

void QmlVlcMediaListPlayerProxy::handleLibvlcEvent(const LibvlcEvent& le) {
    const libvlc_event_t& e = le.libvlcEvent();
    switch (e.type) {
    case libvlc_MediaListItemAdded:
        Q_EMIT mediaListItemAdded(e.u.media_list_item_added.index);
        break;
    case libvlc_MediaListWillAddItem:
        Q_EMIT mediaListWillAddItem(e.u.media_list_will_add_item.index);
        break;
    case libvlc_MediaListItemDeleted:
        Q_EMIT mediaListItemDeleted(e.u.media_list_item_deleted.index);
        break;
    case libvlc_MediaListWillDeleteItem:
        Q_EMIT mediaListWillDeleteItem(e.u.media_list_will_delete_item.index);
        break;
    case libvlc_MediaListPlayerPlayed:
        Q_EMIT mediaListPlayerPlayed();
        break;
    case libvlc_MediaListPlayerNextItemSet:
        Q_EMIT mediaListPlayerNextItemSet();
        break;
    case libvlc_MediaListPlayerStopped:
        Q_EMIT mediaListPlayerStopped();
        break;
    default:
        QmlVlcPlayerProxy::handleLibvlcEvent(le);
        break;
    }
}
