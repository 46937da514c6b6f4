import QtQuick 2.13
import QtTest 1.2
import KVO 1.0
import "../misc"

TestCase {
    name: "Utils"

    function test_layouts_cover_every_cell_once_data() {
        return Utils.gridSizes.map(function(s) { return { tag: s.name, size: s } })
    }
    // Every layout's slots tile the grid exactly: no cell twice, none left out.
    function test_layouts_cover_every_cell_once(data) {
        var s = data.size
        var count = Utils.slotCount(s.columns, s.rows, s.spanColumnsBig, s.spanRowsBig)
        var seen = {}
        for (var i = 0; i < count; ++i) {
            var c = Utils.cellOfSlot(i, s.columns, s.rows, s.spanColumnsBig, s.spanRowsBig)
            verify(c !== null, "slot " + i + " has a cell")
            for (var r = c.row; r < c.row + c.rowSpan; ++r) {
                for (var k = c.column; k < c.column + c.columnSpan; ++k) {
                    var key = r + ":" + k
                    verify(seen[key] === undefined, "cell " + key + " used twice")
                    verify(r < s.rows && k < s.columns, "cell " + key + " outside the grid")
                    seen[key] = i
                }
            }
        }
        compare(Object.keys(seen).length, s.columns * s.rows)
        compare(Utils.cellOfSlot(count, s.columns, s.rows, s.spanColumnsBig, s.spanRowsBig), null)
    }

    function test_panel_counts() {
        var counts = Utils.gridSizes.map(function(s) {
            return Utils.slotCount(s.columns, s.rows, s.spanColumnsBig, s.spanRowsBig)
        })
        compare(counts, [1, 4, 9, 8, 16, 25, 36, 64])
        compare(Utils.gridSize("nope"), null)
        // Spans larger than the grid (met while a layout changes one field at a time) stay sane.
        compare(Utils.slotCount(2, 4, 3, 3), 3)
        compare(Utils.slotCount(0, 4, 1, 1), 0)
        compare(Utils.gridSize("S4_4_ext").spanColumnsBig, 3)
    }

    FakeOriginalModel { id: model }
    QtObject {
        id: plainModel
        property var added: []
        function addRow(map) { added.push(map.id) }
    }
    QtObject {
        id: controller
        property string objectNumber: "12"
        property bool isStaticModel: false
        property var originalModel: model
    }

    function init() {
        model.clear()
        model.addRowCalls = 0
        controller.isStaticModel = false
        controller.originalModel = model
    }

    function test_fill_rows_of_own_and_foreign_answers() {
        var entries = [{ id: 5, name: "a" }, { id: 9, name: "b" }]
        compare(Utils.fillRowsFromAnswer(controller, { _receiver: "3", entries: entries }), 0)
        compare(model.rowCount, 0, "an answer to another controller adds nothing")
        compare(Utils.fillRowsFromAnswer(controller, { _receiver: "12", entries: entries }), 2)
        compare(model.rowCount, 2)
        compare(model.rows()[0].id, 9, "rows stay newest first")
        // The receiver may come back as a number.
        compare(Utils.fillRowsFromAnswer(controller, { _receiver: 12, entries: [{ id: 11 }] }), 1)
        compare(model.rowCount, 3)
    }

    function test_fill_rows_of_shared_list_takes_every_answer() {
        controller.isStaticModel = true
        compare(Utils.fillRowsFromAnswer(controller, { _receiver: "99", entries: [{ id: 4 }] }), 1)
        compare(model.rowCount, 1)
    }

    function test_fill_rows_ignores_answers_without_records() {
        compare(Utils.fillRowsFromAnswer(controller, { _receiver: "12" }), 0)
        compare(Utils.fillRowsFromAnswer(controller, { _receiver: "12", entries: "x" }), 0)
        compare(Utils.fillRowsFromAnswer(controller, null), 0)
        compare(Utils.fillRowsFromAnswer(null, { _receiver: "12", entries: [{ id: 2 }] }), 0)
        compare(model.rowCount, 0)
    }

    function test_fill_rows_prefers_batch_insertion() {
        var batches = []
        var batchModel = Qt.createQmlObject("import QtQuick 2.13; QtObject { property var got: []; "
                                            + "function addRows(list) { got.push(list.length) } "
                                            + "function addRow(m) { got.push('single') } }", this)
        controller.originalModel = batchModel
        compare(Utils.fillRowsFromAnswer(controller, { _receiver: "12", entries: [{ id: 2 }, { id: 3 }, { id: 4 }] }), 3)
        compare(batchModel.got, [3], "one batch call, no single inserts")
        controller.originalModel = plainModel
        Utils.fillRowsFromAnswer(controller, { _receiver: "12", entries: [{ id: 2 }, { id: 3 }] })
        compare(plainModel.added, [2, 3], "without a batch path every record goes through addRow")
        batchModel.destroy()
    }

    function test_durations_and_languages() {
        compare(Utils.formatDuration(0), "0:00:00")
        compare(Utils.formatDuration(3723999), "1:02:03")
        compare(Utils.formatDuration(-5000), "0:00:00")
        compare(Utils.localeOfLang("rus"), "ru")
        compare(Utils.localeOfLang("ru"), "ru")
        compare(Utils.localeOfLang("eng"), "en")
        compare(Utils.localeOfLang(undefined), "en")
        compare(Utils.formatDateTime(0), "")
    }
}
