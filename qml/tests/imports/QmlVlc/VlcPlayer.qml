import QtQuick 2.13

// Test double of the player: remembers what it was asked to play; tests set `state` directly.
QtObject {
    id: player
    property int state: 0
    property string mrl: ""
    property var played: []
    property int stopCalls: 0
    // Size of the decoded picture, as libvlc reports it once playing.
    property var video: ({ width: 0, height: 0 })
    property bool liveProfile: false
    property bool archiveStreamProfile: false
    property int archiveStreamDelayMs: 1200
    property int hiddenSuspendMs: 3000
    property bool decoding: true

    signal mediaPlayerPlaying()
    signal mediaPlayerEncounteredError()
    signal mediaPlayerEndReached()

    function play(mrl) {
        player.mrl = mrl
        var p = played.slice()
        p.push(mrl)
        played = p
    }
    function stop() { ++stopCalls }
}
