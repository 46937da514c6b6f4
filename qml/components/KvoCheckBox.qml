import QtQuick 2.13
import QtQuick.Controls 2.5
import "../misc"

CheckBox {
    id: box
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    contentItem: Text {
        leftPadding: box.indicator.width + box.spacing
        text: box.text
        font: box.font
        color: KvoAppStyle.text
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
    }
}
