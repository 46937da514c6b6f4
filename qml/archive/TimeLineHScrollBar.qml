import QtQuick 2.13
import "../misc"

// The whole day with the visible part as a handle; dragging the handle pans the timeline.
Rectangle {
    id: bar
    property real rangeStart: 0
    property real rangeEnd: 1
    property real viewStart: 0
    property real viewEnd: 1
    property real cursor: 0
    signal panned(real newStart)
    implicitHeight: 12
    color: KvoAppStyle.bgDark
    readonly property real span: Math.max(1, rangeEnd - rangeStart)

    Rectangle {
        id: handle
        objectName: "timeLineScrollHandle"
        x: (bar.viewStart - bar.rangeStart) / bar.span * bar.width
        width: Math.max(8, (bar.viewEnd - bar.viewStart) / bar.span * bar.width)
        height: parent.height
        radius: height / 2
        color: dragArea.pressed ? KvoAppStyle.accent : KvoAppStyle.hover
    }
    Rectangle {
        x: (bar.cursor - bar.rangeStart) / bar.span * bar.width
        width: 2
        height: parent.height
        color: KvoAppStyle.warning
        visible: bar.cursor >= bar.rangeStart && bar.cursor <= bar.rangeEnd
    }
    MouseArea {
        id: dragArea
        anchors.fill: parent
        property real grabOffset: 0
        onPressed: {
            var inside = mouse.x >= handle.x && mouse.x <= handle.x + handle.width
            grabOffset = inside ? mouse.x - handle.x : handle.width / 2
            move(mouse.x)
        }
        onPositionChanged: if (pressed) move(mouse.x)
        function move(x) {
            bar.panned(bar.rangeStart + (x - grabOffset) / bar.width * bar.span)
        }
    }
}
