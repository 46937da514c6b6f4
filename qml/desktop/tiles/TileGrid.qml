import QtQuick 2.13
import "../../misc"
import "../../components"

// The grid of live tiles. `slotDevices[i]` is the device id shown in slot i ("" for a free slot);
// slot 0 is the big tile in the big layouts. Devices keep their slot through the "tileIndex" field
// of their record.
KvoFrame {
    id: tileGrid
    objectName: "tileGrid"
    title: qsTr("Tile grid")
    property real aspectRatio: 16 / 9
    property real movingTileOpacity: KvoAppStyle.movingOpacity
    property int amountColumns: 2
    property int amountRows: 2
    property int spanColumnsBig: 1
    property int spanRowsBig: 1
    property int spacing: 2
    property string currentSize: ""
    property int detachedWindowWidth: KvoAppStyle.detachedWidth
    property int detachedWindowHeight: KvoAppStyle.detachedHeight
    property real parentAcpectRatio: height > 0 ? width / height : aspectRatio
    readonly property int totalAmountTiles: amountColumns * amountRows
    readonly property int totalAmountTilesInBig: isBigMode ? spanColumnsBig * spanRowsBig : 0
    readonly property int realAmountTiles: Utils.slotCount(amountColumns, amountRows, spanColumnsBig, spanRowsBig)
    readonly property bool isBigMode: spanColumnsBig * spanRowsBig > 1
    property bool isExtraBigMode: false
    // The chosen layout has a big tile of its own (it is not the middle or big mode of a tile).
    readonly property bool layoutHasBigTile: {
        var size = Utils.gridSize(currentSize)
        return size !== null && size.spanColumnsBig * size.spanRowsBig > 1
    }

    property var deviceController: typeof globalObjects !== "undefined" && globalObjects ? globalObjects.deviceController : null
    property Component tileComponent: typeof globalObjects !== "undefined" && globalObjects ? globalObjects.tileComponent : null
    property var slotDevices: []
    property bool persistTileIndex: true
    readonly property real cellWidth: amountColumns > 0 ? (contentArea.width - spacing * (amountColumns - 1)) / amountColumns : 0
    readonly property real cellHeight: amountRows > 0 ? (contentArea.height - spacing * (amountRows - 1)) / amountRows : 0

    signal addCameraRequested()

    function setting(key) {
        return typeof SETTINGS !== "undefined" && SETTINGS ? SETTINGS.value(key) : undefined
    }

    // Sets columns, rows and the big span of a named layout; false for an unknown name.
    function applyCurrentSize(name) {
        var size = Utils.gridSize(name)
        if (!size)
            return false
        amountColumns = size.columns
        amountRows = size.rows
        spanColumnsBig = size.spanColumnsBig
        spanRowsBig = size.spanRowsBig
        isExtraBigMode = false
        currentSize = name
        return true
    }

    // Devices in a stable order (by id) with their saved slot.
    function deviceList() {
        var result = []
        if (!deviceController || !deviceController.originalModel)
            return result
        var rows = deviceController.originalModel.rows()
        for (var i = 0; i < rows.length; ++i) {
            if (Number(rows[i].id) > 1) {
                var saved = rows[i].tileIndex
                result.push({ id: String(rows[i].id), tileIndex: saved === undefined || saved === null ? -1 : Number(saved) })
            }
        }
        result.sort(function(a, b) { return Number(a.id) - Number(b.id) })
        return result
    }

    function tileIsFree(index, slots) {
        var s = slots || slotDevices
        return index >= 0 && index < s.length && s[index] === ""
    }
    function findFreeTile(slots) {
        var s = slots || slotDevices
        for (var i = 0; i < s.length; ++i) {
            if (s[i] === "")
                return i
        }
        return -1
    }
    function findTile(deviceId) {
        return slotDevices.indexOf(String(deviceId))
    }

    // Places the devices: first every device whose saved slot exists and is free, then the rest
    // into the first free slots; devices that do not fit are not shown.
    function placeDevices(devices, count) {
        var slots = []
        for (var i = 0; i < count; ++i)
            slots.push("")
        var rest = []
        for (var d = 0; d < devices.length; ++d) {
            var t = devices[d].tileIndex
            if (t >= 0 && t < count && slots[t] === "")
                slots[t] = devices[d].id
            else
                rest.push(devices[d].id)
        }
        for (var r = 0; r < rest.length; ++r) {
            var free = findFreeTile(slots)
            if (free < 0)
                break
            slots[free] = rest[r]
        }
        return slots
    }

    function refillGrid(name) {
        if (name !== undefined && name !== currentSize) {
            if (!applyCurrentSize(name))
                return false
            if (typeof SETTINGS !== "undefined" && SETTINGS)
                SETTINGS.setValue("desktop/gridSize", name)
        }
        slotDevices = placeDevices(deviceList(), realAmountTiles)
        return true
    }

    function saveTileIndex(deviceId, index) {
        if (deviceId === "" || !persistTileIndex || !deviceController || !Utils.hasFunction(deviceController, "trUpdate"))
            return
        deviceController.trUpdate({ id: Number(deviceId), tileIndex: index })
    }

    // Exchanges the contents of two slots (either may be free) and keeps the new places.
    function swapTilesByIndex(from, to) {
        if (from === to || from < 0 || to < 0 || from >= slotDevices.length || to >= slotDevices.length)
            return false
        var slots = slotDevices.slice()
        var a = slots[from]
        slots[from] = slots[to]
        slots[to] = a
        slotDevices = slots
        saveTileIndex(slots[from], from)
        saveTileIndex(slots[to], to)
        return true
    }

    // Moves a device into slot 0 with a span of cells: "middle" 2×2, "big" all but one row and column.
    function setBigTile(deviceId, mode) {
        var cols = amountColumns, rows = amountRows
        if (cols < 3 || rows < 3)
            return false
        var span = mode === "big" ? Math.min(cols, rows) - 1 : 2
        var index = findTile(deviceId)
        if (index > 0)
            swapTilesByIndex(index, 0)
        spanColumnsBig = span
        spanRowsBig = span
        isExtraBigMode = mode === "big"
        slotDevices = placeDevices(slotsAsDevices(), realAmountTiles)
        return true
    }
    // Back from middle or big mode to the layout's own cells.
    function resetBigTile() {
        var size = Utils.gridSize(currentSize)
        if (!size || !isBigMode || layoutHasBigTile)
            return false
        spanColumnsBig = size.spanColumnsBig
        spanRowsBig = size.spanRowsBig
        isExtraBigMode = false
        slotDevices = placeDevices(slotsAsDevices(), realAmountTiles)
        return true
    }

    // The devices the grid does not show, by name, for an empty tile to offer.
    function devicesNotOnScreen() {
        var result = []
        if (!deviceController || !deviceController.originalModel)
            return result
        var rows = deviceController.originalModel.rows()
        for (var i = 0; i < rows.length; ++i) {
            var id = String(rows[i].id)
            if (Number(id) > 1 && slotDevices.indexOf(id) < 0)
                result.push({ id: id, deviceName: String(rows[i].deviceName || id) })
        }
        result.sort(function(a, b) { return a.deviceName.localeCompare(b.deviceName) })
        return result
    }

    // Shows a device in a free slot and keeps that place for it.
    function placeDevice(deviceId, index) {
        var id = String(deviceId)
        if (!tileIsFree(index) || findTile(id) >= 0)
            return false
        var slots = slotDevices.slice()
        slots[index] = id
        slotDevices = slots
        saveTileIndex(id, index)
        return true
    }

    function slotsAsDevices() {
        var list = []
        for (var i = 0; i < slotDevices.length; ++i) {
            if (slotDevices[i] !== "")
                list.push({ id: slotDevices[i], tileIndex: i })
        }
        var all = deviceList()
        for (var d = 0; d < all.length; ++d) {
            if (slotDevices.indexOf(all[d].id) < 0)
                list.push({ id: all[d].id, tileIndex: -1 })
        }
        return list
    }

    function initTile(tile, index) {
        if (!tile)
            return
        tile.tileIndex = index
        tile.grid = tileGrid
    }

    Connections {
        target: tileGrid.deviceController ? tileGrid.deviceController.originalModel : null
        ignoreUnknownSignals: true
        function onRowCountChanged() { Qt.callLater(tileGrid.refillGrid) }
        function onModelReset() { Qt.callLater(tileGrid.refillGrid) }
    }

    Rectangle {
        anchors.fill: parent
        color: KvoAppStyle.bgDark
    }
    Repeater {
        id: holders
        model: tileGrid.realAmountTiles
        TileHolder {
            grid: tileGrid
            slotIndex: index
            objectName: "tileHolder_" + index
            deviceId: tileGrid.slotDevices[index] !== undefined ? tileGrid.slotDevices[index] : ""
        }
    }

    Component.onCompleted: {
        var saved = setting("desktop/gridSize")
        if (!applyCurrentSize(saved ? String(saved) : Utils.defaultGridSize))
            applyCurrentSize(Utils.defaultGridSize)
        refillGrid()
        if (typeof globalObjects !== "undefined" && globalObjects)
            globalObjects.tileGrid = tileGrid
    }
}
