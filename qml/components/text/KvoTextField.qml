import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"

TextField {
    id: field
    property bool isValid: true
    implicitHeight: KvoAppStyle.buttonHeight
    color: KvoAppStyle.text
    selectionColor: KvoAppStyle.selection
    placeholderTextColor: KvoAppStyle.textDim
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    leftPadding: KvoAppStyle.spacing
    rightPadding: KvoAppStyle.spacing
    topPadding: 0
    bottomPadding: 0
    verticalAlignment: TextInput.AlignVCenter
    selectByMouse: true
    background: Rectangle {
        color: KvoAppStyle.bgDark
        radius: KvoAppStyle.radius
        border.width: KvoAppStyle.borderWidth
        border.color: !field.isValid ? KvoAppStyle.error
                                     : field.activeFocus ? KvoAppStyle.accent : KvoAppStyle.border
    }
}
