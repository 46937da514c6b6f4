import QtQuick 2.13
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.12
import "../misc"
import "../components"
import "../components/toolBar"
import "../components/calendar"
import "../components/text"

// Day, play and pause of every playing camera, speed, the time-lapse filter, export with its
// progress, and the switch to the upload status table.
KvoToolBar {
    id: bar
    property Item archive: null
    property date selectedDate: new Date()
    property alias showUploads: uploadsButton.checked
    readonly property var speeds: [0.5, 1, 2, 4]
    signal dateSelected(date date)
    signal exportRequested()

    KvoToolButton {
        objectName: "archiveCalendarButton"
        iconSource: "qrc:/img/toolBar/calendar.png"
        toolTipText: qsTr("Select day of the archive")
        onClicked: calendarPopup.open()
        Popup {
            id: calendarPopup
            background: Rectangle {
                color: KvoAppStyle.popupBg
                border.color: KvoAppStyle.border
                radius: KvoAppStyle.radius
            }
            y: parent.height
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
        objectName: "archiveDateText"
        // In the language of the window; qsTr makes a language switch write the date again.
        text: bar.selectedDate.toLocaleDateString(Qt.locale(), qsTr("d MMM yyyy"))
        color: KvoAppStyle.textDim
    }
    KvoToolButton {
        objectName: "archivePlayButton"
        iconSource: "qrc:/img/toolBar/play.png"
        toolTipText: qsTr("Play")
        enabled: bar.archive !== null && !bar.archive.syncController.playing
        onClicked: bar.archive.play()
    }
    KvoToolButton {
        objectName: "archivePauseButton"
        iconSource: "qrc:/img/toolBar/pause.png"
        toolTipText: qsTr("Pause")
        enabled: bar.archive !== null && bar.archive.syncController.playing
        onClicked: bar.archive.pause()
    }
    KvoComboBox {
        objectName: "archiveSpeedBox"
        implicitWidth: 80
        model: bar.speeds.map(function(s) { return "×" + s })
        currentIndex: 1
        onActivated: bar.archive.syncController.speed = bar.speeds[index]
    }
    KvoToolButton {
        objectName: "archiveTimeLapseButton"
        iconSource: "qrc:/img/toolBar/timelapse.png"
        toolTipText: qsTr("Show time-lapse recordings")
        checkable: true
        checked: bar.archive ? bar.archive.showTimeLapse : true
        onToggled: bar.archive.showTimeLapse = checked
    }
    KvoText {
        objectName: "archiveCursorText"
        Layout.leftMargin: KvoAppStyle.spacing
        Layout.rightMargin: KvoAppStyle.spacing
        text: bar.archive && bar.archive.currentPlayPosition > 0
              ? Qt.formatDateTime(new Date(bar.archive.currentPlayPosition), "hh:mm:ss") : "--:--:--"
        font.family: "monospace"
    }
    KvoToolButton {
        objectName: "archiveModeButton"
        text: bar.archive && bar.archive.isLocalPlayMode ? qsTr("Local files") : qsTr("Streamed by the server")
        toolTipText: qsTr("Play the clip files here when they can be read, or have the server stream them")
        implicitWidth: 150
        enabled: bar.archive !== null && bar.archive.clipsReadable
        onClicked: bar.archive.preferLocalPlay = !bar.archive.preferLocalPlay
    }
    Item { Layout.fillWidth: true }
    KvoText {
        objectName: "archiveSelectionText"
        visible: bar.archive !== null && bar.archive.selection.to > bar.archive.selection.from
        text: visible ? Qt.formatDateTime(new Date(bar.archive.selection.from), "hh:mm:ss") + " – "
                        + Qt.formatDateTime(new Date(bar.archive.selection.to), "hh:mm:ss") : ""
        color: KvoAppStyle.warning
    }
    KvoToolButton {
        objectName: "archiveExportButton"
        iconSource: "qrc:/img/toolBar/export.png"
        toolTipText: qsTr("Export the selected range to MP4")
        enabled: bar.archive !== null && !bar.archive.exportsRunning()
                 && bar.archive.exportRevision >= 0
        onClicked: bar.exportRequested()
    }
    ProgressBar {
        id: exportProgress
        objectName: "archiveExportProgress"
        visible: bar.archive !== null && bar.archive.exportRevision >= 0 && bar.archive.exportsRunning()
        implicitWidth: 140
        implicitHeight: 10
        value: bar.archive && bar.archive.exportRevision >= 0 ? bar.archive.exportProgress() : 0
        background: Rectangle { color: KvoAppStyle.bgDark; radius: KvoAppStyle.radius; border.color: KvoAppStyle.border }
        contentItem: Item {
            Rectangle {
                width: exportProgress.visualPosition * parent.width
                height: parent.height
                radius: KvoAppStyle.radius
                color: KvoAppStyle.accent
            }
        }
    }
    KvoToolButton {
        objectName: "archiveExportCancelButton"
        visible: exportProgress.visible
        text: qsTr("Cancel")
        implicitWidth: 70
        onClicked: bar.archive.cancelExports()
    }
    KvoToolButton {
        id: uploadsButton
        objectName: "archiveUploadsButton"
        iconSource: "qrc:/img/toolBar/uploads.png"
        toolTipText: qsTr("Archive extended")
        checkable: true
    }
}
