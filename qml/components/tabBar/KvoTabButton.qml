import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"

TabButton {
    id: button
    property url iconSource: ""
    implicitWidth: Math.max(KvoAppStyle.tabWidth, contentItem.implicitWidth + 2 * KvoAppStyle.margin)
    // A set width keeps the tab bar from sharing its width out equally, which cuts the longer names.
    width: implicitWidth
    implicitHeight: KvoAppStyle.headerHeight
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    contentItem: Row {
        spacing: KvoAppStyle.spacing
        leftPadding: KvoAppStyle.spacing
        Image {
            anchors.verticalCenter: parent.verticalCenter
            source: button.iconSource
            width: KvoAppStyle.iconSize
            height: KvoAppStyle.iconSize
            sourceSize.width: KvoAppStyle.iconSize
            sourceSize.height: KvoAppStyle.iconSize
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: button.text
            font: button.font
            color: button.checked ? KvoAppStyle.text : KvoAppStyle.textDim
        }
    }
    background: Rectangle {
        color: button.checked ? KvoAppStyle.bg : button.hovered ? KvoAppStyle.hover : "transparent"
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 2
            visible: button.checked
            color: KvoAppStyle.accent
        }
    }
}
