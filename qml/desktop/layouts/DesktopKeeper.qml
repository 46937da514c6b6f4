import QtQuick 2.13
import QtQml.Models 2.2
import QtQuick.Window 2.12
import KVO 1.0
import "../../misc"
import "../../components"

// The user's saved layouts and the desktop's screen state: it captures and applies layouts on the
// tile grid, switches them with Ctrl+1…Ctrl+9, and writes the state of the screen (arrangement,
// window, detached tiles, split) on every change so that the next start restores it.
Item {
    id: keeper
    objectName: "desktopKeeper"
    property Item desktop: null
    property Item tileGrid: desktop ? desktop.tileGrid : null
    readonly property var go: typeof globalObjects !== "undefined" && globalObjects ? globalObjects : null
    readonly property var window: go ? go.mainWindow : null
    readonly property alias controller: layoutController
    readonly property alias store: stateStore
    readonly property var layouts: layoutController.layouts
    property string currentName: ""
    property bool restored: false
    property string _lastSnapshot: ""

    signal layoutApplied(string name)

    function setting(key) {
        return typeof SETTINGS !== "undefined" && SETTINGS ? SETTINGS.value(key) : undefined
    }
    function stateFile() {
        var path = setting("desktop/screenStateFile")
        return path ? String(path) : "../var/lib/vizEDA/screenState.json"
    }
    function cacheFile() {
        var prefix = go && go.isP2P ? "p2pServer/" : "server/"
        var key = [setting(prefix + "ip"), setting(prefix + "port"), setting(prefix + "user")].join("_")
        return "../var/lib/vizEDA/layouts/" + key.replace(/[^A-Za-z0-9_.-]/g, "-") + ".json"
    }

    // Slot holders of the grid, by slot.
    function holders() {
        var result = []
        if (!tileGrid)
            return result
        var children = tileGrid.contentArea.children
        for (var i = 0; i < children.length; ++i) {
            var h = children[i]
            if (h.slotIndex !== undefined && h.tile !== undefined && h.slotIndex >= 0)
                result[h.slotIndex] = h
        }
        return result
    }

    // The current arrangement: grid size and, per occupied tile, the camera and its display choices.
    function capture() {
        var tiles = []
        if (!tileGrid)
            return { gridSize: "", tiles: tiles }
        var hs = holders()
        for (var i = 0; i < tileGrid.slotDevices.length; ++i) {
            var id = tileGrid.slotDevices[i]
            if (id === "")
                continue
            var t = hs[i] ? hs[i].tile : null
            tiles.push({
                slot: i, deviceId: id,
                mirrorHorizontally: t ? t.mirrorHorizontally : false,
                mirrorVertically: t ? t.mirrorVertically : false,
                rotateAngle: t ? t.rotateAngle : 0,
                ignoreAspectRatio: t ? t.ignoreAspectRatio : false
            })
        }
        return { gridSize: tileGrid.currentSize, tiles: tiles }
    }

    // Shows a layout: its grid size, its cameras on their tiles (cameras that no longer exist are
    // left out) and each tile's display choices. The cameras keep their new places.
    function apply(layout) {
        if (!tileGrid || !layout || !layout.gridSize)
            return false
        tileGrid.refillGrid(layout.gridSize)
        var known = {}
        var devices = tileGrid.deviceList()
        for (var d = 0; d < devices.length; ++d)
            known[devices[d].id] = devices[d]
        var slots = []
        for (var s = 0; s < tileGrid.realAmountTiles; ++s)
            slots.push("")
        var options = {}
        var tiles = layout.tiles || []
        for (var i = 0; i < tiles.length; ++i) {
            var id = String(tiles[i].deviceId)
            var slot = Number(tiles[i].slot)
            if (known[id] && slot >= 0 && slot < slots.length && slots[slot] === "" && slots.indexOf(id) < 0) {
                slots[slot] = id
                options[slot] = tiles[i]
            }
        }
        tileGrid.slotDevices = slots
        for (var k in known) {
            var index = slots.indexOf(k)
            if (known[k].tileIndex !== index)
                tileGrid.saveTileIndex(k, index)
        }
        var hs = holders()
        for (var h = 0; h < hs.length; ++h) {
            var t = hs[h] ? hs[h].tile : null
            if (!t)
                continue
            var o = options[h] || {}
            t.mirrorHorizontally = o.mirrorHorizontally === true
            t.mirrorVertically = o.mirrorVertically === true
            t.rotateAngle = Number(o.rotateAngle || 0)
            t.ignoreAspectRatio = o.ignoreAspectRatio === true
        }
        currentName = layout.name || ""
        saveState()
        layoutApplied(currentName)
        return true
    }

    function switchTo(index) {
        var list = layoutController.layouts
        if (index < 0 || index >= list.length || !apply(list[index]))
            return false
        stateStore.setValue("layoutShownAt", layoutController.markShown(list[index].id))
        return true
    }
    // After a log-in: the layout the user last switched to, when that was on another workstation
    // (or here while the link was down and is already sent) later than the last switch here.
    property bool _followServer: false
    function followServer() {
        if (!_followServer || !restored || layoutController.fromCache)
            return
        _followServer = false
        var list = layoutController.layouts
        var last = null
        for (var i = 0; i < list.length; ++i) {
            if (list[i].lastShown > 0 && (!last || list[i].lastShown > last.lastShown))
                last = list[i]
        }
        if (!last || last.lastShown <= Number(stateStore.value("layoutShownAt", 0)))
            return
        stateStore.setValue("layoutShownAt", last.lastShown)
        if (last.name !== currentName)
            apply(last)
    }
    function renameCurrent(name) {
        var index = layoutController.indexOfName(currentName)
        if (currentName === "" || index < 0 || !layoutController.renameLayout(layoutController.layouts[index].id, name))
            return false
        currentName = String(name).trim()
        saveState()
        return true
    }
    function saveAs(name) {
        var c = capture()
        if (!layoutController.saveLayout(name, c.gridSize, c.tiles))
            return false
        currentName = String(name).trim()
        saveState()
        return true
    }

    function detachedTiles() {
        var result = []
        var hs = holders()
        for (var i = 0; i < hs.length; ++i) {
            var t = hs[i] ? hs[i].tile : null
            if (!t || !t.isDetached || !t.frameWindow || t.deviceId === "")
                continue
            var w = t.frameWindow
            result.push({ deviceId: t.deviceId, x: w.x, y: w.y, width: w.width, height: w.height,
                          fullScreen: t.isFullScreen === true })
        }
        return result
    }
    function windowState() {
        if (!window)
            return null
        return { x: window.x, y: window.y, width: window.width, height: window.height,
                 maximized: window.visibility === Window.Maximized || window.visibility === Window.FullScreen }
    }
    function splitState() {
        if (!desktop || !desktop.eventsHolder || desktop.height <= 0)
            return null
        return { eventsHidden: desktop.eventsHidden,
                 eventsRatio: desktop.eventsHidden ? desktop._eventsHeight / desktop.height
                                                   : desktop.eventsHolder.height / desktop.height }
    }

    // Writes what changed since the last write; the store puts it on disk right after.
    function saveState() {
        if (!restored)
            return
        var snapshot = { layout: capture(), name: currentName, window: windowState(),
                         detached: detachedTiles(), split: splitState() }
        var text = JSON.stringify(snapshot)
        if (text === _lastSnapshot)
            return
        _lastSnapshot = text
        stateStore.setValue("layout", snapshot.layout)
        stateStore.setValue("layoutName", snapshot.name)
        if (snapshot.window)
            stateStore.setValue("window", snapshot.window)
        stateStore.setValue("detached", snapshot.detached)
        if (snapshot.split)
            stateStore.setValue("split", snapshot.split)
    }

    function restoreWindow() {
        var w = stateStore.value("window")
        if (!window || !w)
            return
        if (w.maximized) {
            window.visibility = Window.Maximized
            return
        }
        window.visibility = Window.Windowed
        window.x = w.x
        window.y = w.y
        window.width = Math.max(window.minimumWidth, w.width)
        window.height = Math.max(window.minimumHeight, w.height)
    }
    function restoreSplit() {
        var s = stateStore.value("split")
        if (!s || !desktop || desktop.height <= 0)
            return
        desktop._eventsHeight = Math.max(80, s.eventsRatio * desktop.height)
        if (s.eventsHidden)
            desktop.stretchContainer()
    }
    function restoreDetached() {
        var list = stateStore.value("detached") || []
        var hs = holders()
        for (var i = 0; i < list.length; ++i) {
            for (var h = 0; h < hs.length; ++h) {
                var t = hs[h] ? hs[h].tile : null
                if (!t || t.deviceId !== String(list[i].deviceId) || t.isDetached)
                    continue
                var w = t.detach(list[i].fullScreen === true)
                if (w && list[i].fullScreen !== true) {
                    w.x = list[i].x
                    w.y = list[i].y
                    w.width = list[i].width
                    w.height = list[i].height
                }
            }
        }
    }
    // Once the cameras are known: the arrangement, then the windows of the detached tiles.
    function restoreDesktop() {
        if (restored)
            return
        var layout = stateStore.value("layout")
        if (layout && layout.gridSize)
            apply({ name: stateStore.value("layoutName", ""), gridSize: layout.gridSize, tiles: layout.tiles })
        currentName = String(stateStore.value("layoutName", ""))
        restoreDetached()
        restoreSplit()
        restored = true
        console.info("Desktop restored " + (Date.now() - startTime) + " ms after the screen state was read: grid "
                     + (tileGrid ? tileGrid.currentSize : "") + ", detached windows " + detachedTiles().length)
        saveState()
        followServer()
    }
    property double startTime: 0

    ScreenStateStore {
        id: stateStore
    }
    DesktopLayoutController {
        id: layoutController
    }

    Connections {
        target: keeper.go ? keeper.go : null
        ignoreUnknownSignals: true
        function onIsAuthorizedChanged() {
            if (keeper.go.isAuthorized) {
                keeper._followServer = true
                layoutController.refresh()
            }
        }
    }
    Connections {
        target: layoutController
        function onLayoutsChanged() { keeper.followServer() }
    }
    Connections {
        target: keeper.go && keeper.go.deviceController ? keeper.go.deviceController.originalModel : null
        ignoreUnknownSignals: true
        function onRowCountChanged() { if (!keeper.restored) restoreLater.restart() }
    }
    // After the grid has placed the new device list (it does so on the next turn of the loop).
    Timer {
        id: restoreLater
        interval: 50
        onTriggered: keeper.restoreDesktop()
    }
    Connections {
        target: keeper.tileGrid
        ignoreUnknownSignals: true
        function onSlotDevicesChanged() { Qt.callLater(keeper.saveState) }
        function onCurrentSizeChanged() { Qt.callLater(keeper.saveState) }
    }
    Connections {
        target: keeper.window
        ignoreUnknownSignals: true
        function onVisibilityChanged() { Qt.callLater(keeper.saveState) }
        function onXChanged() { Qt.callLater(keeper.saveState) }
        function onYChanged() { Qt.callLater(keeper.saveState) }
        function onWidthChanged() { Qt.callLater(keeper.saveState) }
        function onHeightChanged() { Qt.callLater(keeper.saveState) }
    }
    // Tile choices, detached windows and the split have no common signal: compared twice a second.
    Timer {
        interval: 500
        repeat: true
        running: keeper.restored
        onTriggered: keeper.saveState()
    }

    Instantiator {
        model: 9
        KvoShortcut {
            sequence: "Ctrl+" + (index + 1)
            enabled: keeper.desktop !== null && keeper.desktop.visible
            onActivated: keeper.switchTo(index)
        }
    }

    Component.onCompleted: {
        startTime = Date.now()
        stateStore.filePath = stateFile()
        layoutController.cacheFile = cacheFile()
        restoreWindow()
        if (go && go.isAuthorized) {
            _followServer = true
            layoutController.refresh()
        }
        // Nothing is written before the cameras are known, so a start without server keeps the
        // saved state for the next start.
        if (go && go.deviceController && go.deviceController.originalModel.rowCount > 0)
            restoreLater.start()
    }
    Component.onDestruction: {
        saveState()
        stateStore.flush()
    }
}
