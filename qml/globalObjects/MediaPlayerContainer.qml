import QtQuick 2.13

// One live player per device. `revision` changes whenever a player is added or removed, so that
// bindings which look players up are re-evaluated.
QtObject {
    id: container
    property var mediaPlayers: []
    property int revision: 0

    function find(deviceId) {
        var key = String(deviceId)
        for (var i = 0; i < mediaPlayers.length; ++i) {
            if (mediaPlayers[i].deviceId === key)
                return mediaPlayers[i]
        }
        return null
    }
    function findByUniqueKey(uniqueKey) {
        for (var i = 0; i < mediaPlayers.length; ++i) {
            if (mediaPlayers[i].uniqueKey === uniqueKey)
                return mediaPlayers[i]
        }
        return null
    }
    function push(player) {
        if (!player || find(player.deviceId) !== null)
            return false
        mediaPlayers.push(player)
        ++revision
        return true
    }
    function mrlOf(player) {
        return player.fileSdp === "" ? "" : "file://" + player.fileSdp
    }
    function play(deviceId) {
        var p = find(deviceId)
        if (!p || p.fileSdp === "")
            return false
        p.play(mrlOf(p))
        return true
    }
    function stop(deviceId) {
        var p = find(deviceId)
        if (p)
            p.stop()
    }
    function del(deviceId) {
        var key = String(deviceId)
        for (var i = 0; i < mediaPlayers.length; ++i) {
            if (mediaPlayers[i].deviceId === key) {
                var p = mediaPlayers[i]
                mediaPlayers.splice(i, 1)
                ++revision
                p.stop()
                p.destroy()
                return true
            }
        }
        return false
    }
    function delAll() {
        var all = mediaPlayers
        mediaPlayers = []
        ++revision
        for (var i = 0; i < all.length; ++i) {
            all[i].stop()
            all[i].destroy()
        }
    }
    function playAll() {
        for (var i = 0; i < mediaPlayers.length; ++i)
            play(mediaPlayers[i].deviceId)
    }
    function stopAll() {
        for (var i = 0; i < mediaPlayers.length; ++i)
            mediaPlayers[i].stop()
    }
    // A stream that ended (the server restarted it, or RTP paused) is opened again from its file.
    function resetByWatchDog(deviceId) {
        var p = find(deviceId)
        if (!p)
            return false
        p.stop()
        return play(deviceId)
    }
}
