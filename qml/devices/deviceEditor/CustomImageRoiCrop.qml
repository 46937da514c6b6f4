import QtQuick 2.13
import QtQuick.Layouts 1.12
import QmlVlc 0.1
import "../../misc"
import "../../components"
import "../../components/text"
import "../../components/buttons"

// The region of interest of a detector drawn over the camera's picture: a polygon whose corners
// are dragged; a double click adds a corner, a right click on a corner removes it. Points are
// relative to the picture (0..1), as the server takes them.
ColumnLayout {
    id: crop
    property var videoSource: null
    property var points: []
    readonly property var fullFrame: [{ x: 0, y: 0 }, { x: 1, y: 0 }, { x: 1, y: 1 }, { x: 0, y: 1 }]
    signal pointsEdited()
    spacing: KvoAppStyle.spacing / 2

    function clamp(v) { return Math.max(0, Math.min(1, v)) }
    function setPoints(list) {
        points = list
        pointsEdited()
    }
    function movePoint(index, x, y) {
        var p = points.slice()
        p[index] = { x: clamp(x), y: clamp(y) }
        setPoints(p)
    }
    function addPoint(x, y) {
        // Inserted after the nearest corner, so that the outline stays simple.
        var p = points.slice()
        var best = 0, bestD = 1e9
        for (var i = 0; i < p.length; ++i) {
            var d = (p[i].x - x) * (p[i].x - x) + (p[i].y - y) * (p[i].y - y)
            if (d < bestD) { bestD = d; best = i }
        }
        p.splice(best + 1, 0, { x: clamp(x), y: clamp(y) })
        setPoints(p)
    }
    function removePoint(index) {
        if (points.length <= 3)
            return false
        var p = points.slice()
        p.splice(index, 1)
        setPoints(p)
        return true
    }

    Rectangle {
        id: picture
        objectName: "roiPicture"
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.minimumHeight: 120
        color: KvoAppStyle.tileBg
        clip: true
        VlcVideoSurface {
            id: vlcVideoSurface
            anchors.fill: parent
            fillMode: VlcVideoSurface.Stretch
            source: crop.videoSource
        }
        KvoText {
            anchors.centerIn: parent
            visible: !crop.videoSource
            text: qsTr("No picture of the camera")
            color: KvoAppStyle.textDim
        }
        Canvas {
            id: outline
            anchors.fill: parent
            property var pts: crop.points
            onPtsChanged: requestPaint()
            onWidthChanged: requestPaint()
            onHeightChanged: requestPaint()
            onPaint: {
                var ctx = getContext("2d")
                ctx.clearRect(0, 0, width, height)
                if (!pts || pts.length < 3)
                    return
                // Shade what is outside the region, then draw its outline.
                ctx.fillStyle = KvoAppStyle.shadeLight
                ctx.beginPath()
                ctx.rect(0, 0, width, height)
                ctx.moveTo(pts[0].x * width, pts[0].y * height)
                for (var i = pts.length - 1; i >= 1; --i)
                    ctx.lineTo(pts[i].x * width, pts[i].y * height)
                ctx.closePath()
                ctx.fill()
                ctx.strokeStyle = KvoAppStyle.accent
                ctx.lineWidth = 2
                ctx.beginPath()
                ctx.moveTo(pts[0].x * width, pts[0].y * height)
                for (var j = 1; j < pts.length; ++j)
                    ctx.lineTo(pts[j].x * width, pts[j].y * height)
                ctx.closePath()
                ctx.stroke()
            }
        }
        MouseArea {
            anchors.fill: parent
            onDoubleClicked: crop.addPoint(mouse.x / width, mouse.y / height)
        }
        Repeater {
            model: crop.points ? crop.points.length : 0
            Rectangle {
                id: handle
                objectName: "roiHandle_" + index
                readonly property int handleSize: KvoAppStyle.iconSize / 2 + 4
                width: handleSize
                height: handleSize
                radius: handleSize / 2
                color: KvoAppStyle.accent
                border.color: KvoAppStyle.text
                x: crop.points[index].x * picture.width - width / 2
                y: crop.points[index].y * picture.height - height / 2
                MouseArea {
                    anchors.fill: parent
                    acceptedButtons: Qt.RightButton
                    onClicked: crop.removePoint(index)
                }
                DragArea {
                    anchors.fill: parent
                    target: null
                    property point start: Qt.point(0, 0)
                    onPressed: start = Qt.point(mouse.x, mouse.y)
                    onPositionChanged: {
                        if (!pressed)
                            return
                        var p = mapToItem(picture, mouse.x, mouse.y)
                        crop.movePoint(index, p.x / picture.width, p.y / picture.height)
                    }
                }
            }
        }
    }
    RowLayout {
        Layout.fillWidth: true
        KvoText {
            text: qsTr("Drag the corners; a double click adds one, a right click removes one.")
            color: KvoAppStyle.textDim
            font.pointSize: KvoAppStyle.fontSizeSmall
            Layout.fillWidth: true
        }
        KvoButton {
            objectName: "roiFullFrame"
            text: qsTr("Full frame")
            onClicked: crop.setPoints(crop.fullFrame)
        }
    }
}
