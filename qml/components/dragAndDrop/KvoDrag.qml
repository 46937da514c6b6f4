import QtQuick 2.13

// Starts a drag of `source` after the mouse moved a little with the left button down; the
// shared `container` follows the mouse and drops on release.
MouseArea {
    id: area
    property Item container: null
    property var source: null
    property string text: ""
    property bool dragging: false
    property point _start
    acceptedButtons: Qt.LeftButton
    preventStealing: true

    onPressed: _start = Qt.point(mouse.x, mouse.y)
    onPositionChanged: {
        if (!container)
            return
        if (!dragging) {
            if (Math.abs(mouse.x - _start.x) + Math.abs(mouse.y - _start.y) < 10)
                return
            dragging = true
            container.source = area.source
            container.text = area.text
            container.overTarget = false
            container.allowed = true
        }
        var p = area.mapToItem(container.parent, mouse.x, mouse.y)
        container.x = p.x - container.width / 2
        container.y = p.y - container.height / 2
        if (!container.Drag.active)
            container.Drag.active = true
    }
    onReleased: finish(true)
    onCanceled: finish(false)

    function finish(drop) {
        if (!dragging)
            return
        dragging = false
        if (container && container.Drag.active) {
            if (drop)
                container.Drag.drop()
            container.Drag.active = false
        }
    }
}
