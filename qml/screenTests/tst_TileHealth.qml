import QtQuick 2.13
import QtTest 1.2

// Health of a live tile against the development server: the demo camera's stream stops on the
// server, the tile turns stalled after 2 s and lost after 10 s without a picture, the footer count
// follows, and the picture comes back without the operator once the camera works again. Details
// show no bit rate where libvlc counts none. Also a zoomed tile's picture, for looking at.
TestCase {
    id: testCase
    name: "TileHealth"
    when: windowShown

    ScreenFixture {
        id: fx
        testCase: testCase
    }

    DesktopShot {
        id: shots
        fixture: fx
    }

    property var tile: null
    property string deviceId: ""
    property var demo: null

    function initTestCase() {
        fx.startClient()
        tryVerify(function() { return fx.globalObjects.deviceRows().length === 1 }, 20000)
        demo = fx.globalObjects.deviceRows()[0]
        deviceId = String(demo.id)
        fx.waitForPlaying(deviceId, 60000)
        var grid = fx.waitFor("tileGrid")
        tryVerify(function() {
            var children = grid.contentArea.children
            for (var i = 0; i < children.length; ++i) {
                if (children[i].tile && children[i].tile.deviceId === deviceId)
                    tile = children[i].tile
            }
            return tile !== null
        }, 10000)
    }
    function cleanupTestCase() {
        fx.close()
    }

    function test_1_liveThenZoomed() {
        tryVerify(function() { return tile.health.status === "live" }, 30000, "the tile is live")
        var summary = fx.waitFor("liveSummary")
        tryVerify(function() { return summary.text === "1/1 live" }, 5000, "the footer counts the live tile")
        tryVerify(function() { return tile.health.resolution.width > 0 && tile.health.fps > 0 }, 5000)
        tile.health.showDetails = true
        // libvlc's RTP access, the program's default, leaves its byte count still: the rate shown is
        // the one the server reports for this stream, about the demo clip's 11-13 kbit/s.
        tryVerify(function() { return tile.health.bitrateKbps > 0 }, 10000, "the server's bit rate is shown")
        verify(tile.health.bitrateKbps > 5 && tile.health.bitrateKbps < 30, tile.health.bitrateKbps)
        var badge = fx.find("healthBadge", tile)
        var text = badge.children[0].text
        verify(text.indexOf("fps") > 0 && text.indexOf("×") > 0, text)
        verify(text.indexOf("kbit/s") > 0, text)
        var surface = tile.videoSurface
        surface.zoomAt(4, Qt.point(surface.width / 4, surface.height / 4))
        compare(surface.zoom, 4)
        wait(500)
        shots.take("zoomedTile")
        surface.resetZoom()
        compare(surface.zoom, 1)
    }

    function test_2_stalledLostAndBackByItself() {
        var health = tile.health
        var seen = []
        var stalledAge = -1, lostAge = -1
        health.statusLogged.connect(function(status) {
            seen.push(status)
            if (status === "stalled" && stalledAge < 0)
                stalledAge = tile.videoSurface.msSinceLastFrame()
            if (status === "lost" && lostAge < 0)
                lostAge = tile.videoSurface.msSinceLastFrame()
        })
        // The camera's source goes away: the server's stream of it ends.
        var gone = SERVER.request({ FN: "device_trUpdate", _receiver: "9", id: Number(deviceId),
                                    source: SERVER.folder + "/no-such-clip.mp4" }, "device_saUpdate")
        compare(gone.RES, true, gone.error)
        tryVerify(function() { return health.status === "stalled" }, 20000, "no new picture: stalled (age " + tile.videoSurface.msSinceLastFrame() + ", frames " + tile.videoSurface.frameCount() + ", player " + tile.player.state + ", decoding " + tile.player.decoding + ", seen " + tile.videoSurface.visible + ")")
        verify(stalledAge >= 2000 && stalledAge < 2600, "stalled 2 s after the last picture, was " + stalledAge)
        tryVerify(function() { return health.status === "lost" }, 12000, "lost after 10 s")
        verify(lostAge >= 10000 && lostAge < 10600, "lost 10 s after the last picture, was " + lostAge)
        var summary = fx.find("liveSummary")
        tryVerify(function() { return summary.text === "0/1 live" }, 2000, "the footer follows")
        verify(health.retries >= 1, "the tile asked for the stream again by itself")
        wait(1000)
        shots.take("lostTile")

        // The camera works again; nobody touches the client.
        var back = SERVER.request({ FN: "device_trUpdate", _receiver: "9", id: Number(deviceId),
                                    source: demo.source }, "device_saUpdate")
        compare(back.RES, true, back.error)
        var restored = Date.now()
        var requests = health.retries
        tryVerify(function() { requests = Math.max(requests, health.retries); return health.status === "live" }, 60000,
                  "live again without the operator")
        console.info("Picture back " + (Date.now() - restored) + " ms after the camera's source was restored ("
                     + requests + " requests for the stream while it was away)")
        tryVerify(function() { return summary.text === "1/1 live" }, 2000)
        compare(seen.indexOf("stalled") < seen.indexOf("lost"), true)
    }

    SignalSpy {
        id: sdpAnswers
        target: fx.globalObjects ? fx.globalObjects.deviceController : null
        signalName: "saGetSDP"
    }

    function test_3_forceReconnectAsksAtOnce() {
        sdpAnswers.clear()
        verify(tile.health.forceReconnect())
        sdpAnswers.wait(10000)
        compare(sdpAnswers.signalArguments[0][0].id, Number(deviceId))
        tryVerify(function() { return tile.player.playing && tile.health.status === "live" }, 30000)
    }
}
