import QtQuick 2.13
import QtQuick.Layouts 1.12
import QtQuick.Window 2.2
import KVO 1.0
import QmlVlc 0.1
import "../misc"
import "../components"
import "../components/text"
import "../components/toolBar"
import "../desktop/zoom"

// One event in a window of its own: its clip file when it can be read here, otherwise the
// recording of that moment streamed by the server; a slider moves within the event. An event whose
// file is not finished yet is reported instead of played.
Window {
    id: window
    property var entry: ({})
    property bool fileError: false
    property string streamKey: ""
    property bool localMode: false
    property real offsetMs: 0
    readonly property real startMs: Number(entry.dtStart || 0)
    readonly property real durationMs: Math.max(1, Number(entry.dtEnd || 0) - startMs)
    property alias player: vlcPlayer
    property alias archivePlayerController: archivePlayerController
    property alias infoText: info
    readonly property string errorTitle: qsTr("Video file error")
    readonly property string errorText: qsTr("File is not yet ready.")
    readonly property string errorExplanation: qsTr("Try again later...")

    objectName: "externalArchivePlayer"
    title: qsTr("Event on") + " " + String(entry.deviceName || "")
    width: KvoAppStyle.detachedWidth
    height: KvoAppStyle.detachedHeight
    color: KvoAppStyle.bg
    visible: true

    function isReady() {
        return entry && entry.final === true && String(entry.filePath || "") !== ""
    }
    function fileUrl(path) { return "file://" + encodeURI(path) }

    function start() {
        if (!isReady()) {
            // Said in this window, where the picture would be: no second dialog over the main window.
            fileError = true
            console.warn("Event " + entry.id + ": " + errorText)
            return
        }
        localMode = localPlayer.isClipReadable(entry)
        if (localMode) {
            vlcPlayer.play(fileUrl(String(entry.filePath)))
        } else {
            archivePlayerController.trCreateVideo({ rstIDDevice: Number(entry.rstIDDevice), dtStart: Math.round(startMs) })
            streamKey = archivePlayerController.lastCreatedStreamKey()
        }
    }
    function seek(ms) {
        offsetMs = ms
        if (localMode)
            vlcPlayer.time = ms
        else if (streamKey !== "")
            archivePlayerController.trJumpVideo({ streamKey: streamKey, position: Math.round(startMs + ms) })
    }
    function togglePause() {
        if (localMode) {
            vlcPlayer.togglePause()
        } else if (streamKey !== "") {
            if (vlcPlayer.state === QmlVlcPlayerState.Paused)
                archivePlayerController.trPlayVideo({ streamKey: streamKey })
            else
                archivePlayerController.trPauseVideo({ streamKey: streamKey })
            vlcPlayer.togglePause()
        }
    }

    ArchiveLocalPlayerController { id: localPlayer }

    ArchivePlayerController {
        id: archivePlayerController
        onSaCreateVideo: console.info("Event stream " + mapParams.streamKey + " created")
        onSrNewSDP: {
            if (mapParams.streamKey !== window.streamKey)
                return
            var path = createSDPFile(mapParams)
            if (path !== "")
                vlcPlayer.play(window.fileUrl(path))
        }
        onSrPosition: {
            if (mapParams.streamKey !== window.streamKey)
                return
            window.offsetMs = Math.max(0, Number(mapParams.position) - window.startMs)
            // The stream goes on into the next recording: it stops at the end of the event.
            if (window.offsetMs >= window.durationMs && mapParams.paused !== true)
                trPauseVideo({ streamKey: window.streamKey })
        }
        onSaJumpVideo: {}
        onSaPauseVideo: {}
        onSaPlayVideo: {}
    }

    VlcPlayer {
        id: vlcPlayer
        onTimeChanged: if (window.localMode) window.offsetMs = time
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            color: KvoAppStyle.tileBg
            VlcVideoSurface {
                id: eventSurface
                anchors.fill: parent
                fillMode: VlcVideoSurface.PreserveAspectFit
                source: vlcPlayer
                visible: !window.fileError
            }
            ZoomArea {
                anchors.fill: parent
                surface: eventSurface
                enabled: !window.fileError
            }
            Column {
                objectName: "fileErrorPanel"
                anchors.centerIn: parent
                visible: window.fileError
                spacing: KvoAppStyle.spacing
                KvoText {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: window.errorTitle
                    color: KvoAppStyle.error
                    font.pointSize: KvoAppStyle.fontSizeTitle
                }
                KvoText { anchors.horizontalCenter: parent.horizontalCenter; text: window.errorText }
                KvoText { anchors.horizontalCenter: parent.horizontalCenter; text: window.errorExplanation; color: KvoAppStyle.textDim }
            }
        }
        Rectangle {
            Layout.fillWidth: true
            implicitHeight: info.implicitHeight + 2 * KvoAppStyle.spacing
            color: KvoAppStyle.panel
            Text {
                id: info
                objectName: "eventInfoText"
                anchors.fill: parent
                anchors.margins: KvoAppStyle.spacing
                textFormat: Text.RichText
                color: KvoAppStyle.text
                font.family: KvoAppStyle.fontFamily
                font.pointSize: KvoAppStyle.fontSize
                text: "<b>[%1]</b>  %2 %3<br> %4".arg(String(window.entry.deviceName || ""))
                      .arg(Utils.formatDateTime(window.startMs)).arg(Utils.formatDuration(window.durationMs))
                      .arg(String(window.entry.detected || ""))
            }
        }
        KvoToolBar {
            Layout.fillWidth: true
            KvoToolButton {
                objectName: "eventPauseButton"
                iconSource: vlcPlayer.state === QmlVlcPlayerState.Paused ? "qrc:/img/toolBar/play.png" : "qrc:/img/toolBar/pause.png"
                enabled: !window.fileError
                onClicked: window.togglePause()
            }
            KvoSlider {
                id: slider
                objectName: "eventSlider"
                Layout.fillWidth: true
                enabled: !window.fileError
                from: 0
                to: window.durationMs
                value: pressed ? value : Math.min(window.offsetMs, window.durationMs)
                onMoved: window.seek(value)
            }
            KvoText {
                text: Utils.formatDuration(Math.min(window.offsetMs, window.durationMs)) + " / " + Utils.formatDuration(window.durationMs)
                font.family: "monospace"
            }
        }
    }

    onClosing: window.destroy()
    Component.onCompleted: start()
    Component.onDestruction: {
        if (streamKey !== "")
            archivePlayerController.trRemoveVideo({ streamKey: streamKey })
        vlcPlayer.stop()
    }
}
