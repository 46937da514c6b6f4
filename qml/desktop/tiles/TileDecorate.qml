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
    // Without the server nobody knows whether the device still records: no running time then.
    readonly property bool connectionLost: typeof globalObjects !== "undefined" && globalObjects
                                           && globalObjects.connectionLost === true
    readonly property bool recStateUnknown: isRecording && connectionLost
    readonly property bool deviceDisabled: tile ? !tile.deviceEnabled : false
    // Small tiles of the crowded layouts show their name bar only under the mouse.
    readonly property bool compact: tile && tile.grid && !tile.isDetached ? tile.grid.totalAmountTiles >= 16 : false
    readonly property bool barShown: !isEmpty && (!compact || tile.hovered)
    // The status line in the middle of the tile; empty while the picture plays.
    readonly property string statusText: {
        if (isEmpty || playerState === QmlVlcPlayerState.Error && !connectionLost && !deviceDisabled)
            return ""
        if (deviceDisabled)
            return qsTr("Camera is disabled")
        if (connectionLost)
            return qsTr("Reconnecting")
        if (playerState === QmlVlcPlayerState.Playing)
            return ""
        return player ? qsTr("Connecting...") : qsTr("No video")
    }

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

    // Empty tile: the picture and the label shrink with the tile, so that the label stays whole
    // in the 36- and 64-tile layouts.
    Column {
        id: emptyHint
        anchors.centerIn: parent
        visible: decorate.isEmpty
        spacing: KvoAppStyle.spacing / 2
        readonly property int iconSize: Math.max(0, Math.min(48, decorate.height - addCameraText.height - 3 * spacing))
        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            source: "qrc:/img/tiles/add_camera.png"
            visible: emptyHint.iconSize >= 16
            width: emptyHint.iconSize
            height: emptyHint.iconSize
            sourceSize.width: 48
            sourceSize.height: 48
        }
        KvoText {
            id: addCameraText
            objectName: "addCameraText"
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(implicitWidth, decorate.width - 4)
            text: qsTr("Add camera")
            color: KvoAppStyle.textDim
            horizontalAlignment: Text.AlignHCenter
            fontSizeMode: Text.HorizontalFit
            minimumPointSize: KvoAppStyle.fontSizeMin
        }
    }

    // Recording state in the top left corner: a blinking dot with the running time, or a grey
    // dot with a question mark while the connection is lost.
    Row {
        id: recRow
        anchors.left: parent.left
        anchors.leftMargin: KvoAppStyle.spacing / 2
        anchors.verticalCenter: nameBar.verticalCenter
        z: 1
        spacing: KvoAppStyle.spacing / 2
        visible: !decorate.isEmpty && decorate.isRecording
        Rectangle {
            id: recDot
            objectName: "recIndicator"
            anchors.verticalCenter: parent.verticalCenter
            width: KvoAppStyle.fontSizeSmall
            height: width
            radius: width / 2
            color: decorate.recStateUnknown ? KvoAppStyle.textDim : KvoAppStyle.recording
            opacity: dimmed && !decorate.recStateUnknown ? KvoAppStyle.blinkDimOpacity : 1.0
            property bool dimmed: false
            // A blink in two steps rather than a fade: a running animation makes the whole
            // window render continuously, which on a desktop full of tiles costs a core.
            Timer {
                running: recRow.visible && !decorate.recStateUnknown
                repeat: true
                interval: KvoAppStyle.blinkIntervalMs
                onTriggered: recDot.dimmed = !recDot.dimmed
                onRunningChanged: recDot.dimmed = false
            }
        }
        TextTimer {
            objectName: "recTimer"
            visible: decorate.barShown && !decorate.recStateUnknown
            startMs: decorate.isRecording && !decorate.recStateUnknown ? decorate.dtRecStarted : 0
            color: KvoAppStyle.recording
            font.pointSize: KvoAppStyle.fontSizeSmall
        }
        KvoText {
            objectName: "recUnknownText"
            visible: decorate.recStateUnknown
            text: "?"
            color: KvoAppStyle.textDim
            font.pointSize: KvoAppStyle.fontSizeSmall
        }
    }

    // Device name along the top edge, slim so that it covers little of the picture.
    Rectangle {
        id: nameBar
        objectName: "nameBar"
        visible: decorate.barShown
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        height: KvoAppStyle.tileBarHeight
        color: KvoAppStyle.shadeLight
        KvoText {
            objectName: "deviceNameText"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: (recRow.visible ? recRow.width + KvoAppStyle.spacing / 2 : 0) + KvoAppStyle.spacing / 2
            anchors.rightMargin: KvoAppStyle.spacing / 2
            anchors.verticalCenter: parent.verticalCenter
            text: decorate.tile ? decorate.tile.deviceName : ""
            font.pointSize: KvoAppStyle.fontSizeSmall
        }
    }

    // The device is streamed to the YouTube channel.
    Image {
        objectName: "youtubeBadge"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 2
        visible: {
            if (decorate.isEmpty || typeof globalObjects === "undefined" || !globalObjects || !globalObjects.youtubeInfo)
                return false
            var info = globalObjects.youtubeInfo
            return info.isStreamDeviceOnYoutube === true && String(info.rstIDStreamDevice) === decorate.tile.deviceId
        }
        source: "qrc:/img/tiles/youtube.png"
        width: 32
        height: 24
    }

    // Broken link, or waiting for the picture.
    Image {
        objectName: "brokenLinkImage"
        anchors.centerIn: parent
        visible: !decorate.isEmpty && decorate.playerState === QmlVlcPlayerState.Error && decorate.statusText === ""
        source: "qrc:/img/tiles/broken_link.png"
        width: 64
        height: 64
        sourceSize.width: 64
        sourceSize.height: 64
    }
    KvoText {
        objectName: "statusText"
        anchors.centerIn: parent
        width: Math.min(implicitWidth, decorate.width - 4)
        visible: text !== ""
        text: decorate.statusText
        color: KvoAppStyle.textDim
        horizontalAlignment: Text.AlignHCenter
        fontSizeMode: Text.HorizontalFit
        minimumPointSize: KvoAppStyle.fontSizeMin
    }
}
