import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"

ToolButton {
    id: button
    property url iconSource: ""
    property string toolTipText: ""
    implicitWidth: KvoAppStyle.toolBarHeight - 4
    implicitHeight: KvoAppStyle.toolBarHeight - 4
    hoverEnabled: true
    ToolTip.visible: hovered && toolTipText !== ""
    ToolTip.text: toolTipText
    ToolTip.delay: 500
    contentItem: Item {
        Image {
            anchors.centerIn: parent
            width: KvoAppStyle.iconSize
            height: KvoAppStyle.iconSize
            sourceSize.width: KvoAppStyle.iconSize
            sourceSize.height: KvoAppStyle.iconSize
            source: button.iconSource
            visible: button.iconSource != ""
            opacity: button.enabled ? 1 : KvoAppStyle.disabledOpacity
        }
        Text {
            anchors.centerIn: parent
            visible: button.iconSource == ""
            text: button.text
            color: KvoAppStyle.text
            font.family: KvoAppStyle.fontFamily
            font.pointSize: KvoAppStyle.fontSize
        }
    }
    background: Rectangle {
        radius: KvoAppStyle.radius
        color: button.checked ? KvoAppStyle.selection : button.down ? KvoAppStyle.accentDark
                                                                     : button.hovered ? KvoAppStyle.hover : "transparent"
    }
}
