import QtQuick 2.13
import "../../misc"
import "../text"

// The picture that follows the mouse while something is dragged, with a hint about the drop.
Rectangle {
    id: container
    property var source: null
    property string text: ""
    property bool overTarget: false
    // The target the hint is about.
    property var dropArea: null
    property bool allowed: true
    property bool swapMode: true
    readonly property string hint: !overTarget ? text
                                               : !allowed ? qsTr("Can not drop here")
                                                          : swapMode ? qsTr("Release to swap") : qsTr("Release to drop")
    width: 180
    height: 48
    radius: KvoAppStyle.radius
    color: overTarget && !allowed ? KvoAppStyle.dropForbidden : KvoAppStyle.dropHint
    border.color: overTarget && !allowed ? KvoAppStyle.error : KvoAppStyle.accent
    visible: Drag.active
    z: 100000
    Drag.keys: ["kvo"]
    Drag.hotSpot.x: width / 2
    Drag.hotSpot.y: height / 2

    KvoText {
        anchors.fill: parent
        anchors.margins: KvoAppStyle.spacing
        horizontalAlignment: Text.AlignHCenter
        text: container.hint
    }
}
