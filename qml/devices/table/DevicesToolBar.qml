import QtQuick 2.13
import "../../misc"
import "../../components"
import "../../components/toolBar"

// Add, edit, delete, network search and camera passwords of the device table.
KvoTableToolBar {
    id: bar
    signal searchClicked()
    signal passwordsClicked()

    KvoToolButton {
        objectName: "toolButtonSearch"
        iconSource: "qrc:/img/toolBar/search.png"
        toolTipText: qsTr("Search device")
        enabled: bar.canChange
        onClicked: bar.searchClicked()
    }
    KvoToolButton {
        objectName: "toolButtonPasswords"
        iconSource: "qrc:/img/toolBar/password.png"
        toolTipText: qsTr("Device passwords")
        enabled: bar.canChange
        onClicked: bar.passwordsClicked()
    }
}
