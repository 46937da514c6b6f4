import QtQuick 2.13
import "../../misc"
import "../../components/dragAndDrop"
import "../../components/text"

// One slot of the grid: its place, a drop target for swapping, and the tile shown in it.
Item {
    id: holder
    property Item grid: null
    property int slotIndex: -1
    property string deviceId: ""
    property Item tile: null
    readonly property var cell: grid ? Utils.cellOfSlot(slotIndex, grid.amountColumns, grid.amountRows,
                                                        grid.spanColumnsBig, grid.spanRowsBig) : null

    x: cell ? cell.column * (grid.cellWidth + grid.spacing) : 0
    y: cell ? cell.row * (grid.cellHeight + grid.spacing) : 0
    width: cell ? cell.columnSpan * grid.cellWidth + (cell.columnSpan - 1) * grid.spacing : 0
    height: cell ? cell.rowSpan * grid.cellHeight + (cell.rowSpan - 1) * grid.spacing : 0

    // Without a tile, or while the tile is in a window of its own: the slot says why it is empty.
    Rectangle {
        anchors.fill: parent
        color: KvoAppStyle.tileBg
        visible: holder.tile === null || holder.tile.isDetached
        KvoText {
            objectName: "holderText"
            anchors.centerIn: parent
            width: Math.min(implicitWidth, holder.width - 4)
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            fontSizeMode: Text.Fit
            minimumPointSize: KvoAppStyle.fontSizeMin
            height: Math.min(implicitHeight, holder.height - 4)
            text: {
                if (holder.tile && holder.tile.isDetached)
                    return holder.tile.isFullScreen ? qsTr("%1 is shown full screen").arg(holder.tile.deviceName)
                                                    : qsTr("%1 is shown in its own window").arg(holder.tile.deviceName)
                return holder.deviceId === "" ? qsTr("Add camera") : ""
            }
            color: KvoAppStyle.textDim
        }
    }

    KvoDrop {
        id: drop
        anchors.fill: parent
        z: 50
        swapMode: holder.deviceId !== ""
        accepts: function(source) {
            if (source === null || source === undefined)
                return false
            // A camera from the camera panel.
            if (source.cameraId !== undefined)
                return source.cameraId !== holder.deviceId
            return source.slotIndex !== undefined && source.slotIndex !== holder.slotIndex
        }
        onDroppedSource: {
            if (source.cameraId !== undefined)
                source.dropOnSlot(holder.grid, holder.slotIndex)
            else
                holder.grid.swapTilesByIndex(source.slotIndex, holder.slotIndex)
        }
    }

    function createTile() {
        if (tile || !grid || !grid.tileComponent)
            return
        tile = grid.tileComponent.createObject(holder, { holder: holder })
        if (!tile)
            return
        tile.anchors.fill = holder
        tile.deviceId = Qt.binding(function() { return holder.deviceId })
        grid.initTile(tile, slotIndex)
    }
    // The tile component arrives with the global objects, which may load after the grid.
    Connections {
        target: holder.grid
        function onTileComponentChanged() { holder.createTile() }
    }
    onSlotIndexChanged: if (tile) tile.tileIndex = slotIndex
    Component.onCompleted: createTile()
    Component.onDestruction: if (tile) tile.destroy()
}
