import QtQuick 2.13
import "../misc"

// A camera's line: its name with a play switch, the recorded spans and the event marks within the
// visible part of the timeline. Empty stretches are gaps in the recording.
Rectangle {
    id: line
    property Item archive: null
    property real trackX: 0
    property string deviceId: ""
    property int lineIndex: 0
    property string deviceName: ""
    property string lineModelText: ""
    readonly property var lineModel: {
        try {
            return lineModelText !== "" ? JSON.parse(lineModelText) : { spans: [], events: [] }
        } catch (e) {
            console.warn("Bad line model of device " + deviceId + ": " + e)
            return { spans: [], events: [] }
        }
    }
    readonly property bool playing: archive !== null && archive.playingModel.count >= 0
                                    && isPlaying(archive.playingModel.count)
    function isPlaying(revision) { return archive.isLinePlaying(deviceId) }
    readonly property real viewStart: archive ? archive.viewStart : 0
    readonly property real viewEnd: archive ? archive.viewEnd : 1
    function xOf(ms) { return (ms - viewStart) / Math.max(1, viewEnd - viewStart) * track.width }

    objectName: "archiveLine_" + deviceId
    color: playing ? archive.selectedBgColor : (lineIndex % 2 ? archive.bgColor : archive.bgColorDark)

    Item {
        id: label
        width: line.trackX
        height: parent.height
        Rectangle {
            id: playSwitch
            objectName: "linePlaySwitch"
            anchors.left: parent.left
            anchors.leftMargin: KvoAppStyle.spacing
            anchors.verticalCenter: parent.verticalCenter
            width: 14
            height: 14
            radius: 7
            color: line.playing ? KvoAppStyle.ok : "transparent"
            border.color: KvoAppStyle.textDim
            MouseArea {
                anchors.fill: parent
                anchors.margins: -4
                onClicked: line.archive.toggleLine(line.deviceId)
            }
        }
        Text {
            anchors.left: playSwitch.right
            anchors.leftMargin: KvoAppStyle.spacing
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            text: line.deviceName
            elide: Text.ElideRight
            color: KvoAppStyle.text
            font.family: KvoAppStyle.fontFamily
            font.pointSize: KvoAppStyle.fontSize
        }
    }

    Item {
        id: track
        objectName: "lineTrack"
        x: line.trackX
        width: line.width - line.trackX
        height: parent.height
        clip: true
        Repeater {
            model: line.archive && line.archive.showTimeLapse ? line.lineModel.spans : []
            Rectangle {
                readonly property real x0: line.xOf(modelData.from)
                readonly property real x1: line.xOf(modelData.to)
                visible: x1 >= 0 && x0 <= track.width
                x: Math.max(-1, x0)
                width: Math.max(1, Math.min(track.width + 1, x1) - x)
                y: 6
                height: parent.height - 12
                color: line.archive.lineColor
                opacity: 0.85
            }
        }
        Repeater {
            model: line.lineModel.events
            Rectangle {
                objectName: "eventMark"
                readonly property real x0: line.xOf(modelData.from)
                readonly property real x1: line.xOf(modelData.to)
                visible: x1 >= 0 && x0 <= track.width
                x: x0
                width: Math.max(3, x1 - x0)
                y: 2
                height: 6
                color: KvoAppStyle.error
            }
        }
    }
}
