import QtQuick 2.13
import "../components/tabBar"

KvoTabBar {
    id: bar
    objectName: "mainTabBar"
    // Order matters: the stacked area and the main menu follow these indexes.
    readonly property var tabNames: [qsTr("Desktop"), qsTr("Devices"), qsTr("Archive"), qsTr("Settings")]
    readonly property var tabImages: ["desktop", "devices", "archive", "settings"]

    Repeater {
        model: bar.tabNames.length
        KvoTabButton {
            objectName: "tab_" + bar.tabImages[index]
            text: bar.tabNames[index]
            iconSource: "qrc:/img/tabBar/" + bar.tabImages[index] + ".png"
        }
    }
}
