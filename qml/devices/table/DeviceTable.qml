import QtQuick 2.13
import KVO 1.0
import "../../misc"
import "../../components"
import "../../components/table/tableViewColumns"
import "../../components/table/delegates"
import "../DeviceUtils.js" as DeviceUtils

// The Devices tab: every camera of the server. The rows are the global device list, kept current
// by the server's change notices, so a camera added elsewhere appears here by itself.
KvoTable {
    id: deviceTable
    objectName: "deviceTable"
    title: qsTr("Devices")
    controller: deviceController
    readonly property bool canChange: typeof globalObjects === "undefined" || !globalObjects || globalObjects.isAdmin
    // The shared list is asked for by the global objects after the log-in.
    requestOnStart: false
    toolBar: DevicesToolBar {
        objectName: "devicesToolBar"
        canChange: deviceTable.canChange
        hasSelection: deviceTable.currentId !== ""
        onAddClicked: deviceTable.addDevice()
        onEditClicked: deviceTable.editDevice(deviceTable.currentId)
        onDeleteClicked: deviceTable.askDelete(deviceTable.currentId)
        onSearchClicked: deviceTable.openSearch()
        onPasswordsClicked: deviceTable.openPasswords()
    }

    // One log line per list actually shown on the tab (the whole-program test reads it).
    property string _loggedRows: ""
    function logRows() {
        if (!visible)
            return
        var names = []
        for (var i = 0; i < tableView.rowCount; ++i)
            names.push(tableView.proxyValue(i, "deviceName"))
        var line = tableView.rowCount + ": " + names.join(", ")
        if (line === _loggedRows)
            return
        _loggedRows = line
        console.info("Devices tab lists " + line)
    }
    onVisibleChanged: logRows()

    function addDevice() { return globalObjects.openDeviceEditor(0) }
    function editDevice(id) {
        if (!canChange || id === "")
            return null
        return globalObjects.openDeviceEditor(Number(id))
    }
    function askDelete(id) {
        if (!canChange || id === "")
            return null
        var d = globalObjects.showDialog(Enums.dialogQuestion, qsTr("Delete device"), qsTr("Delete selected device?"))
        if (d)
            d.accepted.connect(function() { globalObjects.deviceController.trRemove({ id: Number(id) }) })
        return d
    }
    function openWindow(url) {
        var c = Qt.createComponent(url)
        if (c.status !== Component.Ready) {
            console.error(url + " is not ready!", c.errorString())
            return null
        }
        var frame = c.createObject(deviceTable, { visible: false })
        if (frame) {
            frame.attached.connect(function() { frame.destroy() })
            frame.detach(false)
            frame.visible = true
        }
        return frame
    }
    function openSearch() { return canChange ? openWindow("../searchDevice/SearchDeviceTable.qml") : null }
    function openPasswords() { return canChange ? openWindow("../../devicePassword/table/DevicePasswordTable.qml") : null }

    DeviceController {
        id: deviceController
    }
    Connections {
        target: deviceTable.tableView
        function onEditRequested(id) { deviceTable.editDevice(id) }
        function onDeleteRequested(id) { deviceTable.askDelete(id) }
        function onAddRequested() { if (deviceTable.canChange) deviceTable.addDevice() }
        function onRowCountChanged() { Qt.callLater(deviceTable.logRows) }
    }

    KvoTableViewColumDeviceType { width: 130 }
    KvoTableViewColumn {
        role: "deviceName"
        title: qsTr("Device name")
        width: 220
    }
    KvoTableViewColumn {
        role: "source"
        title: qsTr("Source address")
        width: 420
        // Credentials inside an address are never shown.
        delegate: KvoTableViewColumnDelegate { display: DeviceUtils.maskUrlPassword(styleData.value) }
    }
}
