import QtQuick 2.13
import "../../misc"
import "../../components/toolBar"

// Digital zoom of a video surface: the wheel zooms around the cursor (up to 8×), dragging pans,
// a double-click or the button resets. Presses on an unzoomed picture pass to the items below.
MouseArea {
    id: area
    objectName: "zoomArea"
    property var surface: null
    readonly property bool zoomed: surface !== null && surface.zoom > 1.001
    property point _last
    acceptedButtons: Qt.LeftButton

    function surfacePoint(x, y) {
        return surface.mapFromItem(area, x, y)
    }

    onWheel: {
        var steps = wheel.angleDelta.y / 120
        if (!surface || steps === 0) {
            wheel.accepted = false
            return
        }
        surface.zoomAt(Math.pow(1.25, steps), surfacePoint(wheel.x, wheel.y))
    }
    onPressed: {
        if (!zoomed) {
            mouse.accepted = false
            return
        }
        _last = surfacePoint(mouse.x, mouse.y)
    }
    onPositionChanged: {
        if (!zoomed || !pressed)
            return
        var p = surfacePoint(mouse.x, mouse.y)
        surface.panBy(Qt.point(p.x - _last.x, p.y - _last.y))
        _last = p
    }
    onDoubleClicked: surface.resetZoom()

    KvoToolButton {
        objectName: "zoomReset"
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: KvoAppStyle.spacing
        visible: area.zoomed
        text: Math.round(area.surface ? area.surface.zoom * 10 : 10) / 10 + "×"
        toolTipText: qsTr("Reset zoom")
        onClicked: area.surface.resetZoom()
    }
}
