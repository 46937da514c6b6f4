import QtQuick 2.13

FakeController {
    property var layouts: []
    property string cacheFile: ""
    property bool fromCache: false
    signal layoutActionFailed(string action, string error)
    function refresh() { trGetList({}) }
    function saveLayout(name, gridSize, tiles) { record("saveLayout", { name: name, gridSize: gridSize, tiles: tiles }); return true }
    function renameLayout(id, name) { record("renameLayout", { id: id, name: name }); return true }
    function removeLayout(id) { record("removeLayout", { id: id }) }
    function indexOfName(name) {
        for (var i = 0; i < layouts.length; ++i)
            if (layouts[i].name === name)
                return i
        return -1
    }
    function indexOfId(id) {
        for (var i = 0; i < layouts.length; ++i)
            if (layouts[i].id === id)
                return i
        return -1
    }
}
