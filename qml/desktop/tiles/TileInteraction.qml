import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"
import "../../components/menuBar"
import "../../components/dragAndDrop"

// Mouse handling of a tile: drag onto another slot to swap, double click for full screen and back,
// Esc to leave full screen, right click for the tile menu. An empty tile offers the cameras that
// are not on screen.
Item {
    id: interaction
    property Item tile: null
    readonly property bool hasGlobals: typeof globalObjects !== "undefined" && globalObjects !== null
    readonly property var deviceController: hasGlobals ? globalObjects.deviceController : null
    readonly property bool deviceEnabled: tile ? tile.deviceEnabled : true
    readonly property bool isAdmin: hasGlobals ? globalObjects.isAdmin !== false : true
    readonly property var grid: tile ? tile.grid : null
    // Middle and big mode need room beside the big tile; a layout with a big tile of its own
    // has none to give.
    readonly property bool gridHasOwnBigTile: grid ? grid.layoutHasBigTile : true
    readonly property bool middleModeWorks: grid !== null && tile !== null && !tile.isDetached && !gridHasOwnBigTile
                                            && grid.amountColumns >= 3 && grid.amountRows >= 3
    readonly property bool bigModeWorks: middleModeWorks && Math.min(grid.amountColumns, grid.amountRows) - 1 > 2
    readonly property bool isBigTile: grid !== null && tile !== null && !gridHasOwnBigTile && grid.isBigMode
                                      && tile.tileIndex === 0
    readonly property alias menu: menu
    readonly property alias addMenu: addMenu

    function openEditor() {
        var c = Qt.createComponent("qrc:/qml/devices/deviceEditor/DeviceEditor.qml")
        if (c.status !== Component.Ready) {
            globalObjects.showAlert(qsTr("Edit"), qsTr("The device editor is not available in this version."))
            return
        }
        var editor = c.createObject(globalObjects.mainWindow.overlay, { recordId: tile.deviceId })
        if (editor && editor.detach)
            editor.detach(false)
    }
    // Names the camera, and Cancel is what Enter presses: a deletion is not undone.
    function askDelete() {
        var d = globalObjects.showDialog(Enums.dialogQuestion, qsTr("Delete device"), qsTr("Delete selected device?"),
                                         qsTr("Camera: %1").arg(tile.deviceName))
        if (!d)
            return null
        d.defaultButton = Enums.buttonCancel
        var id = Number(tile.deviceId)
        d.accepted.connect(function() { interaction.deviceController.trRemove({ id: id }) })
        return d
    }
    function setEnabled(enabled) {
        deviceController.trUpdate({ id: Number(tile.deviceId), enabled: enabled })
    }
    function toggleFullScreen() {
        if (!tile || tile.isEmpty())
            return
        if (tile.isDetached)
            tile.attach()
        else
            tile.detach(true)
    }
    readonly property bool canOpenDeviceEditor: hasGlobals && typeof globalObjects.openDeviceEditor === "function"
    // The cameras not shown on the grid, offered for an empty tile.
    function offerCameras() {
        if (!grid || !tile)
            return
        addMenu.devices = grid.devicesNotOnScreen()
        addMenu.popup()
    }

    KvoDrag {
        id: dragArea
        anchors.fill: parent
        enabled: interaction.tile !== null
        acceptedButtons: Qt.LeftButton
        hoverEnabled: true
        // Only tiles in the grid are dragged; a detached one still takes the double click.
        container: interaction.hasGlobals && interaction.tile && !interaction.tile.isDetached
                   && !interaction.tile.isEmpty() ? globalObjects.drag : null
        source: interaction.tile ? interaction.tile.holder : null
        text: interaction.tile ? interaction.tile.deviceName : ""
        onContainsMouseChanged: if (interaction.tile) interaction.tile.hovered = containsMouse
        onDraggingChanged: if (interaction.tile) interaction.tile.opacity = dragging && interaction.tile.grid
                                                                          ? interaction.tile.grid.movingTileOpacity : 1
        onClicked: if (interaction.tile.isEmpty()) interaction.offerCameras()
        onDoubleClicked: {
            if (interaction.tile.isEmpty())
                interaction.offerCameras()
            else
                interaction.toggleFullScreen()
        }
    }
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        onClicked: {
            if (interaction.tile.isEmpty()) {
                interaction.offerCameras()
                return
            }
            menu.popup()
        }
    }

    KvoMenu {
        id: addMenu
        objectName: "addCameraMenu"
        property var devices: []
        Instantiator {
            model: addMenu.devices
            delegate: KvoMenuItem {
                text: modelData.deviceName
                onTriggered: interaction.grid.placeDevice(modelData.id, interaction.tile.tileIndex)
            }
            onObjectAdded: addMenu.insertItem(index, object)
            onObjectRemoved: addMenu.removeItem(object)
        }
        KvoMenuItem {
            objectName: "noFreeCameras"
            text: qsTr("All cameras are on screen")
            enabled: false
            visible: addMenu.devices.length === 0
        }
        KvoMenuSeparator { visible: interaction.canOpenDeviceEditor && interaction.isAdmin }
        KvoMenuItem {
            objectName: "newCameraItem"
            text: qsTr("New camera…")
            visible: interaction.canOpenDeviceEditor && interaction.isAdmin
            onTriggered: globalObjects.openDeviceEditor(0)
        }
    }

    KvoMenu {
        id: menu
        objectName: "tileMenu"
        KvoMenuItem {
            objectName: "normalModeItem"
            text: qsTr("Normal mode")
            visible: interaction.isBigTile
            onTriggered: interaction.grid.resetBigTile()
        }
        KvoMenuItem {
            objectName: "middleModeItem"
            text: qsTr("Middle mode")
            visible: interaction.middleModeWorks
            checkable: true
            checked: interaction.isBigTile && !interaction.grid.isExtraBigMode
            onTriggered: interaction.grid.setBigTile(interaction.tile.deviceId, "middle")
        }
        KvoMenuItem {
            objectName: "bigModeItem"
            text: qsTr("Big mode")
            visible: interaction.bigModeWorks
            checkable: true
            checked: interaction.isBigTile && interaction.grid.isExtraBigMode
            onTriggered: interaction.grid.setBigTile(interaction.tile.deviceId, "big")
        }
        KvoMenuSeparator { visible: interaction.middleModeWorks || interaction.isBigTile }
        KvoMenuItem {
            text: interaction.tile && interaction.tile.isDetached ? qsTr("Return to grid") : qsTr("Detach to window")
            onTriggered: interaction.tile.isDetached ? interaction.tile.attach() : interaction.tile.detach(false)
        }
        KvoMenuItem {
            objectName: "fullScreenItem"
            text: interaction.tile && interaction.tile.isFullScreen ? qsTr("Exit full screen") : qsTr("Full screen")
            onTriggered: {
                if (interaction.tile.isFullScreen) {
                    interaction.tile.attach()
                    return
                }
                if (interaction.tile.isDetached)
                    interaction.tile.attach()
                interaction.tile.detach(true)
            }
        }
        KvoMenuItem {
            text: qsTr("Mirror horizontally")
            checkable: true
            checked: interaction.tile && interaction.tile.mirrorHorizontally
            onTriggered: interaction.tile.mirrorHorizontally = !interaction.tile.mirrorHorizontally
        }
        KvoMenuItem {
            text: qsTr("Mirror vertically")
            checkable: true
            checked: interaction.tile && interaction.tile.mirrorVertically
            onTriggered: interaction.tile.mirrorVertically = !interaction.tile.mirrorVertically
        }
        KvoMenuItem {
            text: qsTr("Rotate")
            onTriggered: interaction.tile.rotateAngle = (interaction.tile.rotateAngle + 90) % 360
        }
        KvoMenuItem {
            text: qsTr("Ignore aspect ratio")
            checkable: true
            checked: interaction.tile && interaction.tile.ignoreAspectRatio
            onTriggered: interaction.tile.ignoreAspectRatio = !interaction.tile.ignoreAspectRatio
        }
        KvoMenuItem {
            text: qsTr("Force reconnect")
            onTriggered: interaction.tile.health.forceReconnect()
        }
        KvoMenuSeparator {}
        KvoMenuItem {
            text: qsTr("Edit")
            onTriggered: interaction.openEditor()
        }
        KvoMenuItem {
            objectName: "deleteItem"
            text: qsTr("Delete")
            visible: interaction.isAdmin
            onTriggered: interaction.askDelete()
        }
        KvoMenuItem {
            objectName: "enableItem"
            text: interaction.deviceEnabled ? qsTr("Disable") : qsTr("Enable")
            visible: interaction.isAdmin
            onTriggered: interaction.setEnabled(!interaction.deviceEnabled)
        }
    }
}
