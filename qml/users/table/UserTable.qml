import QtQuick 2.13
import QtQuick.Layouts 1.12
import KVO 1.0
import "../../misc"
import "../../components"
import "../../components/table"
import "../../components/table/tableViewColumns"
import "../../components/text"
import "../userEditor"

// The accounts that may log in to the server; managed by administrators. The account in use
// cannot be blocked or deleted: the screen says why instead of offering it.
KvoTableContainer {
    id: users
    objectName: "userTable"
    property alias userController: userController
    property alias table: inner.tableView
    property alias toolBar: toolBar
    property alias userEditor: userEditor
    readonly property string selectedId: inner.tableView.currentId
    readonly property var selectedRow: rowOf(selectedId, rowRevision)
    property int rowRevision: 0
    tableForRowCount: inner.tableView
    defaultActiveTable: inner.tableView
    objectsSettingName: "userTable"

    function globals() {
        return typeof globalObjects !== "undefined" ? globalObjects : null
    }
    function ownId() {
        var g = globals()
        return g ? String(g.userId) : ""
    }
    function rowOf(id, revision) {
        if (id === "" || !userController.originalModel)
            return null
        var row = userController.originalModel.findId(id)
        return row >= 0 ? userController.originalModel.originalData(row) : null
    }
    // Why the chosen account cannot be blocked or deleted; "" when it can.
    function selfReason(id) {
        return id !== "" && id === ownId() ? qsTr("This is the account you are logged in with: it cannot be blocked or deleted.") : ""
    }
    function alert(title, text, explanation) {
        var g = globals()
        if (g)
            return g.showAlert(title, text, explanation || "")
        console.warn(title + ": " + text + " " + (explanation || ""))
        return null
    }

    function openEditor(id) {
        editorHolder.visible = true
        userEditor.open(id === undefined ? "" : String(id))
        userEditor.detach(false)
    }

    function toggleBlocked() {
        var id = selectedId
        if (id === "")
            return
        if (selfReason(id) !== "") {
            alert(qsTr("Block user"), selfReason(id))
            return
        }
        var row = selectedRow
        userController.trUpdate({ id: id, blocked: !(row && row.blocked === true) })
    }

    function deleteSelected() {
        var id = selectedId
        if (id === "")
            return
        if (selfReason(id) !== "") {
            alert(qsTr("Delete user"), selfReason(id))
            return
        }
        var g = globals()
        if (!g) {
            userController.trRemove({ id: id })
            return
        }
        var d = g.showDialog(Enums.dialogQuestion, qsTr("Delete user"), qsTr("Delete selected user?"),
                             selectedRow ? String(selectedRow.sign || "") : "")
        if (d)
            d.accepted.connect(function() { userController.trRemove({ id: id }) })
    }

    UserController {
        id: userController
        useTrGetList: true
        ignoreSrInserted: false
        ignoreSrUpdated: false
        onSaRemove: {
            if (String(mapParams["_receiver"]) !== String(userController.objectNumber))
                return
            if (mapParams["RES"] === false) {
                users.alert(qsTr("Remove error"), qsTr("Failed to remove user"), mapParams["error"] || "")
                return
            }
            userController.originalModel.delRow(String(mapParams["id"]))
            inner.tableView.resetCurrentId()
            ++users.rowRevision
        }
        onSaUpdate: {
            if (String(mapParams["_receiver"]) !== String(userController.objectNumber))
                return
            if (mapParams["RES"] === false)
                users.alert(qsTr("Update error"), qsTr("Failed to update"), mapParams["error"] || "")
            else
                userController.originalModel.addRow(mapParams)
            ++users.rowRevision
        }
        onSrUpdated: {
            if (mapParams["removed"] === true)
                userController.originalModel.delRow(String(mapParams["id"]))
            ++users.rowRevision
        }
        onSaGetList: ++users.rowRevision
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        UsersToolBar {
            id: toolBar
            Layout.fillWidth: true
            hasSelection: users.selectedId !== ""
            selectedBlocked: users.selectedRow !== null && users.selectedRow.blocked === true
            selectedIsSelf: users.selfReason(users.selectedId) !== ""
            onAddClicked: users.openEditor("")
            onEditClicked: users.openEditor(users.selectedId)
            onBlockClicked: users.toggleBlocked()
            onDeleteClicked: users.deleteSelected()
            onRefreshClicked: inner.tableView.getNewList({})
        }
        KvoText {
            objectName: "selfAccountNote"
            text: users.selfReason(users.selectedId)
            visible: text !== ""
            color: KvoAppStyle.warning
            Layout.fillWidth: true
            Layout.margins: KvoAppStyle.spacing
        }
        KvoInnerTable {
            id: inner
            tableView.objectName: "userTableView"
            Layout.fillWidth: true
            Layout.fillHeight: true
            tableView.controller: userController
            tableView.onEditRequested: users.openEditor(id)
            tableView.onDeleteRequested: users.deleteSelected()

            KvoTableViewColumn { role: "sign"; title: qsTr("User name"); width: 200 }
            KvoTableViewColumn { role: "firstName"; title: qsTr("First name"); width: 160 }
            KvoTableViewColumn { role: "lastName"; title: qsTr("User surname"); width: 200 }
            KvoTableViewColumnYesNo { role: "blocked"; title: qsTr("User blocked"); width: 110 }
        }
    }

    Item {
        id: editorHolder
        visible: false
        anchors.fill: parent
        UserEditor {
            id: userEditor
            anchors.fill: parent
            onAttached: editorHolder.visible = false
        }
    }
}
