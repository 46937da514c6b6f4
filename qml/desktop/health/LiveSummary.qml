import QtQuick 2.13
import "../../misc"
import "../../components/text"

// Footer summary of the desktop's tiles: how many of the tiles showing a camera are live.
KvoText {
    id: summary
    objectName: "liveSummary"
    property int live: 0
    property int shown: 0
    readonly property var grid: typeof globalObjects !== "undefined" && globalObjects ? globalObjects.tileGrid : null
    visible: shown > 0
    text: qsTr("%1/%2 live").arg(live).arg(shown)
    color: live === shown ? KvoAppStyle.ok : KvoAppStyle.warning

    function count() {
        var l = 0, s = 0
        if (grid) {
            var children = grid.contentArea.children
            for (var i = 0; i < children.length; ++i) {
                var t = children[i].tile
                if (!t || !t.health || t.health.status === "none")
                    continue
                ++s
                if (t.health.status === "live")
                    ++l
            }
        }
        live = l
        shown = s
    }
    Timer {
        interval: 500
        repeat: true
        running: true
        onTriggered: summary.count()
    }
}
