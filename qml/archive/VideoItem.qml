import QtQuick 2.13
import QmlVlc 0.1
import "../misc"
import "../desktop/zoom"

// The picture of one playing camera. It follows the archive's cursor: streamed by the server
// (one stream per line, jumped and paused with the cursor) or played from the clip files when they
// can be read here (the clip covering the cursor, event clips first, the next one at a clip's end).
// Where the camera has no recording at the cursor it shows "No recording" while the others play on.
Rectangle {
    id: item
    property Item archive: null
    property string deviceId: ""
    property string deviceName: ""
    property bool localMode: false
    property string streamKey: ""
    property bool streamStarted: false
    // The clip under the cursor (information), and the clip whose file the local player holds.
    property var clip: ({})
    property var loadedClip: ({})
    property bool hasRecording: false
    property real pendingSeek: -1
    // Where this camera's picture is, epoch ms (from the server's reports or the local player).
    property real picturePosition: 0
    property real firstPictureMs: -1
    property bool waitingFirstPicture: false
    readonly property var sync: archive ? archive.syncController : null
    readonly property string lineKey: deviceId
    readonly property bool isEvent: Number(clip.type) === 2
    property alias player: vlcPlayer
    property alias surface: vlcVideoSurface
    signal closeRequested()

    objectName: "videoItem_" + deviceId
    color: KvoAppStyle.tileBg
    border.color: KvoAppStyle.border

    function hasEntry(entry) { return entry && entry.id !== undefined }
    function fileUrl(path) { return "file://" + encodeURI(path) }

    // Milliseconds into the loaded clip that correspond to the cursor moment `at`.
    function mapCurrentPosition2PlayerPosition(at) {
        return hasEntry(loadedClip) ? Math.max(0, at - Number(loadedClip.dtStart)) : 0
    }

    function goIdle() {
        if (!hasRecording)
            return
        hasRecording = false
        clip = ({})
        if (localMode) {
            vlcPlayer.stop()
            loadedClip = ({})
        } else if (streamStarted) {
            archive.archivePlayerController.trPauseVideo({ streamKey: streamKey })
        }
        sync.reportIdle(lineKey)
    }

    function loadLocal(entry, at) {
        loadedClip = entry
        pendingSeek = mapCurrentPosition2PlayerPosition(at)
        vlcPlayer.play(fileUrl(String(entry.filePath)))
    }

    // The cursor moved by itself: start or stop at the edges of the recording, change clip files.
    function follow(at) {
        var entry = archive.archiveLocalPlayerController.findInterval(Number(deviceId), at)
        if (!hasEntry(entry)) {
            goIdle()
            return
        }
        if (!hasRecording) {
            jumpTo(at)
            return
        }
        clip = entry
        if (localMode && String(entry.id) !== String(loadedClip.id))
            loadLocal(entry, at)
    }

    // The cursor jumped (or this line is out of step): the picture goes to `at`.
    function jumpTo(at) {
        var entry = archive.archiveLocalPlayerController.findInterval(Number(deviceId), at)
        if (!hasEntry(entry)) {
            goIdle()
            return
        }
        var wasIdle = !hasRecording
        hasRecording = true
        clip = entry
        if (localMode) {
            if (String(entry.id) === String(loadedClip.id) && (vlcPlayer.state === QmlVlcPlayerState.Playing
                                                               || vlcPlayer.state === QmlVlcPlayerState.Paused)) {
                vlcPlayer.time = mapCurrentPosition2PlayerPosition(at)
                if (sync.playing && vlcPlayer.state === QmlVlcPlayerState.Paused)
                    vlcPlayer.play()
            } else {
                loadLocal(entry, at)
            }
        } else if (!streamStarted) {
            streamKey = archive.makeTrCreateVideo(deviceId, at)
            streamStarted = true
        } else {
            archive.archivePlayerController.trJumpVideo({ streamKey: streamKey, position: Math.round(at),
                                                         speed: sync.speed })
            if (wasIdle && sync.playing)
                archive.archivePlayerController.trPlayVideo({ streamKey: streamKey, speed: sync.speed })
        }
    }

    function setPlaying(playing) {
        if (!hasRecording)
            return
        if (localMode) {
            if (playing)
                vlcPlayer.play()
            else
                vlcPlayer.pause()
        } else if (streamStarted) {
            // The server sends the stream at the cursor's speed.
            if (playing)
                archive.archivePlayerController.trPlayVideo({ streamKey: streamKey, speed: sync.speed })
            else
                archive.archivePlayerController.trPauseVideo({ streamKey: streamKey, speed: sync.speed })
        }
    }

    // This camera is ahead of the others: it waits for its lead.
    function hold(ms) {
        if (!hasRecording || !sync.playing)
            return
        setPlaying(false)
        holdTimer.interval = Math.max(20, Math.round(ms))
        holdTimer.restart()
    }

    // A local clip ended: the next clip goes on when the cursor is already there; otherwise the
    // line waits in its gap until the cursor reaches the next recording.
    function clipEnded() {
        if (!hasEntry(loadedClip))
            return
        var next = archive.archiveLocalPlayerController.findNearestRightBoundInterval(Number(deviceId),
                                                                                  Number(loadedClip.dtStart) + 1)
        var at = sync.cursor
        if (hasEntry(next) && Number(next.dtStart) <= at + sync.toleranceMs) {
            clip = next
            loadLocal(next, Math.max(at, Number(next.dtStart)))
        } else {
            loadedClip = ({})
            goIdle()
        }
    }

    // Server stream events, handed over by the archive by stream key.
    function streamCreated(mapParams) {
        if (!sync.playing || !hasRecording)
            archive.archivePlayerController.trPauseVideo({ streamKey: streamKey })
    }
    function playSdp(path) {
        vlcPlayer.play(fileUrl(path))
    }
    // The server's position less the stream's delay is where the picture is; until the first
    // picture shows there is none to report. The delay is time on the way (buffers, sending), so at
    // x2 it holds twice as much of the recording.
    function streamPosition(position, paused) {
        if (!vlcPlayer.input.hasVout)
            return
        picturePosition = position - vlcPlayer.archiveStreamDelayMs * (sync.speed > 0 ? sync.speed : 1)
        if (hasRecording && !paused && sync.playing)
            sync.reportPosition(lineKey, picturePosition)
    }
    function streamJumped(mapParams) {
        if (mapParams.RES === false)
            console.warn("Archive jump of device " + deviceId + " failed: " + mapParams.error)
    }

    VlcPlayer {
        id: vlcPlayer
        // Every streamed line shows its stream with the same short delay.
        archiveStreamProfile: !item.localMode
        onTimeChanged: {
            if (!item.localMode || !item.hasEntry(item.loadedClip) || item.pendingSeek >= 0)
                return
            item.picturePosition = Number(item.loadedClip.dtStart) + time
            if (state === QmlVlcPlayerState.Playing && item.sync.playing)
                item.sync.reportPosition(item.lineKey, item.picturePosition)
        }
        onStateChanged: {
            if (state === QmlVlcPlayerState.Playing && item.localMode) {
                if (item.pendingSeek >= 0) {
                    time = item.pendingSeek
                    item.pendingSeek = -1
                }
                if (!item.sync.playing)
                    pause()
            } else if (state === QmlVlcPlayerState.Ended && item.localMode) {
                item.clipEnded()
            }
        }
        onPositionChanged: {}
    }

    VlcVideoSurface {
        id: vlcVideoSurface
        anchors.fill: parent
        anchors.margins: 1
        fillMode: VlcVideoSurface.PreserveAspectFit
        source: vlcPlayer
        visible: item.hasRecording
    }

    Rectangle {
        objectName: "noRecording"
        anchors.fill: parent
        anchors.margins: 1
        visible: !item.hasRecording
        color: KvoAppStyle.tileBg
        Text {
            anchors.centerIn: parent
            text: qsTr("No recording")
            color: KvoAppStyle.textDim
            font.family: KvoAppStyle.fontFamily
            font.pointSize: KvoAppStyle.fontSizeBig
        }
    }

    // Below the information line, whose close button stays reachable.
    ZoomArea {
        anchors.fill: parent
        anchors.topMargin: infoPanel.height + 1
        surface: vlcVideoSurface
        enabled: item.hasRecording
    }

    Rectangle {
        id: infoPanel
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 1
        height: infoText.implicitHeight + 6
        color: KvoAppStyle.shadeLight
        Text {
            id: infoText
            objectName: "videoInfoText"
            anchors.left: parent.left
            anchors.right: closeButton.left
            anchors.verticalCenter: parent.verticalCenter
            anchors.leftMargin: KvoAppStyle.spacing
            textFormat: Text.RichText
            elide: Text.ElideRight
            color: KvoAppStyle.text
            font.family: KvoAppStyle.fontFamily
            font.pointSize: KvoAppStyle.fontSize
            text: "<b>[%1]</b> %3 %2".arg(item.deviceName)
                  .arg(item.picturePosition > 0 ? Qt.formatDateTime(new Date(item.picturePosition), "dd.MM.yyyy hh:mm:ss") : "")
                  .arg(!item.hasRecording ? "" : item.isEvent ? "<font color=\"" + KvoAppStyle.error + "\">EVENT</font>"
                                                              : "<font color=\"" + KvoAppStyle.ok + "\">TMLPS</font>")
        }
        Text {
            id: closeButton
            anchors.right: parent.right
            anchors.rightMargin: KvoAppStyle.spacing
            anchors.verticalCenter: parent.verticalCenter
            text: "✕"
            color: KvoAppStyle.textDim
            font.pointSize: KvoAppStyle.fontSize
            MouseArea {
                anchors.fill: parent
                anchors.margins: -4
                onClicked: item.closeRequested()
            }
        }
    }

    Connections {
        target: item.sync
        function onCursorChanged(cursor) { item.follow(cursor) }
        function onPlayingChanged(playing) {
            holdTimer.stop()
            item.setPlaying(playing)
        }
        function onSpeedChanged(speed) {
            if (item.localMode)
                vlcPlayer.input.rate = speed
            else
                item.setPlaying(item.sync.playing)
        }
    }

    Timer {
        id: holdTimer
        onTriggered: if (item.sync.playing) item.setPlaying(true)
    }

    // Time from the click that started this line to its first picture.
    Timer {
        interval: 20
        repeat: true
        running: item.waitingFirstPicture
        onTriggered: {
            if (vlcPlayer.state === QmlVlcPlayerState.Playing && vlcPlayer.input.hasVout) {
                item.waitingFirstPicture = false
                item.firstPictureMs = Date.now() - item.archive.clickAt
                console.info("Archive first picture of device " + item.deviceId + " after "
                             + item.firstPictureMs + " ms (" + (item.localMode ? "local" : "streamed") + ")")
            }
        }
    }

    Component.onCompleted: {
        localMode = archive.isLocalPlayMode
        waitingFirstPicture = Date.now() - archive.clickAt < 1000
        jumpTo(sync.cursor)
    }
    Component.onDestruction: {
        if (streamStarted && archive && archive.archivePlayerController)
            archive.archivePlayerController.trRemoveVideo({ streamKey: streamKey })
        if (sync)
            sync.removeLine(lineKey)
        vlcPlayer.stop()
    }
}
