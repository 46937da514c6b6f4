import QtQuick 2.13
import "../misc"

// The time scale, the camera lines and the scroll bar, with the cursor over them. The wheel
// zooms (a day to a minute across the lines), dragging pans, Shift+drag selects a range for
// export, a click jumps there and plays the camera clicked, a double click on an event selects it.
Rectangle {
    id: box
    property Item archive: null
    property real trackX: 170
    readonly property real trackWidth: Math.max(1, width - trackX)
    readonly property real minSpan: 60000
    readonly property real maxSpan: 86400000
    property alias lines: linesView
    property alias timeScaleItem: timeScale
    color: archive ? archive.bgColor : KvoAppStyle.bg
    objectName: "timeLineBox"

    function msAt(x) {
        return archive.timeLinePosition2epoch(x - trackX, trackWidth)
    }
    function xAt(ms) {
        return trackX + archive.epoch2timeLinePosition(ms, trackWidth)
    }
    function clampedStart(start, span) {
        var from = archive.dateRange.from - span / 2, to = archive.dateRange.to + span / 2
        return Math.max(from, Math.min(to - span, start))
    }
    function setView(start, span) {
        span = Math.max(minSpan, Math.min(maxSpan, span))
        start = clampedStart(start, span)
        archive.viewStart = start
        archive.viewEnd = start + span
    }
    // Zooms by `factor` (< 1 in, > 1 out) keeping the moment under `x` in place.
    function zoom(factor, x) {
        var at = msAt(x)
        var span = (archive.viewEnd - archive.viewStart) * factor
        span = Math.max(minSpan, Math.min(maxSpan, span))
        setView(at - (x - trackX) / trackWidth * span, span)
    }
    function lineAt(y) {
        var index = linesView.indexAt(10, y - linesView.y + linesView.contentY)
        if (index < 0)
            return ""
        var model = archive.videoLineListController.proxyModel
        return String(model.proxyData(index, "rstIDDevice"))
    }
    function eventAt(deviceId, x) {
        var clips = archive.mediator[deviceId] || []
        var ms = msAt(x), slack = 4 / trackWidth * (archive.viewEnd - archive.viewStart)
        for (var i = 0; i < clips.length; ++i)
            if (Number(clips[i].type) === 2 && Number(clips[i].dtStart) - slack <= ms
                    && ms <= Number(clips[i].dtEnd) + slack)
                return clips[i]
        return null
    }

    TimeScaleBase {
        id: timeScale
        x: box.trackX
        width: box.trackWidth
        height: 24
        viewStart: box.archive ? box.archive.viewStart : 0
        viewEnd: box.archive ? box.archive.viewEnd : 0
    }

    LinesListView {
        id: linesView
        y: timeScale.height
        width: parent.width
        height: parent.height - timeScale.height - scrollBar.height
        archive: box.archive
        trackX: box.trackX
    }

    Rectangle {
        id: selectionRect
        objectName: "timeLineSelection"
        readonly property bool hasSelection: box.archive !== null && box.archive.selection.to > box.archive.selection.from
        visible: hasSelection
        x: hasSelection ? Math.max(box.trackX, box.xAt(box.archive.selection.from)) : 0
        width: hasSelection ? Math.max(2, Math.min(box.width, box.xAt(box.archive.selection.to)) - x) : 0
        y: 0
        height: parent.height - scrollBar.height
        color: KvoAppStyle.dropHint
        border.color: KvoAppStyle.warning
    }

    MouseArea {
        id: area
        x: box.trackX
        width: box.trackWidth
        height: parent.height - scrollBar.height
        acceptedButtons: Qt.LeftButton
        property real pressX: 0
        property real pressStart: 0
        property bool dragged: false
        property bool selecting: false
        onPressed: {
            pressX = mouse.x
            pressStart = box.archive.viewStart
            dragged = false
            selecting = (mouse.modifiers & Qt.ShiftModifier) !== 0
            box.archive.externalChangePositionEnabled = true
        }
        onPositionChanged: {
            if (!pressed)
                return
            if (Math.abs(mouse.x - pressX) > 4)
                dragged = true
            if (!dragged)
                return
            if (selecting) {
                var a = box.msAt(box.trackX + pressX), b = box.msAt(box.trackX + mouse.x)
                box.archive.selection = { from: Math.min(a, b), to: Math.max(a, b) }
            } else {
                var span = box.archive.viewEnd - box.archive.viewStart
                box.setView(pressStart - (mouse.x - pressX) / box.trackWidth * span, span)
            }
        }
        onClicked: {
            if (dragged)
                return
            var ms = box.msAt(box.trackX + mouse.x)
            var deviceId = box.lineAt(mouse.y)
            if (deviceId !== "")
                box.archive.clickLine(deviceId, ms)
            else
                box.archive.jump(ms)
        }
        onDoubleClicked: {
            var deviceId = box.lineAt(mouse.y)
            var event = deviceId !== "" ? box.eventAt(deviceId, box.trackX + mouse.x) : null
            if (event)
                box.archive.selection = { from: Number(event.dtStart), to: Number(event.dtEnd) }
        }
        onWheel: {
            var steps = wheel.angleDelta.y / 120
            if (steps !== 0)
                box.zoom(Math.pow(0.8, steps), box.trackX + wheel.x)
        }
    }

    Rectangle {
        id: cursorLine
        objectName: "timeLineCursor"
        readonly property real at: box.archive ? box.archive.currentPlayPosition : 0
        visible: at > 0 && x >= box.trackX && x <= box.width
        x: box.xAt(at) - 1
        width: 2
        height: parent.height - scrollBar.height
        color: KvoAppStyle.warning
    }

    TimeLineHScrollBar {
        id: scrollBar
        anchors.bottom: parent.bottom
        x: box.trackX
        width: box.trackWidth
        rangeStart: box.archive ? box.archive.dateRange.from : 0
        rangeEnd: box.archive ? box.archive.dateRange.to : 1
        viewStart: box.archive ? box.archive.viewStart : 0
        viewEnd: box.archive ? box.archive.viewEnd : 1
        cursor: box.archive ? box.archive.currentPlayPosition : 0
        onPanned: box.setView(newStart, box.archive.viewEnd - box.archive.viewStart)
    }
}
