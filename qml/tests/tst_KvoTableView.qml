import QtQuick 2.13
import QtQuick.Controls 1.4
import QtTest 1.2
import "../components/table"

Item {
    id: root
    width: 400
    height: 300

    // A view model with the calls the table makes on the ProxyModel.
    ListModel {
        id: rows
        function checkValueByRole(role, value) {
            for (var i = 0; i < count; ++i) {
                if (String(get(i)[role]) === String(value))
                    return i
            }
            return -1
        }
        function proxyData(row, role) { return row >= 0 && row < count ? get(row)[role] : undefined }
    }
    QtObject {
        id: controller
        property var proxyModel: rows
    }

    KvoTableView {
        id: table
        anchors.fill: parent
        controller: controller
        requestOnStart: false
        TableViewColumn { role: "id"; title: "Id" }
        TableViewColumn { role: "name"; title: "Name" }
    }

    TestCase {
        name: "KvoTableView"
        when: windowShown

        function init() {
            table.resetCurrentId()
            rows.clear()
            rows.append({ id: 3, name: "c" })
            rows.append({ id: 2, name: "b" })
            rows.append({ id: 1, name: "a" })
            tryCompare(table, "rowCount", 3)
        }
        function selectedRows() {
            var list = []
            table.selection.forEach(function(row) { list.push(row) })
            return list
        }

        // New records arrive above the selected one: the selection stays on its record.
        function test_selection_follows_the_record() {
            table.selectRow(1)
            compare(table.currentId, "2")
            rows.insert(0, { id: 5, name: "e" })
            rows.insert(0, { id: 4, name: "d" })
            tryCompare(table, "currentRow", 3)
            compare(selectedRows(), [3])
            compare(table.currentId, "2")
            // Sorted anew (moved) it is followed as well.
            rows.move(3, 0, 1)
            tryCompare(table, "currentRow", 0)
            compare(selectedRows(), [0])
        }

        function test_selection_of_a_removed_record_is_dropped() {
            table.selectRow(0)
            compare(table.currentId, "3")
            rows.remove(0)
            tryCompare(table, "currentRow", -1)
            compare(selectedRows(), [])
        }
    }
}
