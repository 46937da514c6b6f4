import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"

// A menu item in the dark theme. Every item keeps room for the check mark, so that checkable and
// plain items line up; an invisible item takes no room.
MenuItem {
    id: item
    readonly property int markWidth: KvoAppStyle.iconSize
    height: visible ? implicitHeight : 0
    implicitHeight: visible ? KvoAppStyle.menuItemHeight : 0
    implicitWidth: label.implicitWidth + markWidth + 3 * KvoAppStyle.margin
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    leftPadding: KvoAppStyle.margin
    rightPadding: KvoAppStyle.margin
    indicator: Item {
        x: item.leftPadding
        width: item.markWidth
        height: item.height
        Text {
            objectName: "checkMark"
            anchors.centerIn: parent
            visible: item.checkable && item.checked
            text: "✓"
            color: KvoAppStyle.accent
            font.family: KvoAppStyle.fontFamily
            font.pointSize: KvoAppStyle.fontSize
            font.bold: true
        }
    }
    contentItem: Text {
        id: label
        leftPadding: item.markWidth + KvoAppStyle.spacing
        text: item.text
        font: item.font
        color: item.enabled ? KvoAppStyle.text : KvoAppStyle.textDim
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideNone
    }
    background: Rectangle {
        color: item.highlighted && item.enabled ? KvoAppStyle.selection : "transparent"
    }
}
