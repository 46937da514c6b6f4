import QtQuick 2.13
import QmlVlc 0.1
import "../../misc"
import "../../components"
import "../../components/text"

// What is drawn over a tile: "Add camera" when empty, the device name, the recording indicator
// with its running time, the broken-link picture on error; and a tile whose stream ended is
// opened again.
Item {
    id: decorate
    property Item tile: null
    readonly property var player: tile ? tile.player : null
    readonly property int playerState: player ? player.state : QmlVlcPlayerState.NothingSpecial
    readonly property bool isEmpty: tile ? tile.deviceId === "" : true
    readonly property var recStateController: typeof globalObjects !== "undefined" && globalObjects
                                              ? globalObjects.deviceRecStateController : null
    readonly property var recRecord: {
        if (!recStateController || isEmpty)
            return null
        globalObjects.recStateRevision
        var model = recStateController.originalModel
        var row = model.checkValueByRole("rstIDDevice", Number(tile.deviceId))
        if (row < 0)
            row = model.checkValueByRole("rstIDDevice", tile.deviceId)
        return row >= 0 ? model.originalData(row) : null
    }
    readonly property string recState: recRecord ? String(recRecord.recState || "") : ""
    readonly property double dtRecStarted: recRecord ? Number(recRecord.dtRecStarted || 0) : 0
    // A device records while its state names a running recording and the start time is known.
    readonly property bool isRecording: dtRecStarted > 0 && ["recording", "recorded", "started", "on"].indexOf(recState) >= 0

    // The device the tile was last logged showing; the line is written again only after the
    // picture was lost (or another device came), not at every buffering hiccup of a live stream.
    property string _loggedDevice: ""
    onPlayerChanged: _loggedDevice = ""

    Connections {
        target: decorate.player
        ignoreUnknownSignals: true
        function onStateChanged(state) {
            if (!decorate.player)
                return
            var now = decorate.player.state
            if (now === QmlVlcPlayerState.Playing && decorate._loggedDevice !== decorate.tile.deviceId) {
                decorate._loggedDevice = decorate.tile.deviceId
                console.info("Tile " + decorate.tile.tileIndex + " shows device " + decorate.tile.deviceId)
            }
            if (now === QmlVlcPlayerState.Ended || now === QmlVlcPlayerState.Error
                    || now === QmlVlcPlayerState.Stopped || now === QmlVlcPlayerState.NothingSpecial)
                decorate._loggedDevice = ""
            if (now === QmlVlcPlayerState.Ended)
                restart.restart()
        }
    }
    Timer {
        id: restart
        interval: KvoAppStyle.restartDelayMs
        onTriggered: {
            if (decorate.tile && globalObjects && decorate.player && decorate.player.state === QmlVlcPlayerState.Ended)
                globalObjects.mediaPlayerContainer.resetByWatchDog(decorate.tile.deviceId)
        }
    }

    // Empty tile.
    Column {
        anchors.centerIn: parent
        visible: decorate.isEmpty
        spacing: KvoAppStyle.spacing
        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            source: "qrc:/img/tiles/add_camera.png"
            width: 48
            height: 48
            sourceSize.width: 48
            sourceSize.height: 48
        }
        KvoText {
            objectName: "addCameraText"
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Add camera")
            color: KvoAppStyle.textDim
        }
    }

    // Device name and recording state along the top edge.
    Rectangle {
        visible: !decorate.isEmpty
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        height: KvoAppStyle.rowHeight
        color: KvoAppStyle.shadeLight
        Row {
            anchors.left: parent.left
            anchors.leftMargin: KvoAppStyle.spacing
            anchors.verticalCenter: parent.verticalCenter
            spacing: KvoAppStyle.spacing
            Rectangle {
                id: recDot
                objectName: "recIndicator"
                anchors.verticalCenter: parent.verticalCenter
                visible: decorate.isRecording
                width: KvoAppStyle.fontSize
                height: width
                radius: width / 2
                color: KvoAppStyle.recording
                opacity: dimmed ? KvoAppStyle.blinkDimOpacity : 1.0
                property bool dimmed: false
                // A blink in two steps rather than a fade: a running animation makes the whole
                // window render continuously, which on a desktop full of tiles costs a core.
                Timer {
                    running: recDot.visible
                    repeat: true
                    interval: KvoAppStyle.blinkIntervalMs
                    onTriggered: recDot.dimmed = !recDot.dimmed
                    onRunningChanged: recDot.dimmed = false
                }
            }
            TextTimer {
                objectName: "recTimer"
                visible: decorate.isRecording
                startMs: decorate.isRecording ? decorate.dtRecStarted : 0
                color: KvoAppStyle.recording
                font.pointSize: KvoAppStyle.fontSizeSmall
            }
            KvoText {
                objectName: "deviceNameText"
                text: decorate.tile ? decorate.tile.deviceName : ""
                font.pointSize: KvoAppStyle.fontSizeSmall
            }
        }
    }

    // The device is being streamed to the YouTube channel (the server's state, not just the wish).
    Image {
        objectName: "youtubeBadge"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 2
        visible: {
            if (decorate.isEmpty || typeof globalObjects === "undefined" || !globalObjects || !globalObjects.youtubeInfo)
                return false
            var info = globalObjects.youtubeInfo
            return info.isStreamDeviceOnYoutube === true && info.status === "streaming"
                    && String(info.rstIDStreamDevice) === decorate.tile.deviceId
        }
        source: "qrc:/img/tiles/youtube.png"
        width: 32
        height: 24
    }

    // Broken link, or waiting for the picture.
    Image {
        objectName: "brokenLinkImage"
        anchors.centerIn: parent
        visible: !decorate.isEmpty && decorate.playerState === QmlVlcPlayerState.Error
        source: "qrc:/img/tiles/broken_link.png"
        width: 64
        height: 64
        sourceSize.width: 64
        sourceSize.height: 64
    }
    KvoText {
        anchors.centerIn: parent
        visible: !decorate.isEmpty && decorate.playerState !== QmlVlcPlayerState.Playing
                 && decorate.playerState !== QmlVlcPlayerState.Error
        text: decorate.player ? qsTr("Connecting...") : qsTr("No video")
        color: KvoAppStyle.textDim
    }
}
