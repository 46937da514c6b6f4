import QtQuick 2.13
import KVO 1.0
import "../../misc"
import "../../components"
import "../../components/table/tableViewColumns"
import "../../components/table/delegates"

// "Search device": the cameras the server found on the network; a new one is added to the
// devices through its editor, with its login and password.
KvoTable {
    id: searchTable
    objectName: "searchDeviceTable"
    title: qsTr("Search device")
    showTitleBar: true
    controller: searchDevicesController
    detachedWindowWidth: 760
    detachedWindowHeight: 420
    property bool searching: false
    readonly property var currentRecord: {
        if (currentId === "" || !searchDevicesController.originalModel)
            return null
        var rows = searchDevicesController.originalModel.rows()
        for (var i = 0; i < rows.length; ++i) {
            if (String(rows[i].id) === currentId)
                return rows[i]
        }
        return null
    }
    toolBar: SearchToolBar {
        searching: searchTable.searching
        canAdd: searchTable.currentRecord !== null && searchTable.currentRecord.isAdd === true
        onSearchClicked: searchTable.search()
        onAddClicked: searchTable.addCurrent()
    }

    function search() {
        searching = true
        searchDevicesController.trSearch({})
    }
    function addCurrent() {
        var record = currentRecord
        if (!record || record.isAdd !== true)
            return null
        var c = Qt.createComponent("../deviceEditor/SearchDeviceEditor.qml")
        if (c.status !== Component.Ready) {
            console.error("SearchDeviceEditor is not ready!", c.errorString())
            return null
        }
        var editor = c.createObject(searchTable, { found: record, visible: false })
        if (editor) {
            editor.added.connect(function() { searchDevicesController.trGetList({}) })
            editor.detach(false)
            editor.visible = true
        }
        return editor
    }

    SearchDevicesController {
        id: searchDevicesController
        ignoreSrInserted: false
        ignoreSrUpdated: false
        useTrGetList: true
        onSaSearch: if (mapParams["RES"] === false) searchTable.searching = false
        onSrSearch: {
            searchTable.searching = false
            // The list answer carries the results prepared for the table.
            searchDevicesController.trGetList({})
        }
        onSaGetList: {}
    }
    DeviceController {
        id: deviceController
    }

    KvoTableViewColumn { role: "ip"; title: qsTr("IP address"); width: 150 }
    KvoTableViewColumDeviceType { width: 120 }
    KvoTableViewColumn { role: "deviceName"; title: qsTr("Device name"); width: 220 }
    KvoTableViewColumn {
        role: "isAdd"
        title: qsTr("State")
        width: 100
        delegate: KvoTableViewSearchDeviceStateDelegate {}
    }
}
