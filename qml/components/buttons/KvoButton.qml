import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"

Button {
    id: button
    property string role: ""
    property bool isDefault: false
    implicitHeight: KvoAppStyle.buttonHeight
    implicitWidth: Math.max(KvoAppStyle.buttonMinWidth, contentItem.implicitWidth + 2 * KvoAppStyle.margin)
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    contentItem: Text {
        text: button.text
        font: button.font
        color: KvoAppStyle.text
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        opacity: button.enabled ? 1 : KvoAppStyle.disabledOpacity
    }
    background: Rectangle {
        radius: KvoAppStyle.radius
        color: button.down ? KvoAppStyle.accentDark
                           : button.isDefault || button.checked ? KvoAppStyle.accent
                                                                : button.hovered ? KvoAppStyle.hover : KvoAppStyle.bgLight
        border.width: KvoAppStyle.borderWidth
        border.color: button.activeFocus ? KvoAppStyle.accent : KvoAppStyle.border
    }
}
