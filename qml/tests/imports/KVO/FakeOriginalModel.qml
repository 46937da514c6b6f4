import QtQuick 2.13

// Test double of the list model: rows keyed by id, newest id first, with the calls QML makes.
QtObject {
    id: model
    property var rowList: []
    property int rowCount: 0
    property bool dataAtLeastLoaded: false
    property int addRowCalls: 0
    signal dataChanged()

    function findId(id) {
        for (var i = 0; i < rowList.length; ++i) {
            if (String(rowList[i].id) === String(id))
                return i
        }
        return -1
    }
    function addRow(map) {
        ++addRowCalls
        var copy = {}
        for (var k in map)
            copy[k] = map[k]
        var i = findId(copy.id)
        if (i >= 0) {
            rowList[i] = copy
            dataChanged()
            return
        }
        var at = 0
        while (at < rowList.length && Number(rowList[at].id) > Number(copy.id))
            ++at
        rowList.splice(at, 0, copy)
        rowCount = rowList.length
    }
    function rows() {
        return rowList.slice()
    }
    function clear() {
        rowList = []
        rowCount = 0
    }
    function checkValueByRole(role, value) {
        for (var i = 0; i < rowList.length; ++i) {
            if (role === "id" ? String(rowList[i].id) === String(value) : rowList[i][role] == value)
                return i
        }
        return -1
    }
    function originalData(row, role, valueRole) {
        if (valueRole !== undefined) {
            for (var i = 0; i < rowList.length; ++i) {
                if (String(rowList[i][row]) === String(role))
                    return rowList[i][valueRole]
            }
            return undefined
        }
        if (row < 0 || row >= rowList.length)
            return {}
        return role === undefined ? rowList[row] : rowList[row][role]
    }
    function updateValue(id, role, value) {
        var i = findId(id)
        if (i >= 0) {
            rowList[i][role] = value
            dataChanged()
        }
    }
}
