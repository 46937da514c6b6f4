import QtQuick 2.13
import "../misc"
import "table"

// A list screen: a frame with a tool bar, a filterable table over a controller and the
// "Row Count:" footer. Columns are given as children.
KvoFrame {
    id: kvoTable
    property var controller: null
    property alias tableView: inner.tableView
    property alias container: container
    property alias showSearch: inner.showSearch
    property var startRequestParams: ({})
    property bool requestOnStart: true
    readonly property string currentId: inner.tableView.currentId
    readonly property int rowCount: inner.tableView.rowCount
    default property alias columns: inner.columns

    function refresh() { inner.tableView.getNewList() }

    KvoTableContainer {
        id: container
        anchors.fill: parent
        tableForRowCount: inner.tableView
        defaultActiveTable: inner.tableView
        frame: kvoTable
        KvoInnerTable {
            id: inner
            anchors.fill: parent
            tableView.controller: kvoTable.controller
            tableView.startRequestParams: kvoTable.startRequestParams
            tableView.requestOnStart: kvoTable.requestOnStart
        }
    }
}
