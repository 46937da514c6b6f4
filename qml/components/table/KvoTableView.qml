import QtQuick 2.13
import QtQuick.Controls 1.4
import QtQuick.Controls.Styles 1.4
import "../../misc"
import "../styles"

// A list screen's table over a controller's ProxyModel. It is also what fills the controller's
// OriginalModel: every own answer (or any answer of a shared, static list) is added row by row
// inside the saGetList handler, before the controller sorts the rows and marks them loaded.
TableView {
    id: table
    property url editorUrl: ""
    property bool trackCurrentId: true
    property bool isSortByHeader: true
    property bool frameInWindow: false
    property string sortRole: "id"
    property bool isReadyForStartInit: controller !== null
    property bool isInited: false
    property bool isCompleted: false
    property var table: table
    property var controller: null
    property string currentId: ""
    property var initObjectSettings: ({})
    property int rowHeight: KvoAppStyle.rowHeight
    property bool requestOnStart: true
    property var startRequestParams: ({})

    signal addRequested()
    signal editRequested(string id)
    signal deleteRequested(string id)
    signal rowsFilled(int count)

    model: controller ? controller.proxyModel : null
    sortIndicatorVisible: isSortByHeader
    alternatingRowColors: true
    backgroundVisible: true
    style: HeaderTableStyle { rowHeight: table.rowHeight }

    // The rows of an answer go into the OriginalModel only when the answer is ours or the list
    // is shared; answers to other tables of the same group are left to them.
    function fillRows(mapParams) {
        var n = Utils.fillRowsFromAnswer(controller, mapParams)
        if (n > 0)
            rowsFilled(n)
        return n
    }

    Connections {
        target: table.controller
        ignoreUnknownSignals: true
        function onSaGetList(mapParams) { table.fillRows(mapParams) }
    }
    // Later than the view's own handling of the change, which moves its current row but not the
    // selection.
    Connections {
        target: table.model
        ignoreUnknownSignals: true
        function onRowsInserted() { Qt.callLater(table.followCurrentId) }
        function onRowsRemoved() { Qt.callLater(table.followCurrentId) }
        function onRowsMoved() { Qt.callLater(table.followCurrentId) }
        function onLayoutChanged() { Qt.callLater(table.followCurrentId) }
        function onModelReset() { Qt.callLater(table.followCurrentId) }
    }
    function proxyValue(row, role) {
        if (!model || row < 0 || !Utils.hasFunction(model, "proxyData"))
            return undefined
        return model.proxyData(row, role)
    }
    function selectRow(row, keepView) {
        if (row < 0 || row >= rowCount)
            return
        selection.clear()
        selection.select(row)
        currentRow = row
        if (keepView !== true)
            positionViewAtRow(row, ListView.Contain)
        saveCurrentId()
    }
    // Rows arrive, go or are sorted anew: the selection stays on the record the user chose, not
    // on its old row number, and the view does not jump to it.
    property bool _followPending: false
    function followCurrentId() {
        if (!trackCurrentId || currentId === "" || !model || !Utils.hasFunction(model, "checkValueByRole"))
            return
        var row = model.checkValueByRole("id", currentId)
        if (row < 0) {
            selection.clear()
            currentRow = -1
            return
        }
        if (row >= rowCount) {
            // The view has not counted the new rows yet.
            _followPending = true
            return
        }
        _followPending = false
        var id = currentId
        selectRow(row, true)
        currentId = id
    }
    function saveCurrentId() {
        if (!trackCurrentId)
            return
        var v = proxyValue(currentRow, "id")
        currentId = v === undefined || v === null ? "" : String(v)
    }
    function resetCurrentId() {
        currentId = ""
        selection.clear()
        currentRow = -1
    }
    function selectBeginRow() { selectRow(0) }
    function selectEndRow() { selectRow(rowCount - 1) }
    function incrementRow() { selectRow(Math.min(rowCount - 1, currentRow + 1)) }
    function decrementRow() { selectRow(Math.max(0, currentRow - 1)) }
    function selectRowById(id) {
        if (!model || !Utils.hasFunction(model, "checkValueByRole"))
            return false
        var row = model.checkValueByRole("id", String(id))
        if (row >= 0)
            selectRow(row)
        return row >= 0
    }
    function makeSelection() {
        if (currentId !== "" && selectRowById(currentId))
            return
        if (rowCount > 0)
            selectBeginRow()
    }
    function findColumnIndex(role) {
        for (var i = 0; i < columnCount; ++i) {
            if (getColumn(i).role === role)
                return i
        }
        return -1
    }
    function findColumn(role) {
        var i = findColumnIndex(role)
        return i >= 0 ? getColumn(i) : null
    }
    function setColumnTitle(role, title) {
        var c = findColumn(role)
        if (c)
            c.title = title
    }
    // Column widths and visibility saved by the container, keyed by role.
    function applySettings(settings) {
        if (!settings)
            return
        for (var role in settings) {
            var c = findColumn(role)
            if (!c)
                continue
            if (settings[role].width !== undefined)
                c.width = settings[role].width
            if (settings[role].visible !== undefined)
                c.visible = settings[role].visible
        }
        Qt.callLater(stretchLast)
    }
    function sortRows(role, order) {
        if (!model || !Utils.hasFunction(model, "sortRows"))
            return
        sortRole = role
        model.sortRows(role, order)
    }
    function getNewList(params) {
        if (controller && Utils.hasFunction(controller, "trGetList"))
            controller.trGetList(params || startRequestParams)
    }
    function updateProperties() {
        makeSelection()
    }
    function addAction() { addRequested() }
    function editAction() { if (currentId !== "") editRequested(currentId) }
    function deleteAction() { if (currentId !== "") deleteRequested(currentId) }
    function doubleClickAction() { editAction() }
    function addMenuAction() { addAction() }
    function editMenuAction() { editAction() }
    function deleteMenuAction() { deleteAction() }

    onClicked: selectRow(row)
    onDoubleClicked: {
        selectRow(row)
        doubleClickAction()
    }
    onSortIndicatorColumnChanged: if (isSortByHeader && getColumn(sortIndicatorColumn)) sortRows(getColumn(sortIndicatorColumn).role, sortIndicatorOrder)
    onSortIndicatorOrderChanged: if (isSortByHeader && getColumn(sortIndicatorColumn)) sortRows(getColumn(sortIndicatorColumn).role, sortIndicatorOrder)
    onRowCountChanged: {
        if (_followPending)
            followCurrentId()
        else if (isInited && currentRow < 0)
            makeSelection()
    }
    Keys.onDeletePressed: deleteAction()

    function startInit() {
        if (isInited || !isReadyForStartInit || !isCompleted)
            return
        isInited = true
        applySettings(initObjectSettings)
        if (requestOnStart)
            getNewList(startRequestParams)
    }
    onIsReadyForStartInitChanged: startInit()

    // The last column takes the width the others leave, so a long value (a camera's address)
    // is not cut while the table has room for it.
    property bool stretchLastColumn: true
    function stretchLast() {
        if (!stretchLastColumn)
            return
        var last = null
        var used = 0
        for (var i = 0; i < columnCount; ++i) {
            var c = getColumn(i)
            if (!c || !c.visible)
                continue
            if (last)
                used += last.width
            last = c
        }
        if (!last || !(last.declaredWidth > 0))
            return
        last.width = Math.max(last.declaredWidth, Math.floor(viewport.width - used - 1))
    }
    onColumnCountChanged: Qt.callLater(stretchLast)
    Connections {
        target: table.viewport
        function onWidthChanged() { Qt.callLater(table.stretchLast) }
    }
    Component.onCompleted: {
        isCompleted = true
        startInit()
    }
}
