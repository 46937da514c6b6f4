import QtQuick 2.13
import QtQuick.Controls 2.5
import "../misc"
import "text"

// A time field that opens hour/minute/second editors in a popup.
KvoTextField {
    id: picker
    property int milliseconds: 0
    readOnly: true
    text: Utils.formatDuration(milliseconds)
    MouseArea {
        anchors.fill: parent
        onClicked: popup.open()
    }
    Popup {
        id: popup
        background: Rectangle {
            color: KvoAppStyle.popupBg
            border.color: KvoAppStyle.border
            radius: KvoAppStyle.radius
        }
        y: picker.height
        TimeEdit {
            milliseconds: picker.milliseconds
            onMillisecondsChanged: picker.milliseconds = milliseconds
        }
    }
}
