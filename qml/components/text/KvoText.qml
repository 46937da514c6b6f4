import QtQuick 2.13
import "../../misc"

Text {
    color: KvoAppStyle.text
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    elide: Text.ElideRight
    verticalAlignment: Text.AlignVCenter
}
