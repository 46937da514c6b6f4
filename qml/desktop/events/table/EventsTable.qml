import QtQuick 2.13
import QtQuick.Layouts 1.12
import KVO 1.0
import "../../../misc"
import "../../../components"
import "../../../components/table"
import "../../../components/table/tableViewColumns"
import "../../../components/toolBar"
import "../../../components/text"
import "../filterEditor"

// The events (recorded clips with their detections) of the chosen day, newest first.
KvoTableContainer {
    id: events
    objectName: "eventsTable"
    property alias archiveController: archiveController
    property alias table: inner.tableView
    property alias filterEditor: filterEditor
    property var filter: ({ dtFrom: 0, dtTo: 0, deviceId: "", filterText: "" })
    // The filter narrows the chosen day: a device, a text, or a time range other than the whole day.
    readonly property bool filterActive: {
        if (filter.deviceId !== "" || filter.filterText !== "")
            return true
        var from = new Date(filter.dtFrom)
        var whole = new Date(from.getFullYear(), from.getMonth(), from.getDate()).getTime()
        return filter.dtFrom !== whole || filter.dtTo !== new Date(from.getFullYear(), from.getMonth(),
                                                                   from.getDate() + 1).getTime() - 1
    }
    // The newest event first, by the time it happened rather than by when it was stored.
    readonly property string sortRole: "dtStart"
    tableForRowCount: inner.tableView
    defaultActiveTable: inner.tableView
    objectsSettingName: "eventsTable"

    function devices() {
        var list = []
        if (typeof globalObjects === "undefined" || !globalObjects)
            return list
        var rows = globalObjects.deviceController.originalModel.rows()
        for (var i = 0; i < rows.length; ++i) {
            if (Number(rows[i].id) > 1)
                list.push({ id: rows[i].id, deviceName: rows[i].deviceName })
        }
        return list
    }

    function apply(request, text) {
        archiveController.trGetList(request)
        if (archiveController.proxyModel)
            archiveController.proxyModel.setFilterPattern(text)
    }

    function setDay(date) {
        filterForm.setDay(date)
        filter = { dtFrom: filterForm.dtFrom, dtTo: filterForm.dtTo, deviceId: filter.deviceId, filterText: filter.filterText }
        apply(filterForm.makeRequest(), filter.filterText)
    }
    // Back to the whole chosen day, every device, no text.
    function resetFilter() {
        filterForm.deviceId = ""
        filterForm.filterText = ""
        filter = { dtFrom: filter.dtFrom, dtTo: filter.dtTo, deviceId: "", filterText: "" }
        setDay(new Date(filter.dtFrom > 0 ? filter.dtFrom : Date.now()))
    }
    function sortNewestFirst() {
        var view = inner.tableView
        var column = view.findColumnIndex(sortRole)
        if (column < 0)
            return
        view.sortIndicatorOrder = Qt.DescendingOrder
        view.sortIndicatorColumn = column
        view.sortRows(sortRole, Qt.DescendingOrder)
    }

    function openFilter() {
        editorHolder.visible = true
        filterForm.devices = devices()
        filterForm.populateForm(filter)
        filterEditor.detach(false)
    }

    // The event plays in a window of its own, which also reports a file that is not ready yet.
    property url eventPlayerUrl: "../../../archive/ExternalArchivePlayer.qml"
    function playEvent(row) {
        var component = Qt.createComponent(eventPlayerUrl)
        if (component.status !== Component.Ready) {
            console.error("ExternalArchivePlayer is not ready!", component.errorString())
            return null
        }
        return component.createObject(null, { entry: rowRecord(row) })
    }
    function rowRecord(row) {
        var id = archiveController.proxyModel.proxyData(row, "id")
        var model = archiveController.originalModel
        return model.originalData(model.findId(String(id)))
    }

    ArchiveController {
        id: archiveController
        ignoreSrInserted: false
        ignoreSrUpdated: false
        autoUpdate: false
        useTrGetList: true
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        KvoToolBar {
            Layout.fillWidth: true
            KvoToolButton {
                objectName: "eventsFilterButton"
                iconSource: "qrc:/img/toolBar/filter.png"
                toolTipText: qsTr("Events filter")
                active: events.filterActive
                onClicked: events.openFilter()
            }
            KvoText {
                objectName: "filterActiveText"
                visible: events.filterActive
                text: qsTr("Filter is on")
                color: KvoAppStyle.warning
            }
            KvoToolButton {
                objectName: "resetFilterButton"
                visible: events.filterActive
                text: "✕"
                toolTipText: qsTr("Reset filter")
                onClicked: events.resetFilter()
            }
            KvoToolButton {
                iconSource: "qrc:/img/toolBar/refresh.png"
                toolTipText: qsTr("Refresh")
                onClicked: events.apply(filterForm.makeRequest(), events.filter.filterText)
            }
            Item { Layout.fillWidth: true }
        }
        KvoInnerTable {
            id: inner
            Layout.fillWidth: true
            Layout.fillHeight: true
            showSearch: false
            tableView.controller: archiveController
            tableView.requestOnStart: false
            tableView.onDoubleClicked: events.playEvent(row)

            KvoTableViewColumn { role: "deviceName"; title: qsTr("Device name"); width: 200 }
            KvoTableViewColumnFuzzyTime { role: "dtStart"; title: qsTr("Time"); width: 170 }
            KvoTableViewColumn { role: "detected"; title: qsTr("Event"); width: 320 }
        }
    }

    Item {
        id: editorHolder
        visible: false
        anchors.fill: parent
        FilterEditor {
            id: filterEditor
            anchors.fill: parent
            essentials.devices: events.devices()
            onFilterAccepted: {
                events.filter = { dtFrom: filterForm.dtFrom, dtTo: filterForm.dtTo, deviceId: filterForm.deviceId,
                                  filterText: text }
                events.apply(request, text)
            }
            onAttached: editorHolder.visible = false
        }
    }
    property alias filterForm: filterEditor.essentials

    Component.onCompleted: {
        sortNewestFirst()
        setDay(new Date())
    }
}
