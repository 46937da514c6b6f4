import QtQuick 2.13
import QtQuick.Window 2.13
import QtTest 1.2
import KVO 1.0
import QmlVlc 0.1
import "../globalObjects"
import "../desktop/tiles"

Item {
    id: root
    width: 640
    height: 480

    Item {
        id: globalObjects
        property alias deviceController: deviceController
        property alias deviceRecStateController: recStates
        property MediaPlayerContainer mediaPlayerContainer: MediaPlayerContainer {}
        property int recStateRevision: 0
        property var youtubeInfo: ({})
        property Item drag: null
        DeviceController { id: deviceController }
        DeviceRecStateController { id: recStates }
    }

    Tile {
        id: tile
        width: 320
        height: 240
        deviceId: "4"
    }

    Connections {
        id: swaps
        property int count: 0
        target: root.Window.window
        function onFrameSwapped() { ++count }
    }

    TestCase {
        name: "Tile"
        when: windowShown
        property var player: null

        function initTestCase() {
            deviceController.originalModel.addRow({ id: 4, deviceName: "Gate" })
            var c = Qt.createComponent("../components/KvoMediaPlayer.qml")
            compare(c.status, Component.Ready, c.errorString())
            player = c.createObject(root, { deviceId: "4", deviceName: "Gate" })
            verify(globalObjects.mediaPlayerContainer.push(player))
        }
        function init() {
            tile.deviceId = "4"
            tile.filterDetectetObjectNames = []
            tile.detectetObjectNames = []
            player.state = QmlVlcPlayerState.Playing
        }

        function test_tile_shows_its_devices_player() {
            compare(tile.player, player)
            compare(tile.videoSurface.source, player)
            compare(tile.deviceName, "Gate")
            tile.deviceId = "5"
            compare(tile.player, null, "no player for an unknown device")
            compare(tile.videoSurface.source, null)
            tile.deviceId = ""
            verify(tile.isEmpty())
            verify(findChild(tile, "addCameraText").visible)
        }

        function test_detections_of_own_device_with_known_classes() {
            deviceController.srObjectsDetected({ rstIDDevice: 4, objects: [
                { name: "person", probability: 0.91, x: 0.1, y: 0.2, width: 0.3, height: 0.5 },
                { name: "unicorn", probability: 0.99, x: 0, y: 0, width: 1, height: 1 },
                { name: "background", probability: 0.5, x: 0, y: 0, width: 1, height: 1 },
                { name: "car", probability: 0.5, x: -1, y: 0.5, width: 4, height: 0.2 }
            ] })
            compare(tile.detectetObjectNames.length, 2)
            compare(tile.detectetObjectNames[0].name, "person")
            compare(tile.object_rect.name, "person")
            compare(tile.detectetObjectNames[1].x, 0, "coordinates are kept inside the picture")
            compare(tile.detectetObjectNames[1].width, 1)
            // The boxes vanish by themselves.
            tryVerify(function() { return tile.detectetObjectNames.length === 0 }, 5000)
            compare(tile.object_rect, null)
        }

        // A 4:3 picture in a wider tile: the boxes are placed on the picture, not on the black
        // bars beside it.
        function test_detections_are_placed_on_the_picture() {
            player.video = { width: 400, height: 300 }
            player.state = QmlVlcPlayerState.Buffering
            player.state = QmlVlcPlayerState.Playing
            tile.width = 640
            tile.height = 240
            var area = findChild(tile, "pictureArea")
            compare(area.width, 320)
            compare(area.height, 240)
            compare(area.x, 160)
            tile.ignoreAspectRatio = true
            compare(area.width, 640)
            tile.ignoreAspectRatio = false
            tile.width = 320
            player.video = { width: 0, height: 0 }
            player.state = QmlVlcPlayerState.Buffering
            compare(area.width, 320, "fills the tile while the size is unknown")
        }

        function test_detections_of_other_devices_and_filtered_classes_are_ignored() {
            deviceController.srObjectsDetected({ rstIDDevice: 5, objects: [{ name: "person", probability: 1 }] })
            compare(tile.detectetObjectNames.length, 0)
            tile.filterDetectetObjectNames = ["car"]
            verify(!tile.isAllowedObjectName("person"))
            verify(tile.isAllowedObjectName("car"))
            deviceController.srObjectsDetected({ id: 4, objects: [{ name: "person", probability: 1 }, { name: "car", probability: 1 }] })
            compare(tile.detectetObjectNames.length, 1)
            compare(tile.detectetObjectNames[0].name, "car")
            verify(tile.defineObjectRectColor("car") !== tile.defineObjectRectColor("person"))
        }

        function test_ended_stream_is_opened_again() {
            player.fileSdp = "/tmp/tileSdp/4.sdp"
            var stops = player.stopCalls
            player.played = []
            player.state = QmlVlcPlayerState.Ended
            tryVerify(function() { return player.played.length === 1 }, 5000)
            compare(player.played[0], "file:///tmp/tileSdp/4.sdp")
            compare(player.stopCalls, stops + 1)
        }

        function test_stream_that_fails_to_open_is_opened_again_a_few_times() {
            player.fileSdp = "/tmp/tileSdp/4.sdp"
            player.played = []
            player.mediaPlayerEncounteredError()
            tryVerify(function() { return player.played.length === 1 }, 2000, "opened again soon")
            compare(player.played[0], "file:///tmp/tileSdp/4.sdp")
            // Failing on: the attempts are bounded, later ones further apart.
            for (var i = 1; i < player.maxReopenAttempts + 2; ++i)
                player.mediaPlayerEncounteredError()
            wait(player.firstReopenMs * 2 + 200)
            verify(player.played.length <= 2, "a new error waits for the longer delay")
            player.reopenAttempts = player.maxReopenAttempts
            player.played = []
            player.mediaPlayerEncounteredError()
            wait(player.firstReopenMs * 2)
            compare(player.played.length, 0, "no more attempts")
            // A stream that played, or a new description, gets its attempts back.
            player.mediaPlayerPlaying()
            compare(player.reopenAttempts, 0)
            player.reopenAttempts = player.maxReopenAttempts
            player.fileSdp = "/tmp/tileSdp/4b.sdp"
            compare(player.reopenAttempts, 0)
            player.mediaPlayerEncounteredError()
            tryVerify(function() { return player.played.length === 1 }, 2000)
            compare(player.played[0], "file:///tmp/tileSdp/4b.sdp")
            player.fileSdp = ""
            player.mediaPlayerEncounteredError()
            wait(player.firstReopenMs + 100)
            compare(player.played.length, 1, "nothing to open without a description")
        }

        function test_a_hidden_tile_that_stops_decoding_is_not_stalled() {
            var health = findChild(tile, "tileHealth")
            verify(health !== null)
            var surface = tile.videoSurface
            health.restartWatch()
            surface.fakeMsSinceLastFrame = 100
            health.evaluate()
            compare(health.status, "live")
            var asked = deviceController.requestsOf("trGetSDP").length
            // Hidden: decoding stops and the picture grows old.
            player.decoding = false
            surface.fakeMsSinceLastFrame = 12000
            health.evaluate()
            compare(health.status, "live", "an old picture of a hidden tile is not a stall")
            wait(health.firstRetryMs / 8)
            health.evaluate()
            compare(deviceController.requestsOf("trGetSDP").length, asked, "the server is not asked again")
            // Shown again: the next picture is awaited from now on, not from the hidden time.
            player.decoding = true
            health.evaluate()
            compare(health.status, "live")
            verify(health.lastPictureMs < health.stalledMs, "age counted from the resumption: " + health.lastPictureMs)
            health.stalledMs = 200
            wait(300)
            health.evaluate()
            compare(health.status, "stalled", "no picture after the resumption is a stall again")
            health.stalledMs = 2000
            surface.fakeMsSinceLastFrame = -1
        }

        function test_bit_rate_from_libvlc_else_from_the_server() {
            var health = findChild(tile, "tileHealth")
            health.restartWatch()
            var t = 100000
            // libvlc's count grows: its own rate, whatever the server says.
            deviceController.srStreamStats({ entries: [{ id: 4, bitrate: 900000 }] })
            for (var i = 0; i < 4; ++i)
                health.updateBitrate(t + i * 1000, i * 250000)
            compare(Math.round(health.bitrateKbps), 2000)
            // The count stands still (libvlc's RTP access): the server's rate of this device.
            health.updateBitrate(Date.now(), 750000)
            compare(health.bitrateKbps, 900)
            deviceController.srStreamStats({ entries: [{ id: 5, bitrate: 4000000 }, { id: 4, bitrate: 1200000 }] })
            health.updateBitrate(Date.now(), 750000)
            compare(health.bitrateKbps, 1200, "the tile's own entry, not another device's")
            // No notice for a while (stream gone): no rate rather than an old one.
            health.updateBitrate(Date.now() + health.serverRateLifetimeMs + 1000, 750000)
            compare(health.bitrateKbps, 0)
            health.restartWatch()
            compare(health.serverBitrateKbps, 0)
        }

        function test_youtube_badge_for_streamed_device() {
            var badge = findChild(tile, "youtubeBadge")
            verify(!badge.visible)
            globalObjects.youtubeInfo = { isStreamDeviceOnYoutube: true, rstIDStreamDevice: 5, status: "streaming" }
            verify(!badge.visible, "another device is streamed")
            globalObjects.youtubeInfo = { isStreamDeviceOnYoutube: true, rstIDStreamDevice: 4, status: "connecting" }
            verify(!badge.visible, "the server does not stream yet")
            globalObjects.youtubeInfo = { isStreamDeviceOnYoutube: true, rstIDStreamDevice: 4, status: "streaming" }
            verify(badge.visible)
            globalObjects.youtubeInfo = { isStreamDeviceOnYoutube: true, rstIDStreamDevice: 4, status: "stream error" }
            verify(!badge.visible, "the stream broke")
            globalObjects.youtubeInfo = { isStreamDeviceOnYoutube: false, rstIDStreamDevice: 4, status: "streaming" }
            verify(!badge.visible)
        }

        function test_broken_link_on_error() {
            var broken = findChild(tile, "brokenLinkImage")
            verify(!broken.visible)
            player.state = QmlVlcPlayerState.Error
            verify(broken.visible)
        }

        function test_recording_indicator_with_running_time() {
            var dot = findChild(tile, "recIndicator")
            verify(!dot.visible)
            recStates.originalModel.addRow({ id: 10, rstIDDevice: 4, recState: "recording", dtRecStarted: Date.now() - 65000 })
            ++globalObjects.recStateRevision
            verify(dot.visible)
            var timer = findChild(tile, "recTimer")
            tryVerify(function() { return timer.text.indexOf("0:01:0") === 0 }, 3000)
            // It blinks: dimmed and back to full.
            tryVerify(function() { return dot.opacity < 0.5 }, 3000)
            tryVerify(function() { return dot.opacity === 1.0 }, 3000)
            // ...without making the window render all the time (a 24/7 desktop of tiles would
            // spend a core on it): a few renders a second for the blink and the running time.
            swaps.count = 0
            wait(2000)
            verify(swaps.count <= 12, "renders in 2 s while recording: " + swaps.count)
            recStates.originalModel.updateValue(10, "recState", "stopped")
            ++globalObjects.recStateRevision
            verify(!dot.visible)
        }
    }
}
