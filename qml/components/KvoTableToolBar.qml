import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../misc"
import "toolBar"

// The add / edit / delete buttons of a list screen; more buttons can follow as children.
// `canChange` false (an operator's account) disables the three.
KvoToolBar {
    id: bar
    property bool canChange: true
    property bool hasSelection: false
    default property alias extra: extraRow.data
    signal addClicked()
    signal editClicked()
    signal deleteClicked()

    KvoToolButton {
        objectName: "toolButtonAdd"
        iconSource: "qrc:/img/toolBar/add.png"
        toolTipText: qsTr("Add")
        enabled: bar.canChange
        onClicked: bar.addClicked()
    }
    KvoToolButton {
        objectName: "toolButtonEdit"
        iconSource: "qrc:/img/toolBar/edit.png"
        toolTipText: qsTr("Edit")
        enabled: bar.canChange && bar.hasSelection
        onClicked: bar.editClicked()
    }
    KvoToolButton {
        objectName: "toolButtonDelete"
        iconSource: "qrc:/img/toolBar/delete.png"
        toolTipText: qsTr("Delete")
        enabled: bar.canChange && bar.hasSelection
        onClicked: bar.deleteClicked()
    }
    RowLayout {
        id: extraRow
        spacing: 2
    }
    Item { Layout.fillWidth: true }
}
