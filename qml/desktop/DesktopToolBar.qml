import QtQuick 2.13
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.12
import "../misc"
import "../components/toolBar"
import "../components/calendar"
import "../components/text"

// Layout buttons of the tile grid, and the day of the events below it.
KvoToolBar {
    id: bar
    property string currentSize: Utils.defaultGridSize
    property date selectedDate: new Date()
    property bool eventsStretched: false
    signal sizeSelected(string name)
    signal dateSelected(date date)
    signal stretchToggled()

    Repeater {
        model: Utils.gridSizes
        KvoToolButton {
            objectName: "layout_" + modelData.name
            readonly property int panels: Utils.slotCount(modelData.columns, modelData.rows,
                                                          modelData.spanColumnsBig, modelData.spanRowsBig)
            active: bar.currentSize === modelData.name
            iconSource: "qrc:/img/toolBar/" + modelData.image + ".png"
            // The icons of the large grids differ little; the number tells them apart.
            badgeText: panels >= 16 && modelData.spanColumnsBig === 1 ? String(panels) : ""
            toolTipText: qsTr("%1 panels").arg(panels)
            onClicked: bar.sizeSelected(modelData.name)
        }
    }
    Item { Layout.fillWidth: true }
    KvoToolButton {
        objectName: "calendarButton"
        iconSource: "qrc:/img/toolBar/calendar.png"
        toolTipText: qsTr("Select day of events")
        onClicked: calendarPopup.open()
        Popup {
            id: calendarPopup
            background: Rectangle {
                color: KvoAppStyle.popupBg
                border.color: KvoAppStyle.border
                radius: KvoAppStyle.radius
            }
            y: parent.height
            x: parent.width - width
            padding: 0
            KvoCalendar {
                selectedDate: bar.selectedDate
                onPicked: {
                    bar.selectedDate = date
                    bar.dateSelected(date)
                    calendarPopup.close()
                }
            }
        }
    }
    KvoText {
        objectName: "selectedDateText"
        // The format goes through qsTr so that a language switch writes the date again.
        text: bar.selectedDate.toLocaleDateString(Qt.locale(), qsTr("d MMM yyyy"))
        color: KvoAppStyle.textDim
    }
    KvoToolButton {
        objectName: "stretchButton"
        iconSource: bar.eventsStretched ? "qrc:/img/toolBar/compact.png" : "qrc:/img/toolBar/stretch.png"
        toolTipText: bar.eventsStretched ? qsTr("Show events") : qsTr("Hide events")
        onClicked: bar.stretchToggled()
    }
}
