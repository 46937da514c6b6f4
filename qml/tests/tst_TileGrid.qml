import QtQuick 2.13
import QtTest 1.2
import KVO 1.0
import "../desktop/tiles"

Item {
    id: root
    width: 800
    height: 600

    DeviceController { id: devices }
    Component {
        id: fakeTile
        Item {
            property string deviceId: ""
            property int tileIndex: -1
            property Item holder: null
            property Item grid: null
        }
    }
    TileGrid {
        id: grid
        anchors.fill: parent
        deviceController: devices
        tileComponent: null
    }

    TestCase {
        name: "TileGrid"
        when: windowShown

        function setDevices(list) {
            devices.originalModel.clear()
            for (var i = 0; i < list.length; ++i)
                devices.originalModel.addRow(list[i])
            devices.requests = []
        }
        function holder(i) {
            return findChild(grid, "tileHolder_" + i)
        }

        // The global objects (and with them the tile component) load after the desktop.
        function initTestCase() {
            verify(holder(0) !== null)
            compare(holder(0).tile, null)
            grid.tileComponent = fakeTile
            verify(holder(0).tile !== null, "tiles appear once the component is there")
        }

        function init() {
            setDevices([
                { id: 1, deviceName: "placeholder" },
                { id: 2, deviceName: "Gate", tileIndex: 3 },
                { id: 3, deviceName: "Yard" },
                { id: 4, deviceName: "Door", tileIndex: 3 },
                { id: 5, deviceName: "Roof", tileIndex: 10 }
            ])
            grid.refillGrid("S2_2")
            grid.refillGrid()
            devices.requests = []
        }

        // Saved slots win, a clash goes to the lower id, the rest fill free slots in id order;
        // the placeholder record (id 1) is never shown.
        function test_placement_by_saved_slot() {
            compare(grid.slotDevices, ["3", "4", "5", "2"])
            compare(grid.findTile(2), 3)
            compare(grid.findTile(1), -1)
            compare(grid.findFreeTile(), -1)
            grid.refillGrid("S3_3")
            compare(grid.slotDevices, ["3", "4", "5", "2", "", "", "", "", ""])
            compare(grid.findFreeTile(), 4)
            verify(grid.tileIsFree(8))
            verify(!grid.tileIsFree(3))
            verify(!grid.tileIsFree(9))
        }

        function test_smaller_grid_shows_what_fits() {
            grid.refillGrid("S1_1")
            compare(grid.realAmountTiles, 1)
            compare(grid.slotDevices, ["2"])
            verify(!grid.refillGrid("S7_7"), "an unknown layout is refused")
            compare(grid.currentSize, "S1_1")
        }

        function test_holders_follow_layout_data() {
            return [
                { tag: "S1_1", count: 1 }, { tag: "S2_2", count: 4 }, { tag: "S3_3", count: 9 },
                { tag: "S4_4_ext", count: 8 }, { tag: "S4_4", count: 16 }, { tag: "S5_5", count: 25 },
                { tag: "S6_6", count: 36 }, { tag: "S8_8", count: 64 }
            ]
        }
        // Holders exist for every slot, stay inside the grid and never overlap.
        function test_holders_follow_layout(data) {
            grid.refillGrid(data.tag)
            compare(grid.realAmountTiles, data.count)
            tryVerify(function() { return holder(data.count - 1) !== null })
            verify(holder(data.count) === null)
            var rects = []
            for (var i = 0; i < data.count; ++i) {
                var h = holder(i)
                verify(h.width > 0 && h.height > 0)
                verify(h.x >= 0 && h.y >= 0 && h.x + h.width <= grid.width + 0.5 && h.y + h.height <= grid.height + 0.5)
                for (var j = 0; j < rects.length; ++j) {
                    var r = rects[j]
                    var apart = h.x >= r.x + r.w - 0.5 || r.x >= h.x + h.width - 0.5
                                || h.y >= r.y + r.h - 0.5 || r.y >= h.y + h.height - 0.5
                    verify(apart, "holders " + j + " and " + i + " overlap")
                }
                rects.push({ x: h.x, y: h.y, w: h.width, h: h.height })
            }
            if (data.tag === "S4_4_ext")
                verify(Math.abs(holder(0).width - 3 * holder(1).width - 2 * grid.spacing) < 1, "big tile spans three columns")
        }

        function test_swap_moves_tiles_and_saves_places() {
            verify(grid.swapTilesByIndex(0, 3))
            compare(grid.slotDevices, ["2", "4", "5", "3"])
            var updates = devices.requestsOf("trUpdate")
            compare(updates.length, 2)
            compare(updates[0].params, { id: 2, tileIndex: 0 })
            compare(updates[1].params, { id: 3, tileIndex: 3 })
            tryCompare(holder(0).tile, "deviceId", "2")
            compare(holder(3).tile.deviceId, "3")
        }

        function test_swap_with_free_slot_and_bad_indexes() {
            grid.refillGrid("S3_3")
            devices.requests = []
            verify(grid.swapTilesByIndex(1, 7))
            compare(grid.slotDevices[7], "4")
            compare(grid.slotDevices[1], "")
            compare(devices.requestsOf("trUpdate").length, 1, "a free slot saves nothing")
            verify(!grid.swapTilesByIndex(2, 2))
            verify(!grid.swapTilesByIndex(-1, 2))
            verify(!grid.swapTilesByIndex(0, 9))
            compare(devices.requestsOf("trUpdate").length, 1)
        }

        function test_new_device_is_placed() {
            grid.refillGrid("S3_3")
            devices.originalModel.addRow({ id: 8, deviceName: "Garage" })
            tryVerify(function() { return grid.slotDevices[4] === "8" }, 2000, "the new device takes the first free slot")
        }

        function test_big_tile() {
            grid.refillGrid("S2_2")
            verify(!grid.setBigTile("5", "middle"), "no big tile in a 2x2 grid")
            grid.refillGrid("S3_3")
            verify(grid.setBigTile("2", "middle"))
            verify(grid.isBigMode)
            compare(grid.realAmountTiles, 6)
            compare(grid.slotDevices[0], "2")
            compare(grid.slotDevices.filter(function(d) { return d !== "" }).length, 4, "every device still shown")
        }
    }
}
