import QtQuick 2.13

// Moves `target` with the mouse inside `bounds` (its parent when not set); reports each move.
MouseArea {
    id: area
    property Item target: parent
    property Item bounds: target ? target.parent : null
    property point _grab: Qt.point(0, 0)
    signal moved(real x, real y)
    signal released2()

    cursorShape: pressed ? Qt.ClosedHandCursor : Qt.OpenHandCursor
    onPressed: _grab = Qt.point(mouse.x, mouse.y)
    onPositionChanged: {
        if (!pressed || !target)
            return
        var p = mapToItem(target.parent, mouse.x - _grab.x, mouse.y - _grab.y)
        var maxX = bounds ? bounds.width - target.width : p.x
        var maxY = bounds ? bounds.height - target.height : p.y
        target.x = Math.max(0, Math.min(maxX, p.x - (area.x)))
        target.y = Math.max(0, Math.min(maxY, p.y - (area.y)))
        moved(target.x, target.y)
    }
    onReleased: released2()
}
