import QtQuick 2.13
import "../../misc"
import "../text"

// One day of a calendar: readable numbers, the chosen day filled, today outlined, the days of
// the neighbouring months dimmed.
Rectangle {
    id: day
    property date date
    property bool selected: false
    property bool today: false
    property bool visibleMonth: true
    property bool valid: true
    property bool hovered: false
    color: selected ? KvoAppStyle.accent : hovered ? KvoAppStyle.hover : KvoAppStyle.panel
    border.width: today && !selected ? KvoAppStyle.borderWidth : 0
    border.color: KvoAppStyle.accent
    radius: KvoAppStyle.radius
    KvoText {
        objectName: "dayNumber"
        anchors.fill: parent
        text: day.date.getDate()
        horizontalAlignment: Text.AlignHCenter
        font.pointSize: KvoAppStyle.fontSize
        color: !day.valid ? KvoAppStyle.border : day.visibleMonth ? KvoAppStyle.text : KvoAppStyle.textDim
    }
}
