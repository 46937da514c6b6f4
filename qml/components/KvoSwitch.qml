import QtQuick 2.13
import QtQuick.Controls 2.5
import "../misc"

Switch {
    id: control
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    contentItem: Text {
        leftPadding: control.indicator.width + control.spacing
        text: control.text
        font: control.font
        color: KvoAppStyle.text
        verticalAlignment: Text.AlignVCenter
    }
}
