import QtQuick 2.13
import QtTest 1.2

// The camera panel beside the grid, with the server's cameras: the filter narrows the list, a
// camera dragged onto an occupied tile swaps as the grid does, a double-click puts a camera on the
// first free tile.
TestCase {
    id: testCase
    name: "CameraPanel"
    when: windowShown

    ScreenFixture {
        id: fx
        testCase: testCase
    }

    DesktopShot {
        id: shots
        fixture: fx
    }

    property var panel: null
    property var grid: null

    function fileTypeId() {
        var answer = SERVER.request({ FN: "deviceType_trGetList", _receiver: "9" }, "deviceType_saGetList")
        for (var i = 0; i < answer.entries.length; ++i) {
            if (answer.entries[i].code === 4)
                return answer.entries[i].id
        }
        return 1
    }
    function holder(slot) {
        var children = grid.contentArea.children
        for (var i = 0; i < children.length; ++i) {
            if (children[i].slotIndex === slot)
                return children[i]
        }
        return null
    }
    function idOf(name) {
        var rows = fx.globalObjects.deviceRows()
        for (var i = 0; i < rows.length; ++i) {
            if (rows[i].deviceName === name)
                return String(rows[i].id)
        }
        return ""
    }
    // Drags with the mouse, in small steps, from the centre of one item to the centre of another.
    function dragOnto(from, to) {
        var start = from.mapToItem(fx.window.contentItem, from.width / 2, from.height / 2)
        var end = to.mapToItem(fx.window.contentItem, to.width / 2, to.height / 2)
        var root = fx.window.contentItem
        mousePress(from, from.width / 2, from.height / 2)
        for (var i = 1; i <= 20; ++i)
            mouseMove(root, start.x + (end.x - start.x) * i / 20, start.y + (end.y - start.y) * i / 20, 10)
        var hint = fx.globalObjects.drag.hint
        mouseRelease(root, end.x, end.y)
        return hint
    }

    function initTestCase() {
        fx.startClient()
        var type = fileTypeId()
        var names = ["Gate north", "Gate south", "Parking"]
        for (var i = 0; i < names.length; ++i) {
            var made = SERVER.request({ FN: "device_trCreate", _receiver: "9", deviceName: names[i],
                                        source: SERVER.demoClip, rstIdDeviceType: type, tileIndex: -1 },
                                      "device_saCreate")
            compare(made.RES, true, made.error)
        }
        tryVerify(function() { return fx.globalObjects.deviceRows().length === 4 }, 20000, "four cameras")
        panel = fx.waitFor("cameraPanel", 20000)
        grid = fx.waitFor("tileGrid")
        tryVerify(function() { return panel.cameras.length === 4 }, 10000, "the panel lists every camera")
    }
    function cleanupTestCase() {
        fx.close()
    }

    function test_1_filterNarrowsTheList() {
        var field = fx.find("cameraFilter", panel)
        verify(field !== null)
        field.text = "gate"
        tryVerify(function() { return panel.cameras.length === 2 }, 5000, "the text narrows the list, in any case")
        compare(panel.cameras[0].name, "Gate north")
        compare(panel.cameras[1].name, "Gate south")
        compare(fx.find("cameraList", panel).count, 2)
        // By type as well as by name.
        field.text = "file"
        tryVerify(function() { return panel.cameras.length === 4 }, 5000)
        field.text = "nothing like it"
        tryVerify(function() { return panel.cameras.length === 0 }, 5000)
        field.text = ""
        tryVerify(function() { return panel.cameras.length === 4 }, 5000)
        // Collapsed, the grid gets the room.
        var wide = grid.width
        panel.collapsed = true
        tryVerify(function() { return grid.width > wide })
        panel.collapsed = false
    }

    function test_2_dragOntoAnOccupiedTileSwapsAndDoubleClickFillsAFreeTile() {
        verify(grid.refillGrid("S2_2"))
        // Three cameras on the grid, one free tile; "Parking" is shown in slot 1.
        var demo = idOf("Demo camera")
        var slots = [demo, idOf("Parking"), idOf("Gate north"), ""]
        grid.slotDevices = slots
        var list = fx.find("cameraList", panel)
        tryVerify(function() { return list.count === 4 })

        // A camera already on the grid dropped on another camera's tile: the two swap.
        var parkingRow = fx.find("camera_" + idOf("Parking"), panel)
        verify(parkingRow !== null)
        var hint = dragOnto(parkingRow, holder(0))
        compare(hint, "Release to swap")
        tryVerify(function() { return grid.slotDevices[0] === idOf("Parking") }, 5000)
        compare(grid.slotDevices[1], demo, "the tile's camera took the dragged camera's place")

        // A camera not on the grid dropped on an occupied tile takes it; the other leaves the grid.
        var southRow = fx.find("camera_" + idOf("Gate south"), panel)
        dragOnto(southRow, holder(2))
        tryVerify(function() { return grid.slotDevices[2] === idOf("Gate south") }, 5000)
        compare(grid.findTile(idOf("Gate north")), -1)

        // Dropped on the free tile the text says so.
        var northRow = fx.find("camera_" + idOf("Gate north"), panel)
        hint = dragOnto(northRow, holder(3))
        compare(hint, "Release to drop")
        tryVerify(function() { return grid.slotDevices[3] === idOf("Gate north") }, 5000)

        // Double-click: the first free tile.
        grid.slotDevices = [grid.slotDevices[0], "", grid.slotDevices[2], grid.slotDevices[3]]
        var demoRow = fx.find("camera_" + demo, panel)
        mouseDoubleClickSequence(demoRow, demoRow.width / 2, demoRow.height / 2)
        tryVerify(function() { return grid.slotDevices[1] === demo }, 5000)
        // The places are kept in the cameras' records on the server.
        tryVerify(function() {
            var answer = SERVER.request({ FN: "device_trInfo", _receiver: "9", id: Number(demo) }, "device_saInfo")
            return answer.tileIndex === 1
        }, 10000)
        shots.take("cameraPanel")
    }
}
