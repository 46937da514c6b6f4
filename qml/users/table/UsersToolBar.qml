import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../../misc"
import "../../components/toolBar"

// Add, edit, block or unblock, and delete the chosen user; refresh the list.
KvoToolBar {
    id: bar
    property bool hasSelection: false
    property bool selectedBlocked: false
    // The chosen row is the account in use: it cannot be blocked or deleted.
    property bool selectedIsSelf: false
    signal addClicked()
    signal editClicked()
    signal blockClicked()
    signal deleteClicked()
    signal refreshClicked()

    KvoToolButton {
        objectName: "addUserButton"
        iconSource: "qrc:/img/toolBar/user_add.png"
        toolTipText: qsTr("Add user")
        onClicked: bar.addClicked()
    }
    KvoToolButton {
        objectName: "editUserButton"
        iconSource: "qrc:/img/toolBar/user_edit.png"
        toolTipText: qsTr("Edit user")
        enabled: bar.hasSelection
        onClicked: bar.editClicked()
    }
    KvoToolButton {
        objectName: "blockUserButton"
        iconSource: "qrc:/img/toolBar/user_block.png"
        toolTipText: bar.selectedBlocked ? qsTr("Unblock user") : qsTr("Block user")
        enabled: bar.hasSelection && !bar.selectedIsSelf
        onClicked: bar.blockClicked()
    }
    KvoToolButton {
        objectName: "deleteUserButton"
        iconSource: "qrc:/img/toolBar/user_delete.png"
        toolTipText: qsTr("Delete user")
        enabled: bar.hasSelection && !bar.selectedIsSelf
        onClicked: bar.deleteClicked()
    }
    KvoToolButton {
        iconSource: "qrc:/img/toolBar/refresh.png"
        toolTipText: qsTr("Refresh")
        onClicked: bar.refreshClicked()
    }
    Item { Layout.fillWidth: true }
}
