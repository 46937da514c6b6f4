import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../misc"
import "../components/buttons"

Rectangle {
    id: header
    property alias tabBar: tabs
    property alias currentIndex: tabs.currentIndex
    signal helpRequested()
    signal exitRequested()
    implicitHeight: KvoAppStyle.headerHeight
    color: KvoAppStyle.header

    RowLayout {
        anchors.fill: parent
        spacing: KvoAppStyle.spacing
        MainTabBar {
            id: tabs
            Layout.fillHeight: true
        }
        Item { Layout.fillWidth: true }
        ButtonHelp {
            onClicked: header.helpRequested()
        }
        ButtonExit {
            Layout.rightMargin: KvoAppStyle.spacing
            onClicked: header.exitRequested()
        }
    }
}
