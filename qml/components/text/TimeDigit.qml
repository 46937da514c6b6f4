import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"

// One two-digit part of a time (hours, minutes or seconds) edited by typing, the wheel or the
// −/+ buttons beside the digits (never over them).
SpinBox {
    id: digit
    property int maximum: 59
    from: 0
    to: maximum
    editable: true
    wrap: true
    readonly property int buttonWidth: KvoAppStyle.buttonHeight - 6
    implicitHeight: KvoAppStyle.buttonHeight
    // Room for two digits whatever the font, and the buttons beside them.
    implicitWidth: Math.ceil(twoDigits.width) + 4 + 2 * buttonWidth + 2 * KvoAppStyle.spacing
    TextMetrics { id: twoDigits; font: digit.font; text: "00" }
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    leftPadding: buttonWidth + KvoAppStyle.spacing / 2
    rightPadding: buttonWidth + KvoAppStyle.spacing / 2
    textFromValue: function(value) { return value < 10 ? "0" + value : "" + value }
    valueFromText: function(text) { return Math.max(from, Math.min(to, parseInt(text, 10) || 0)) }
    validator: IntValidator { bottom: digit.from; top: digit.to }

    contentItem: TextInput {
        id: digits
        objectName: "digits"
        text: digit.textFromValue(digit.value, digit.locale)
        font: digit.font
        color: KvoAppStyle.text
        selectionColor: KvoAppStyle.selection
        selectedTextColor: KvoAppStyle.text
        horizontalAlignment: Qt.AlignHCenter
        verticalAlignment: Qt.AlignVCenter
        readOnly: !digit.editable
        validator: digit.validator
        inputMethodHints: Qt.ImhDigitsOnly
    }
    down.indicator: Rectangle {
        objectName: "downButton"
        x: 0
        height: digit.height
        width: digit.buttonWidth
        radius: KvoAppStyle.radius
        color: digit.down.pressed ? KvoAppStyle.accentDark : digit.down.hovered ? KvoAppStyle.hover : KvoAppStyle.bgLight
        Text {
            anchors.centerIn: parent
            text: "−"
            color: KvoAppStyle.text
            font.family: KvoAppStyle.fontFamily
            font.pointSize: KvoAppStyle.fontSize
        }
    }
    up.indicator: Rectangle {
        objectName: "upButton"
        x: digit.width - width
        height: digit.height
        width: digit.buttonWidth
        radius: KvoAppStyle.radius
        color: digit.up.pressed ? KvoAppStyle.accentDark : digit.up.hovered ? KvoAppStyle.hover : KvoAppStyle.bgLight
        Text {
            anchors.centerIn: parent
            text: "+"
            color: KvoAppStyle.text
            font.family: KvoAppStyle.fontFamily
            font.pointSize: KvoAppStyle.fontSize
        }
    }
    background: Rectangle {
        radius: KvoAppStyle.radius
        color: KvoAppStyle.bgDark
        border.width: KvoAppStyle.borderWidth
        border.color: digit.activeFocus ? KvoAppStyle.accent : KvoAppStyle.border
    }
}
