import QtQuick 2.13
import QtQuick.Controls 2.5
import "../../misc"

// One two-digit part of a time (hours, minutes or seconds) edited by typing or the wheel.
SpinBox {
    id: digit
    property int maximum: 59
    from: 0
    to: maximum
    editable: true
    wrap: true
    implicitHeight: KvoAppStyle.buttonHeight
    implicitWidth: 64
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize
    textFromValue: function(value) { return value < 10 ? "0" + value : "" + value }
    valueFromText: function(text) { return Math.max(from, Math.min(to, parseInt(text, 10) || 0)) }
    validator: IntValidator { bottom: digit.from; top: digit.to }
}
