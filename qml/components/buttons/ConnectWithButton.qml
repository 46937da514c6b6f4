import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"

// A button that links one thing with another (a found camera with the device list); shows
// whether the link exists already and then cannot be pressed again.
KvoButton {
    id: button
    property bool connected: false
    property string connectText: qsTr("Connect")
    property string connectedText: qsTr("Connected")
    text: connected ? connectedText : connectText
    enabled: !connected
}
