import QtQuick 2.13
import QmlVlc 0.1

// The live player of one device; the container keeps one per device and the tiles show it.
// Live: low-latency buffering, and no decoding while no tile shows it.
VlcPlayer {
    id: root
    liveProfile: true
    property string deviceId: ""
    property string deviceName: ""
    property Item tile: null
    property string fileSdp: ""
    property string uniqueKey: ""
    // A stream description opened before the server's first packets fails at once ("no streams"):
    // the same description is opened again a few times, sooner than the tile's health would ask the
    // server anew. (An ended stream is restarted by its tile.)
    property int reopenAttempts: 0
    readonly property int maxReopenAttempts: 5
    readonly property int firstReopenMs: 300

    function reopenLater() {
        if (fileSdp === "" || reopenAttempts >= maxReopenAttempts)
            return
        reopenTimer.interval = firstReopenMs * Math.pow(2, reopenAttempts)
        ++reopenAttempts
        reopenTimer.restart()
    }

    onFileSdpChanged: {
        reopenAttempts = 0
        reopenTimer.stop()
    }
    onMediaPlayerPlaying: reopenAttempts = 0
    onMediaPlayerEncounteredError: reopenLater()

    // The player has no default property for children.
    property Timer reopenTimer: Timer {
        repeat: false
        onTriggered: {
            if (root.fileSdp === "")
                return
            console.info("Device " + root.deviceId + ": its stream did not open, trying again")
            root.play("file://" + root.fileSdp)
        }
    }
}
