import QtQuick 2.13
import QmlVlc 0.1
import "../../misc"
import "../../components"
import "../health"
import "../zoom"

// A live tile: the picture of one device's player, the boxes of detected objects, the
// decorations and the mouse interaction. An empty tile offers to add a camera.
KvoFrame {
    id: tile
    objectName: "tile"
    property string deviceId: ""
    property bool mirrorVertically: false
    property bool mirrorHorizontally: false
    property int rotateAngle: 0
    property bool ignoreAspectRatio: false
    property int tileIndex: -1
    property var detectetObjectNames: []
    property var filterDetectetObjectNames: []
    property var object_rect: null
    property Item holder: null
    property Item grid: null
    readonly property var vocClasses: ["background", "aeroplane", "bicycle", "bird", "boat", "bottle", "bus", "car",
        "cat", "chair", "cow", "diningtable", "dog", "horse", "motorbike", "person", "pottedplant", "sheep", "sofa",
        "train", "tvmonitor"]
    // What the motion detector reports its regions as.
    readonly property string motionName: "motion"
    readonly property var container: typeof globalObjects !== "undefined" && globalObjects ? globalObjects.mediaPlayerContainer : null
    readonly property var player: {
        if (!container || deviceId === "")
            return null
        container.revision
        return container.find(deviceId)
    }
    readonly property var deviceRecord: {
        if (deviceId === "" || typeof globalObjects === "undefined" || !globalObjects || !globalObjects.deviceController)
            return null
        globalObjects.deviceController.originalModel.rowCount
        // In-place changes of a record (enabled, name) count too.
        globalObjects.deviceRevision
        var row = globalObjects.deviceController.originalModel.checkValueByRole("id", deviceId)
        return row >= 0 ? globalObjects.deviceController.originalModel.originalData(row) : null
    }
    readonly property string deviceName: deviceRecord ? String(deviceRecord.deviceName || "") : ""
    readonly property bool deviceEnabled: deviceRecord ? deviceRecord.enabled !== false && deviceRecord.enabled !== 0
                                                         && deviceRecord.enabled !== "false" : true
    // Width over height of the playing picture; 0 while unknown.
    property real pictureAspect: 0
    function updatePictureAspect() {
        var w = player && player.video ? Number(player.video.width) : 0
        var h = player && player.video ? Number(player.video.height) : 0
        pictureAspect = w > 0 && h > 0 ? w / h : 0
    }
    onPlayerChanged: updatePictureAspect()
    Connections {
        target: tile.player
        ignoreUnknownSignals: true
        function onStateChanged() { tile.updatePictureAspect() }
    }
    // The mouse is over the tile (its name bar may hide otherwise in crowded layouts).
    property bool hovered: false
    readonly property alias videoSurface: vlcVideoSurface
    readonly property alias interaction: interaction
    readonly property alias decorate: decorate
    readonly property alias health: tileHealth

    title: deviceName
    detachedWindowWidth: grid ? grid.detachedWindowWidth : KvoAppStyle.detachedWidth
    detachedWindowHeight: grid ? grid.detachedWindowHeight : KvoAppStyle.detachedHeight
    clip: true

    function isEmpty() {
        return deviceId === ""
    }
    // Motion regions, and the classes of the detector's vocabulary (limited by the tile's own
    // filter when it has one).
    function isAllowedObjectName(name) {
        if (name === motionName)
            return true
        if (vocClasses.indexOf(name) < 0 || name === "background")
            return false
        return filterDetectetObjectNames.length === 0 || filterDetectetObjectNames.indexOf(name) >= 0
    }
    function defineObjectRectColor(name) {
        if (name === motionName)
            return KvoAppStyle.motion
        var i = vocClasses.indexOf(name)
        if (i < 0)
            return KvoAppStyle.warning
        return Qt.hsla((i * 0.161) % 1.0, 0.85, 0.55, 1.0)
    }
    // Detections of this device from a "srObjectsDetected" notice: "objects" is a list of
    // {"name", "probability", "x", "y", "width", "height"} with coordinates relative to the
    // picture (0..1).
    function showDetections(mapParams) {
        var device = mapParams["rstIDDevice"] !== undefined ? mapParams["rstIDDevice"] : mapParams["id"]
        if (deviceId === "" || String(device) !== deviceId)
            return
        var objects = mapParams["objects"] || []
        var shown = []
        for (var i = 0; i < objects.length; ++i) {
            var o = objects[i]
            var name = String(o.name || o.className || "")
            if (!isAllowedObjectName(name))
                continue
            shown.push({
                name: name,
                probability: Number(o.probability || 0),
                x: Math.max(0, Math.min(1, Number(o.x || 0))),
                y: Math.max(0, Math.min(1, Number(o.y || 0))),
                width: Math.max(0, Math.min(1, Number(o.width || 0))),
                height: Math.max(0, Math.min(1, Number(o.height || 0)))
            })
        }
        detectetObjectNames = shown
        object_rect = shown.length > 0 ? shown[0] : null
        clearDetections.restart()
    }

    Connections {
        target: typeof globalObjects !== "undefined" && globalObjects ? globalObjects.deviceController : null
        ignoreUnknownSignals: true
        function onSrObjectsDetected(mapParams) { tile.showDetections(mapParams) }
    }
    Timer {
        id: clearDetections
        interval: KvoAppStyle.detectionLifetimeMs
        onTriggered: {
            tile.detectetObjectNames = []
            tile.object_rect = null
        }
    }

    Rectangle {
        anchors.fill: parent
        color: KvoAppStyle.tileBg
    }
    Item {
        id: picture
        anchors.fill: parent
        rotation: tile.rotateAngle
        transform: Scale {
            origin.x: picture.width / 2
            origin.y: picture.height / 2
            xScale: tile.mirrorHorizontally ? -1 : 1
            yScale: tile.mirrorVertically ? -1 : 1
        }
        VlcVideoSurface {
            id: vlcVideoSurface
            objectName: "vlcVideoSurface"
            anchors.fill: parent
            clip: true
            holdLastFrame: true
            fillMode: tile.ignoreAspectRatio ? VlcVideoSurface.Stretch : VlcVideoSurface.PreserveAspectFit
            source: tile.player
            onSourceChanged: {
                tile.detectetObjectNames = []
                tile.object_rect = null
            }
        }
        // Detections are relative to the picture, which a kept aspect ratio makes smaller than
        // the tile.
        Item {
            id: pictureArea
            objectName: "pictureArea"
            readonly property bool fitted: !tile.ignoreAspectRatio && tile.pictureAspect > 0
            width: fitted ? Math.min(parent.width, parent.height * tile.pictureAspect) : parent.width
            height: fitted ? Math.min(parent.height, parent.width / tile.pictureAspect) : parent.height
            anchors.centerIn: parent
            // A zoomed picture shows part of it: the boxes follow, those outside are cut.
            clip: vlcVideoSurface.zoom > 1
            readonly property rect shown: vlcVideoSurface.sourceRect
            Repeater {
                model: tile.detectetObjectNames
                Rectangle {
                    readonly property bool isMotion: modelData.name === tile.motionName
                    objectName: isMotion ? "motionRect" : "objectRect"
                    x: (modelData.x - pictureArea.shown.x) / pictureArea.shown.width * pictureArea.width
                    y: (modelData.y - pictureArea.shown.y) / pictureArea.shown.height * pictureArea.height
                    width: modelData.width / pictureArea.shown.width * pictureArea.width
                    height: modelData.height / pictureArea.shown.height * pictureArea.height
                    // Motion is a tinted region without a caption; objects are outlined and named.
                    color: isMotion ? KvoAppStyle.motionFill : "transparent"
                    border.width: isMotion ? 1 : 2
                    border.color: tile.defineObjectRectColor(modelData.name)
                    Rectangle {
                        visible: !parent.isMotion
                        anchors.bottom: parent.top
                        anchors.left: parent.left
                        width: label.implicitWidth + 6
                        height: label.implicitHeight + 2
                        color: parent.border.color
                        Text {
                            id: label
                            anchors.centerIn: parent
                            text: modelData.name + " " + Math.round(modelData.probability * 100) + "%"
                            color: KvoAppStyle.textDark
                            font.family: KvoAppStyle.fontFamily
                            font.pointSize: KvoAppStyle.fontSizeSmall
                        }
                    }
                }
            }
        }
    }
    TileHealth {
        id: tileHealth
        anchors.fill: parent
        tile: tile
        surface: vlcVideoSurface
        hovered: tile.hovered
    }
    TileDecorate {
        id: decorate
        anchors.fill: parent
        tile: tile
    }
    TileInteraction {
        id: interaction
        anchors.fill: parent
        tile: tile
    }
    ZoomArea {
        id: zoomArea
        anchors.fill: parent
        surface: vlcVideoSurface
    }
}
