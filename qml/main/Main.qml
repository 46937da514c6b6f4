import QtQuick 2.15
import QtQuick.Window 2.15

Window {
    id: mainWindow
    visible: true
    visibility: Window.Maximized
    width: 1280
    height: 800
    title: qsTr("Okulon")
    color: "#1e2329"

    Text {
        anchors.centerIn: parent
        color: "#e6e6e6"
        font.pointSize: 18
        text: qsTr("Okulon")
    }
}
