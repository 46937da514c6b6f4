import QtQuick 2.13
import QtQuick.Controls 2.5
import "../misc"

GroupBox {
    id: box
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    label: Text {
        x: box.leftPadding
        text: box.title
        font: box.font
        color: KvoAppStyle.textDim
    }
    background: Rectangle {
        y: box.topPadding - box.bottomPadding
        width: parent.width
        height: parent.height - box.topPadding + box.bottomPadding
        color: "transparent"
        border.color: KvoAppStyle.border
        radius: KvoAppStyle.radius
    }
}
