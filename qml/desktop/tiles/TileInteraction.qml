import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"
import "../../components/menuBar"
import "../../components/dragAndDrop"

// Mouse handling of a tile: drag onto another slot to swap, double click for full screen,
// right click for the tile menu.
Item {
    id: interaction
    property Item tile: null
    readonly property var deviceController: typeof globalObjects !== "undefined" && globalObjects ? globalObjects.deviceController : null
    readonly property bool deviceEnabled: tile && tile.deviceRecord ? tile.deviceRecord.enabled !== false : true

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
    function askDelete() {
        var d = globalObjects.showDialog(Enums.dialogQuestion, qsTr("Delete device"), qsTr("Delete selected device?"))
        if (!d)
            return
        var id = Number(tile.deviceId)
        d.accepted.connect(function() { interaction.deviceController.trRemove({ id: id }) })
    }
    function setEnabled(enabled) {
        deviceController.trUpdate({ id: Number(tile.deviceId), enabled: enabled })
    }

    KvoDrag {
        id: dragArea
        anchors.fill: parent
        enabled: interaction.tile !== null && !interaction.tile.isDetached && !interaction.tile.isEmpty()
        acceptedButtons: Qt.LeftButton
        container: typeof globalObjects !== "undefined" && globalObjects ? globalObjects.drag : null
        source: interaction.tile ? interaction.tile.holder : null
        text: interaction.tile ? interaction.tile.deviceName : ""
        onDraggingChanged: if (interaction.tile) interaction.tile.opacity = dragging && interaction.tile.grid
                                                                          ? interaction.tile.grid.movingTileOpacity : 1
        onDoubleClicked: {
            if (interaction.tile.isDetached)
                interaction.tile.attach()
            else
                interaction.tile.detach(true)
        }
    }
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        onClicked: {
            if (interaction.tile.isEmpty()) {
                if (interaction.tile.grid)
                    interaction.tile.grid.addCameraRequested()
                return
            }
            menu.popup()
        }
    }
    Keys.onEscapePressed: if (tile && tile.isDetached) tile.attach()

    KvoMenu {
        id: menu
        KvoMenuItem {
            text: qsTr("Middle mode")
            enabled: interaction.tile && interaction.tile.grid && interaction.tile.grid.amountColumns >= 3
            onTriggered: interaction.tile.grid.setBigTile(interaction.tile.deviceId, "middle")
        }
        KvoMenuItem {
            text: qsTr("Big mode")
            enabled: interaction.tile && interaction.tile.grid && interaction.tile.grid.amountColumns >= 3
            onTriggered: interaction.tile.grid.setBigTile(interaction.tile.deviceId, "big")
        }
        KvoMenuSeparator {}
        KvoMenuItem {
            text: interaction.tile && interaction.tile.isDetached ? qsTr("Return to grid") : qsTr("Detach to window")
            onTriggered: interaction.tile.isDetached ? interaction.tile.attach() : interaction.tile.detach(false)
        }
        KvoMenuItem {
            text: qsTr("Full screen")
            onTriggered: {
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
            text: qsTr("Delete")
            onTriggered: interaction.askDelete()
        }
        KvoMenuItem {
            text: interaction.deviceEnabled ? qsTr("Disable") : qsTr("Enable")
            onTriggered: interaction.setEnabled(!interaction.deviceEnabled)
        }
    }
}
