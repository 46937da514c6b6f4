import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"

ToolButton {
    id: button
    property url iconSource: ""
    property string toolTipText: ""
    // Highlighted as the current choice. Not `checked`: setting that makes the button checkable,
    // and a click on it would then take the highlight away.
    property bool active: false
    // A short text in the lower right corner of the icon, for icons that look alike.
    property string badgeText: ""
    implicitWidth: KvoAppStyle.toolBarHeight - 4
    implicitHeight: KvoAppStyle.toolBarHeight - 4
    hoverEnabled: true
    // Below the button: a tool bar sits right under the tabs, which a tip above it would hide.
    ToolTip {
        id: tip
        objectName: "toolTip"
        parent: button
        y: button.height + KvoAppStyle.spacing / 2
        visible: button.hovered && button.toolTipText !== ""
        delay: 500
        text: button.toolTipText
        font.family: KvoAppStyle.fontFamily
        font.pointSize: KvoAppStyle.fontSizeSmall
        contentItem: Text {
            text: tip.text
            font: tip.font
            color: KvoAppStyle.text
        }
        background: Rectangle {
            color: KvoAppStyle.popupBg
            border.color: KvoAppStyle.border
            radius: KvoAppStyle.radius
        }
    }
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
        Rectangle {
            objectName: "badge"
            visible: button.badgeText !== ""
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            width: badge.implicitWidth + 2
            height: badge.implicitHeight
            radius: KvoAppStyle.radius
            color: KvoAppStyle.accentDark
            Text {
                id: badge
                anchors.centerIn: parent
                text: button.badgeText
                color: KvoAppStyle.text
                font.family: KvoAppStyle.fontFamily
                font.pointSize: KvoAppStyle.fontSizeMin
                font.bold: true
            }
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
        color: button.checked || button.active ? KvoAppStyle.selection : button.down ? KvoAppStyle.accentDark
                                                                     : button.hovered ? KvoAppStyle.hover : "transparent"
    }
}
