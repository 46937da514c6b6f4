import QtQuick 2.13
import QtQuick.Controls 1.4 as C1
import QtQuick.Layouts 1.12
import "../../misc"
import "../text"

// A month calendar with the chosen day written above it.
Rectangle {
    id: cal
    property alias selectedDate: calendar.selectedDate
    signal picked(date date)
    implicitWidth: 260
    implicitHeight: 260
    color: KvoAppStyle.panel
    border.color: KvoAppStyle.border

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 2
        spacing: 2
        KvoText {
            objectName: "calendarHeader"
            text: Qt.formatDate(calendar.selectedDate, "ddd, d MMM yyyy")
            horizontalAlignment: Text.AlignHCenter
            Layout.fillWidth: true
        }
        C1.Calendar {
            id: calendar
            Layout.fillWidth: true
            Layout.fillHeight: true
            onClicked: cal.picked(date)
        }
    }
}
