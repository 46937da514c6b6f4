import QtQuick 2.13
import QtQuick.Layouts 1.12
import QmlVlc 0.1
import "../../misc"
import "../../components"
import "../../components/text"
import "../../components/buttons"

// The picture of the camera being edited: the server tests the source and streams it to this
// client; a source that does not play says so instead of staying black.
Rectangle {
    id: preview
    property var deviceController: null
    property int typeCode: 0
    property string source: ""
    // "idle", "testing", "playing", "failed"
    property string status: "idle"
    property string message: qsTr("Enter the camera's address to see its picture.")
    property string _testedSource: ""
    property alias player: previewPlayer
    readonly property int settleMs: 800
    readonly property int pictureTimeoutMs: 12000

    color: KvoAppStyle.tileBg
    border.color: KvoAppStyle.border
    implicitWidth: 320
    implicitHeight: 240

    function start() {
        stopPlayer()
        if (!deviceController || source.trim() === "" || typeCode <= 1) {
            status = "idle"
            message = qsTr("Enter the camera's address to see its picture.")
            return
        }
        _testedSource = source
        status = "testing"
        message = qsTr("Connecting to the camera...")
        deviceController.trTest({ source: source, typeCode: typeCode, preview: true })
    }
    function stopPlayer() {
        noPicture.stop()
        if (previewPlayer.state !== QmlVlcPlayerState.NothingSpecial && previewPlayer.state !== QmlVlcPlayerState.Stopped)
            previewPlayer.stop()
    }
    function fail(text) {
        stopPlayer()
        status = "failed"
        message = text
    }
    function onTested(mapParams) {
        if (String(mapParams["_receiver"]) !== String(deviceController.objectNumber) || mapParams["stopPreview"] === true)
            return
        if (mapParams["source"] !== undefined && mapParams["source"] !== _testedSource)
            return // an answer about an address that was changed since
        if (mapParams["RES"] === false) {
            fail(qsTr("The camera does not answer.") + "\n" + (mapParams["error"] || ""))
            return
        }
        var path = deviceController.createSDPFile(mapParams)
        if (path === "") {
            fail(qsTr("The camera answered, but the server sent no picture."))
            return
        }
        message = qsTr("Waiting for the picture...")
        previewPlayer.play("file://" + path)
        noPicture.restart()
    }

    onSourceChanged: settle.restart()
    onTypeCodeChanged: settle.restart()
    Component.onDestruction: {
        previewPlayer.stop()
        if (deviceController && status !== "idle")
            deviceController.trTest({ stopPreview: true })
    }

    Timer {
        id: settle
        interval: preview.settleMs
        onTriggered: preview.start()
    }
    Timer {
        id: noPicture
        interval: preview.pictureTimeoutMs
        onTriggered: if (preview.status !== "playing") preview.fail(qsTr("No picture from the camera."))
    }
    Connections {
        target: preview.deviceController
        ignoreUnknownSignals: true
        function onSaTest(mapParams) { preview.onTested(mapParams) }
    }

    VlcPlayer {
        id: previewPlayer
        objectName: "previewPlayer"
        onStateChanged: {
            if (state === QmlVlcPlayerState.Playing) {
                noPicture.stop()
                preview.status = "playing"
                preview.message = ""
            } else if (state === QmlVlcPlayerState.Error) {
                preview.fail(qsTr("The picture of the camera cannot be played."))
            }
        }
    }
    VlcVideoSurface {
        id: videoSurface
        objectName: "previewSurface"
        anchors.fill: parent
        anchors.margins: KvoAppStyle.borderWidth
        source: preview.status === "playing" || preview.status === "testing" ? previewPlayer : null
        fillMode: VlcVideoSurface.PreserveAspectFit
        visible: preview.status === "playing"
    }
    ColumnLayout {
        anchors.centerIn: parent
        width: parent.width - 2 * KvoAppStyle.margin
        visible: preview.status !== "playing"
        KvoText {
            objectName: "previewMessage"
            text: preview.message
            color: preview.status === "failed" ? KvoAppStyle.error : KvoAppStyle.textDim
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            elide: Text.ElideNone
            Layout.fillWidth: true
        }
        KvoButton {
            objectName: "previewRetry"
            visible: preview.status === "failed"
            text: qsTr("Try again")
            Layout.alignment: Qt.AlignHCenter
            onClicked: preview.start()
        }
    }
}
