import QtQuick 2.13
import "../../misc"
import "../text"

// The short name of a week day above the days of a calendar.
Rectangle {
    property int dayOfWeek: 0
    property var locale: Qt.locale()
    implicitHeight: KvoAppStyle.rowHeight
    color: KvoAppStyle.panel
    KvoText {
        anchors.fill: parent
        text: parent.locale.dayName(parent.dayOfWeek, Locale.ShortFormat)
        horizontalAlignment: Text.AlignHCenter
        color: KvoAppStyle.textDim
        font.pointSize: KvoAppStyle.fontSizeSmall
        fontSizeMode: Text.HorizontalFit
        minimumPointSize: KvoAppStyle.fontSizeMin
    }
}
