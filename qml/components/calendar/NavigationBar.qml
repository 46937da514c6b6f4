import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../../misc"
import "../text"
import "../toolbuttons"

// Month and year of a calendar with the buttons to the previous and the next month.
Rectangle {
    id: bar
    // The calendar whose month is shown (a QtQuick.Controls 1 Calendar).
    property var calendar: null
    property string title: ""
    implicitHeight: KvoAppStyle.toolBarHeight
    color: KvoAppStyle.header

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: KvoAppStyle.spacing / 2
        anchors.rightMargin: KvoAppStyle.spacing / 2
        spacing: 0
        KvoToolButton {
            objectName: "previousMonth"
            text: "‹"
            toolTipText: qsTr("Previous month")
            onClicked: if (bar.calendar) bar.calendar.showPreviousMonth()
        }
        KvoText {
            objectName: "calendarTitle"
            Layout.fillWidth: true
            text: bar.title
            horizontalAlignment: Text.AlignHCenter
            font.pointSize: KvoAppStyle.fontSizeBig
            font.bold: true
            fontSizeMode: Text.HorizontalFit
            minimumPointSize: KvoAppStyle.fontSizeSmall
            elide: Text.ElideNone
        }
        KvoToolButton {
            objectName: "nextMonth"
            text: "›"
            toolTipText: qsTr("Next month")
            onClicked: if (bar.calendar) bar.calendar.showNextMonth()
        }
    }
}
