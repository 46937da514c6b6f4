import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../../misc"
import "../text"

// A table with its search field; the text filters the ProxyModel over all roles.
FocusScope {
    id: inner
    property alias tableView: view
    property alias searchField: search
    property bool showSearch: true
    default property alias columns: view.data

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        KvoFilterTextField {
            id: search
            visible: inner.showSearch
            Layout.fillWidth: true
            Layout.margins: KvoAppStyle.spacing / 2
            onFilterChanged: {
                if (view.model && Utils.hasFunction(view.model, "setFilterPattern"))
                    view.model.setFilterPattern(pattern)
            }
        }
        KvoTableView {
            id: view
            focus: true
            Layout.fillWidth: true
            Layout.fillHeight: true
        }
    }
}
