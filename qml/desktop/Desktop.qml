import QtQuick 2.13
import QtQuick.Controls 2.13
import "../misc"
import "../components"
import "tiles"

// The live desktop: the tile grid over the events of the day.
KvoFrame {
    id: desktop
    property bool backendReady: false
    property alias tileGrid: tileGrid
    property alias eventsLoader: eventsLoader
    property bool eventsHidden: false
    property real _eventsHeight: 220

    function stretchContainer() {
        if (eventsHidden)
            return
        _eventsHeight = eventsHolder.height
        eventsHidden = true
    }
    function compactContainer() {
        eventsHidden = false
    }

    toolBar: DesktopToolBar {
        currentSize: tileGrid.currentSize
        eventsStretched: desktop.eventsHidden
        onSizeSelected: tileGrid.refillGrid(name)
        onDateSelected: if (eventsLoader.item) eventsLoader.item.setDay(date)
        onStretchToggled: desktop.eventsHidden ? desktop.compactContainer() : desktop.stretchContainer()
    }

    SplitView {
        anchors.fill: parent
        orientation: Qt.Vertical
        handle: HandleDelegate {}
        TileGrid {
            id: tileGrid
            SplitView.fillHeight: true
            SplitView.minimumHeight: 120
        }
        Item {
            id: eventsHolder
            visible: !desktop.eventsHidden
            SplitView.preferredHeight: desktop._eventsHeight
            SplitView.minimumHeight: 80
            Loader {
                id: eventsLoader
                anchors.fill: parent
                active: desktop.backendReady
                source: "events/table/EventsTable.qml"
            }
        }
    }
}
