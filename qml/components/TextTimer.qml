import QtQuick 2.13
import "../misc"
import "text"

// Shows the time elapsed since `startMs` (epoch milliseconds), refreshed every second.
KvoText {
    id: label
    property double startMs: 0
    property bool running: startMs > 0
    property double nowMs: Date.now()
    text: running ? Utils.formatDuration(nowMs - startMs) : ""

    Timer {
        interval: 1000
        repeat: true
        running: label.running && label.visible
        triggeredOnStart: true
        onTriggered: label.nowMs = Date.now()
    }
}
