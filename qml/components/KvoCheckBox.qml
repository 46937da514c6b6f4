import QtQuick 2.13
import QtQuick.Controls 2.5
import "../misc"

// A check box in the dark theme.
CheckBox {
    id: box
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    indicator: Rectangle {
        objectName: "checkIndicator"
        implicitWidth: KvoAppStyle.iconSize
        implicitHeight: KvoAppStyle.iconSize
        x: box.leftPadding
        y: box.topPadding + (box.availableHeight - height) / 2
        radius: KvoAppStyle.radius
        color: box.checked ? KvoAppStyle.accent : KvoAppStyle.bgDark
        border.color: box.activeFocus || box.hovered ? KvoAppStyle.accent : KvoAppStyle.border
        Text {
            anchors.centerIn: parent
            visible: box.checked
            text: "✓"
            color: KvoAppStyle.text
            font.family: KvoAppStyle.fontFamily
            font.pointSize: KvoAppStyle.fontSize
            font.bold: true
        }
    }
    contentItem: Text {
        leftPadding: box.indicator.width + box.spacing
        text: box.text
        font: box.font
        color: KvoAppStyle.text
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
    }
}
