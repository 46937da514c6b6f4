import QtQuick 2.13
import QtQuick.Controls 2.13
import "../misc"
import "../components"
import "tiles"
import "cameraPanel"

// The live desktop: the tile grid over the events of the day.
KvoFrame {
    id: desktop
    property bool backendReady: false
    property alias tileGrid: tileGrid
    property alias eventsLoader: eventsLoader
    property alias eventsHolder: eventsHolder
    property alias cameraPanel: cameraPanel
    readonly property var keeper: keeperLoader.item
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
        Loader {
            active: desktop.keeper !== null
            source: "layouts/LayoutToolButtons.qml"
            onLoaded: item.keeper = Qt.binding(function() { return desktop.keeper })
        }
    }
    // Saved layouts and the screen state need the program's own types.
    Loader {
        id: keeperLoader
        active: desktop.backendReady
        source: "layouts/DesktopKeeper.qml"
        onLoaded: item.desktop = desktop
    }

    SplitView {
        anchors.fill: parent
        orientation: Qt.Vertical
        handle: HandleDelegate {}
        Item {
            SplitView.fillHeight: true
            SplitView.minimumHeight: 120
            CameraPanel {
                id: cameraPanel
                height: parent.height
                tileGrid: tileGrid
            }
            TileGrid {
                id: tileGrid
                anchors.left: cameraPanel.right
                anchors.right: parent.right
                height: parent.height
            }
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
