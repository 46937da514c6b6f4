import QtQuick 2.13
import QtQuick.Controls 2.5
import "../misc"

// A combo box in the dark theme; its list is as wide as its longest entry.
ComboBox {
    id: box
    implicitHeight: KvoAppStyle.buttonHeight
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    leftPadding: KvoAppStyle.margin
    rightPadding: KvoAppStyle.margin + KvoAppStyle.iconSize

    contentItem: Text {
        text: box.displayText
        font: box.font
        color: box.enabled ? KvoAppStyle.text : KvoAppStyle.textDim
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    indicator: Text {
        x: box.width - width - KvoAppStyle.margin
        y: (box.height - height) / 2
        text: "▾"
        color: KvoAppStyle.textDim
        font.family: KvoAppStyle.fontFamily
        font.pointSize: KvoAppStyle.fontSize
    }
    background: Rectangle {
        radius: KvoAppStyle.radius
        color: KvoAppStyle.bgDark
        border.width: KvoAppStyle.borderWidth
        border.color: box.activeFocus || box.hovered ? KvoAppStyle.accent : KvoAppStyle.border
    }
    delegate: ItemDelegate {
        id: entry
        width: box.popup.width
        height: KvoAppStyle.menuItemHeight
        highlighted: box.highlightedIndex === index
        contentItem: Text {
            text: box.textRole ? (Array.isArray(box.model) ? modelData[box.textRole] : model[box.textRole]) : modelData
            font: box.font
            color: KvoAppStyle.text
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
        background: Rectangle { color: entry.highlighted ? KvoAppStyle.selection : "transparent" }
    }
    popup: Popup {
        y: box.height
        width: box.width
        implicitHeight: contentItem.implicitHeight + 2 * padding
        padding: KvoAppStyle.borderWidth
        contentItem: ListView {
            clip: true
            implicitHeight: Math.min(contentHeight, KvoAppStyle.menuItemHeight * 10)
            model: box.popup.visible ? box.delegateModel : null
            currentIndex: box.highlightedIndex
        }
        background: Rectangle {
            color: KvoAppStyle.popupBg
            border.color: KvoAppStyle.border
            radius: KvoAppStyle.radius
        }
    }
}
