import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"

MenuBarItem {
    id: item
    implicitHeight: KvoAppStyle.titleBarHeight
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    contentItem: Text {
        text: item.text
        font: item.font
        color: KvoAppStyle.text
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle { color: item.highlighted ? KvoAppStyle.hover : "transparent" }
}
