import QtQuick 2.13
import QtTest 1.2
import KVO 1.0
import QmlVlc 0.1
import "../globalObjects"
import "../desktop/tiles"

// The tiles of a grid as an operator uses them: their menu, full screen, empty tiles, deletion,
// disabling, motion and a lost connection.
Item {
    id: root
    width: 1280
    height: 800

    Item {
        id: mainWindowFake
        anchors.fill: parent
        property var created: []
        function createObjInMainContext(component, properties) {
            var o = component.createObject(mainWindowFake, properties)
            created = created.concat([o])
            return o
        }
    }

    GlobalObjects {
        id: globalObjects
        mainWindow: mainWindowFake
    }

    TileGrid {
        id: grid
        anchors.fill: parent
        persistTileIndex: true
    }

    TestCase {
        name: "TileInteraction"
        when: windowShown
        property var devices: globalObjects.deviceController

        function initTestCase() {
            grid.refillGrid("S2_2")
        }
        function init() {
            globalObjects.isAdmin = true
            globalObjects.connectionLost = false
            devices.originalModel.clear()
            devices.saGetList({ _receiver: devices.objectNumber, entries: [
                { id: 1, deviceName: "placeholder" },
                { id: 4, deviceName: "Gate", enabled: true, tileIndex: 0 },
                { id: 6, deviceName: "Yard", enabled: true, tileIndex: 1 }
            ] })
            grid.refillGrid("S2_2")
            grid.refillGrid()
            devices.requests = []
            mainWindowFake.created = []
        }
        function cleanup() {
            for (var i = 0; i < 4; ++i) {
                var t = tileAt(i)
                if (t && t.isDetached)
                    t.attach()
            }
        }
        function tileAt(slot) {
            var holder = findChild(grid, "tileHolder_" + slot)
            return holder ? holder.tile : null
        }
        function tileOf(deviceId) {
            return tileAt(grid.findTile(deviceId))
        }
        function item(menu, name) {
            for (var i = 0; i < menu.count; ++i) {
                var it = menu.itemAt(i)
                if (it && it.objectName === name)
                    return it
            }
            return null
        }

        function test_disable_is_undone_by_enable_and_the_tile_says_disabled() {
            var tile = tileOf("4")
            var toggle = item(tile.interaction.menu, "enableItem")
            compare(toggle.text, "Disable")
            toggle.triggered()
            compare(devices.requestsOf("trUpdate")[0].params, { id: 4, enabled: false })
            // The server's refresh changes the record in place.
            devices.originalModel.addRow({ id: 4, deviceName: "Gate", enabled: false, tileIndex: 0 })
            compare(toggle.text, "Enable")
            compare(tile.decorate.statusText, "Camera is disabled")
            toggle.triggered()
            compare(devices.requestsOf("trUpdate")[1].params, { id: 4, enabled: true })
        }

        function test_operators_cannot_disable_or_delete() {
            var menu = tileOf("4").interaction.menu
            menu.popup()
            verify(item(menu, "enableItem").visible)
            verify(item(menu, "deleteItem").visible)
            globalObjects.isAdmin = false
            verify(!item(menu, "enableItem").visible)
            verify(!item(menu, "deleteItem").visible)
            compare(item(menu, "deleteItem").height, 0, "a hidden item takes no room")
            menu.close()
        }

        function test_double_click_and_escape_leave_full_screen() {
            var tile = tileOf("4")
            mouseDoubleClickSequence(tile)
            verify(tile.isFullScreen, "a double click enters full screen")
            mouseDoubleClickSequence(tile)
            verify(!tile.isDetached, "a double click in full screen returns the tile")
            compare(tile.parent, findChild(grid, "tileHolder_0"))
            mouseDoubleClickSequence(tile)
            verify(tile.isFullScreen)
            var esc = findChild(tile.frameWindow, "escapeShortcut")
            verify(esc !== null)
            verify(esc.enabled)
            compare(esc.sequence, "Esc")
            esc.activated()
            verify(!tile.isDetached, "Esc returns the tile")
            // The full-screen entry of the menu also leads back.
            tile.detach(true)
            var full = item(tile.interaction.menu, "fullScreenItem")
            compare(full.text, "Exit full screen")
            full.triggered()
            verify(!tile.isDetached)
        }

        function test_slot_of_a_detached_tile_says_where_it_went() {
            var tile = tileOf("6")
            tile.detach(false)
            var text = findChild(findChild(grid, "tileHolder_1"), "holderText")
            verify(text.visible)
            compare(text.text, "Yard is shown in its own window")
            tile.attach()
            verify(!text.visible)
        }

        function test_empty_tile_offers_the_cameras_not_on_screen() {
            devices.originalModel.addRow({ id: 9, deviceName: "Roof", enabled: true })
            // Roof is off screen: the grid was laid out before it came.
            grid.slotDevices = ["4", "6", "", ""]
            var empty = tileAt(2)
            verify(empty.isEmpty())
            var menu = empty.interaction.addMenu
            mouseClick(empty)
            verify(menu.visible, "a click opens the choice")
            compare(menu.devices, [{ id: "9", deviceName: "Roof" }])
            verify(!item(menu, "noFreeCameras").visible)
            var roof = null
            for (var i = 0; i < menu.count; ++i) {
                if (menu.itemAt(i).text === "Roof")
                    roof = menu.itemAt(i)
            }
            verify(roof !== null)
            roof.triggered()
            menu.close()
            compare(grid.slotDevices[2], "9")
            compare(devices.requestsOf("trUpdate")[0].params, { id: 9, tileIndex: 2 })
            // Right click and double click offer it as well.
            var other = tileAt(3)
            mouseClick(other, 5, 5, Qt.RightButton)
            verify(other.interaction.addMenu.visible)
            verify(item(other.interaction.addMenu, "noFreeCameras").visible)
            other.interaction.addMenu.close()
            // Without a camera editor in this build there is no "New camera…".
            verify(!item(other.interaction.addMenu, "newCameraItem").visible)
        }

        function test_modes_offered_only_where_they_work() {
            var menu = tileOf("4").interaction.menu
            menu.popup()
            verify(!item(menu, "middleModeItem").visible, "2×2 has no room for a middle tile")
            verify(!item(menu, "bigModeItem").visible)
            grid.refillGrid("S3_3")
            verify(item(menu, "middleModeItem").visible)
            verify(!item(menu, "bigModeItem").visible, "big equals middle in 3×3")
            grid.refillGrid("S4_4")
            verify(item(menu, "bigModeItem").visible)
            verify(!item(menu, "normalModeItem").visible)
            item(menu, "middleModeItem").triggered()
            var big = tileAt(0)
            var bigMenu = big.interaction.menu
            menu.close()
            bigMenu.popup()
            verify(item(bigMenu, "middleModeItem").checked)
            verify(!item(bigMenu, "bigModeItem").checked)
            verify(item(bigMenu, "normalModeItem").visible)
            item(bigMenu, "bigModeItem").triggered()
            verify(item(bigMenu, "bigModeItem").checked)
            item(bigMenu, "normalModeItem").triggered()
            verify(!grid.isBigMode)
            // A detached tile has no mode to offer.
            big.detach(false)
            verify(!item(bigMenu, "middleModeItem").visible)
            big.attach()
            bigMenu.close()
            grid.refillGrid("S2_2")
        }

        function test_delete_names_the_camera_and_enter_cancels() {
            var tile = tileOf("6")
            var d = tile.interaction.askDelete()
            verify(d !== null)
            compare(d.text, "Delete selected device?")
            compare(d.explanation, "Camera: Yard")
            compare(d.defaultButton, "cancel")
            d.forceActiveFocus()
            keyClick(Qt.Key_Return)
            compare(devices.requestsOf("trRemove").length, 0, "Enter does not delete")
        }

        function test_motion_regions_are_drawn_beside_filtered_objects() {
            var tile = tileOf("4")
            tile.filterDetectetObjectNames = ["car"]
            devices.srObjectsDetected({ rstIDDevice: 4, objects: [
                { name: "motion", probability: 1, x: 0.1, y: 0.1, width: 0.2, height: 0.2 },
                { name: "person", probability: 0.9, x: 0.5, y: 0.5, width: 0.1, height: 0.1 }
            ] })
            compare(tile.detectetObjectNames.length, 1)
            compare(tile.detectetObjectNames[0].name, "motion")
            var rect = findChild(tile, "motionRect")
            verify(rect !== null, "the motion region is drawn")
            verify(rect.color.a > 0, "in its own, filled style")
            tile.filterDetectetObjectNames = []
        }

        function test_lost_connection_shows_reconnecting_and_no_running_time() {
            var tile = tileOf("4")
            var recs = globalObjects.deviceRecStateController
            recs.originalModel.addRow({ id: 11, rstIDDevice: 4, recState: "recording", dtRecStarted: Date.now() - 5000 })
            ++globalObjects.recStateRevision
            verify(findChild(tile, "recTimer").visible)
            globalObjects.connectionLost = true
            compare(tile.decorate.statusText, "Reconnecting")
            verify(!findChild(tile, "recTimer").visible, "no running time for a server that is gone")
            verify(findChild(tile, "recUnknownText").visible)
            globalObjects.connectionLost = false
            verify(findChild(tile, "recTimer").visible)
            recs.originalModel.clear()
            ++globalObjects.recStateRevision
        }

        // In the crowded layouts the label of an empty tile stays whole and inside its tile, and
        // the name bar hides until the mouse is over the tile.
        function test_crowded_layouts_keep_labels_whole() {
            var layouts = ["S6_6", "S8_8"]
            for (var l = 0; l < layouts.length; ++l) {
                grid.refillGrid(layouts[l])
                var empty = tileAt(grid.realAmountTiles - 1)
                verify(empty.isEmpty())
                var label = findChild(empty, "addCameraText")
                var box = label.mapToItem(empty, 0, 0)
                verify(box.y >= 0 && box.y + label.height <= empty.height + 0.5,
                       layouts[l] + ": the label is inside the tile " + box.y + " " + label.height + " " + empty.height)
                verify(label.contentWidth <= label.width + 0.5, layouts[l] + ": the label is not cut")
                var shown = tileOf("4")
                verify(!findChild(shown, "nameBar").visible, "the name bar hides in " + layouts[l])
                shown.hovered = true
                verify(findChild(shown, "nameBar").visible)
                shown.hovered = false
            }
            grid.refillGrid("S2_2")
            verify(findChild(tileOf("4"), "nameBar").visible)
        }
    }
}
