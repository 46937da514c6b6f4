import QtQuick 2.13
import "../../misc"

// A drop target; `accepts(source)` decides whether a dragged source may land here.
DropArea {
    id: area
    property var accepts: function(source) { return source !== null && source !== undefined }
    property bool swapMode: true
    readonly property bool hovered: containsDrag
    signal droppedSource(var source)
    keys: ["kvo"]

    onEntered: {
        var c = drag.source
        if (c) {
            c.dropArea = area
            c.overTarget = true
            c.swapMode = area.swapMode
            c.allowed = area.accepts(c.source)
        }
    }
    // Moving from one target to the next may report the entry before the exit.
    onExited: {
        if (drag.source && drag.source.dropArea === area) {
            drag.source.overTarget = false
            drag.source.dropArea = null
        }
    }
    onDropped: {
        var c = drop.source
        if (c)
            c.overTarget = false
        if (c && area.accepts(c.source)) {
            drop.accept()
            area.droppedSource(c.source)
        }
    }

    Rectangle {
        anchors.fill: parent
        visible: area.containsDrag
        color: "transparent"
        border.width: 2
        border.color: KvoAppStyle.accent
    }
}
