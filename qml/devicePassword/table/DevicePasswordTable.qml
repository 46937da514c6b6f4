import QtQuick 2.13
import KVO 1.0
import "../../misc"
import "../../components"
import "../../components/table/tableViewColumns"

// "Device passwords": logins and passwords tried on cameras. The list holds the logins only; the
// editor asks for the one record it edits, password included.
KvoTable {
    id: passwordTable
    objectName: "devicePasswordTable"
    title: qsTr("Device passwords")
    showTitleBar: true
    controller: devicePasswordController
    detachedWindowWidth: 520
    detachedWindowHeight: 380
    readonly property bool canChange: typeof globalObjects === "undefined" || !globalObjects || globalObjects.isAdmin
    toolBar: DevicePasswordToolBar {
        canChange: passwordTable.canChange
        hasSelection: passwordTable.currentId !== ""
        onAddClicked: passwordTable.openEditor("")
        onEditClicked: passwordTable.openEditor(passwordTable.currentId)
        onDeleteClicked: passwordTable.askDelete(passwordTable.currentId)
    }

    function openEditor(id) {
        if (!canChange)
            return null
        var c = Qt.createComponent("../editor/DevicePasswordEditor.qml")
        if (c.status !== Component.Ready) {
            console.error("DevicePasswordEditor is not ready!", c.errorString())
            return null
        }
        var editor = c.createObject(passwordTable, { recordId: id, visible: false })
        if (editor) {
            editor.detach(false)
            editor.visible = true
        }
        return editor
    }
    function askDelete(id) {
        if (!canChange || id === "")
            return null
        var d = globalObjects.showDialog(Enums.dialogQuestion, qsTr("Delete record"), qsTr("Delete selected record?"))
        if (d)
            d.accepted.connect(function() { devicePasswordController.trRemove({ id: Number(id) }) })
        return d
    }

    DevicePasswordController {
        id: devicePasswordController
        useTrGetList: true
        ignoreSrInserted: false
        ignoreSrUpdated: false
        onSaRemove: {
            if (mapParams["RES"] === false && String(mapParams["_receiver"]) === String(objectNumber))
                globalObjects.showAlert(qsTr("Remove error"), qsTr("Failed to remove record"), mapParams["error"] || "")
        }
        onSrUpdated: {
            // A removed record is gone from the list without a new answer.
            if (mapParams["removed"] === true)
                originalModel.delRow(String(mapParams["id"]))
        }
    }
    Connections {
        target: passwordTable.tableView
        function onEditRequested(id) { passwordTable.openEditor(id) }
        function onDeleteRequested(id) { passwordTable.askDelete(id) }
    }

    KvoTableViewColumn { role: "login"; title: qsTr("Login"); width: 420 }
}
