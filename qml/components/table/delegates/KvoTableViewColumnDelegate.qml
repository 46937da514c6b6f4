import QtQuick 2.13
import "../../../misc"

Text {
    property var display: styleData.value
    text: display === undefined || display === null ? "" : String(display)
    color: KvoAppStyle.text
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    elide: Text.ElideRight
    verticalAlignment: Text.AlignVCenter
    leftPadding: KvoAppStyle.spacing
}
