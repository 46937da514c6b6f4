import QtQuick 2.13
import QtQuick.Controls 2.5
import "../components/menuBar"

KvoMenuBar {
    id: bar
    property var tabNames: []
    property Action exitAction: null
    signal tabRequested(int index)
    signal aboutRequested()

    KvoMenu {
        title: qsTr("Menu")
        Repeater {
            model: bar.tabNames.length
            KvoMenuItem {
                text: bar.tabNames[index]
                onTriggered: bar.tabRequested(index)
            }
        }
        KvoMenuSeparator {}
        KvoMenuItem {
            action: bar.exitAction
        }
    }
    KvoMenu {
        title: qsTr("Help")
        KvoMenuItem {
            text: qsTr("About")
            onTriggered: bar.aboutRequested()
        }
    }
}
