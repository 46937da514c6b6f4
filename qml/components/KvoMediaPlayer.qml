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
}
