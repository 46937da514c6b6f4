import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../../misc"
import "../../components/text"
import "../../components/dragAndDrop"
import "CameraPlacement.js" as Placement

// One camera of the panel; it can be dragged onto a tile.
Rectangle {
    id: row
    property Item owner: null
    property var camera: ({})
    readonly property bool onGrid: owner && owner.tileGrid ? owner.tileGrid.slotDevices.indexOf(camera.id) >= 0 : false
    objectName: "camera_" + camera.id
    height: KvoAppStyle.rowHeight * 2
    color: drag.containsMouse ? KvoAppStyle.hover : "transparent"

    // What a tile receives when the camera is dropped on it.
    QtObject {
        id: dragSource
        property string cameraId: row.camera.id
        function dropOnSlot(grid, slot) { return Placement.placeCamera(grid, cameraId, slot) }
    }

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: KvoAppStyle.spacing
        anchors.rightMargin: KvoAppStyle.spacing
        spacing: KvoAppStyle.spacing
        Rectangle {
            width: 8
            height: 8
            radius: 4
            color: row.owner && row.owner.isRecording(row.camera.id) ? KvoAppStyle.recording : KvoAppStyle.border
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 0
            KvoText {
                Layout.fillWidth: true
                text: row.camera.name
                elide: Text.ElideRight
                font.bold: row.onGrid
                opacity: row.camera.enabled ? 1 : KvoAppStyle.disabledOpacity
            }
            KvoText {
                Layout.fillWidth: true
                text: row.camera.type + (row.owner ? " · " + row.owner.connectionText(row.camera.id) : "")
                color: KvoAppStyle.textDim
                font.pointSize: KvoAppStyle.fontSizeSmall
                elide: Text.ElideRight
            }
        }
    }
    KvoDrag {
        id: drag
        anchors.fill: parent
        hoverEnabled: true
        container: typeof globalObjects !== "undefined" && globalObjects ? globalObjects.drag : null
        source: dragSource
        text: row.camera.name
        onDoubleClicked: row.owner.putOnFreeTile(row.camera.id)
    }
}
