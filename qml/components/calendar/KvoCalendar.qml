import QtQuick 2.13
import QtQuick.Controls 1.4 as C1
import QtQuick.Controls.Styles 1.4
import QtQuick.Layouts 1.12
import "../../misc"
import "../text"

// A month calendar in the dark theme with the chosen day written above it.
Rectangle {
    id: cal
    property alias selectedDate: calendar.selectedDate
    property alias calendar: calendar
    signal picked(date date)
    implicitWidth: 300
    implicitHeight: 320
    color: KvoAppStyle.panel
    border.color: KvoAppStyle.border

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 2
        spacing: 2
        KvoText {
            objectName: "calendarHeader"
            text: calendar.selectedDate.toLocaleDateString(calendar.locale, "ddd, d MMM yyyy")
            horizontalAlignment: Text.AlignHCenter
            Layout.fillWidth: true
            Layout.preferredHeight: KvoAppStyle.rowHeight
        }
        C1.Calendar {
            id: calendar
            Layout.fillWidth: true
            Layout.fillHeight: true
            frameVisible: false
            // Month and day names in the language of the texts (the translation names the locale).
            locale: Qt.locale(qsTr("en_US", "locale of dates"))
            onClicked: cal.picked(date)
            style: CalendarStyle {
                gridVisible: false
                background: Rectangle { color: KvoAppStyle.panel }
                navigationBar: NavigationBar {
                    calendar: control
                    title: styleData.title
                }
                dayOfWeekDelegate: DayOfWeekDelegate {
                    dayOfWeek: styleData.dayOfWeek
                    locale: control.locale
                }
                dayDelegate: DayDelegate {
                    date: styleData.date
                    selected: styleData.selected
                    today: styleData.today
                    visibleMonth: styleData.visibleMonth
                    valid: styleData.valid
                    hovered: styleData.hovered
                }
            }
        }
    }
}
