import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../../misc"
import "../../components/toolBar"
import "../../components/buttons"
import "../../components/text"

// Starts a search of the network and adds the chosen camera.
KvoToolBar {
    id: bar
    property bool searching: false
    property bool canAdd: false
    signal searchClicked()
    signal addClicked()

    KvoToolButton {
        objectName: "toolButtonSearch"
        iconSource: "qrc:/img/toolBar/search.png"
        toolTipText: qsTr("Search")
        enabled: !bar.searching
        onClicked: bar.searchClicked()
    }
    ConnectWithButton {
        objectName: "connectWithButton"
        connectText: qsTr("Add to devices")
        enabled: bar.canAdd
        onClicked: bar.addClicked()
    }
    KvoText {
        visible: bar.searching
        text: qsTr("Searching...")
        color: KvoAppStyle.textDim
    }
    Item { Layout.fillWidth: true }
}
