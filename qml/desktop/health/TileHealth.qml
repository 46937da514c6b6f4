import QtQuick 2.13
import QmlVlc 0.1
import "../../misc"
import "../../components/text"

// The state of a tile's video: connecting, live, stalled (no new picture for 2 s) or lost (none for
// 10 s: the last picture is dimmed and the time since shown). A stalled or lost tile asks for the
// stream again by itself, at growing intervals; `forceReconnect` asks at once. On hover it shows the
// stream's resolution, frame rate and bit rate.
Item {
    id: health
    objectName: "tileHealth"
    property Item tile: null
    property var surface: null
    property bool hovered: false
    property bool showDetails: false
    property int stalledMs: 2000
    property int lostMs: 10000
    property int firstRetryMs: 4000
    property int maxRetryIntervalMs: 15000
    // "none" (no camera), "connecting", "live", "stalled", "lost".
    property string status: "none"
    property double lastPictureMs: -1
    property int retries: 0
    property double fps: 0
    property double bitrateKbps: 0
    property size resolution: Qt.size(0, 0)
    property double _watchedSince: 0
    // When the player last began decoding again after being hidden (0: it never stopped).
    property double _resumedAt: 0
    property bool _wasDecoding: true
    property double _nextRetryAt: 0
    property double _lastCount: 0
    property double _lastCountAt: 0
    // {at, bytes} of the last seconds: the bit rate is taken over a few seconds, as one second
    // swings with each key frame.
    property var _byteSamples: []
    property int bitrateWindowMs: 4000
    // The server's rate of this stream ("srStreamStats", every 2 s), shown where libvlc's own count
    // stands still; forgotten when no notice came for a while.
    property double serverBitrateKbps: 0
    property double _serverRateAt: 0
    property int serverRateLifetimeMs: 6000
    readonly property var player: tile ? tile.player : null
    readonly property string deviceId: tile ? tile.deviceId : ""
    readonly property var deviceController: typeof globalObjects !== "undefined" && globalObjects ? globalObjects.deviceController : null

    signal statusLogged(string status)

    function restartWatch() {
        _watchedSince = Date.now()
        _resumedAt = 0
        _nextRetryAt = _watchedSince + lostMs
        retries = 0
        fps = 0
        bitrateKbps = 0
        _byteSamples = []
        serverBitrateKbps = 0
        _serverRateAt = 0
        _lastCount = surface ? surface.frameCount() : 0
        _lastCountAt = _watchedSince
    }

    // Asks the server for the stream again; its answer restarts the player.
    function forceReconnect() {
        if (deviceId === "" || !deviceController)
            return false
        console.info("Tile of device " + deviceId + ": asking for the stream again (" + status + ")")
        deviceController.trGetSDP({ id: Number(deviceId) })
        return true
    }

    function evaluate() {
        if (!surface || deviceId === "" || !player) {
            status = "none"
            return
        }
        var now = Date.now()
        var age = surface.msSinceLastFrame()
        if (player.decoding === false) {
            // A tile nobody sees stops decoding on purpose: its picture is old, not stalled, and
            // asking the server again would only restart a stream that works.
            _wasDecoding = false
            _nextRetryAt = 0
            return
        }
        if (!_wasDecoding) {
            _wasDecoding = true
            _resumedAt = now
        }
        // Shown again: the next key frame is awaited from the moment decoding resumed.
        if (age >= 0 && _resumedAt > 0 && now - _resumedAt < age)
            age = now - _resumedAt
        lastPictureMs = age
        var next
        if (age < 0)
            next = now - _watchedSince >= lostMs ? "lost" : "connecting"
        else if (age < stalledMs)
            next = "live"
        else if (age < lostMs)
            next = "stalled"
        else
            next = "lost"
        if (next === "live") {
            retries = 0
            _nextRetryAt = 0
        } else if ((next === "stalled" || next === "lost") && _nextRetryAt === 0) {
            _nextRetryAt = now + Math.max(0, firstRetryMs - Math.max(0, age))
        }
        if (next !== status) {
            if (status !== "none" || next !== "connecting")
                console.info("Tile of device " + deviceId + " is " + next)
            status = next
            statusLogged(next)
        }
        if ((status === "stalled" || status === "lost") && _nextRetryAt > 0 && now >= _nextRetryAt) {
            ++retries
            _nextRetryAt = now + Math.min(maxRetryIntervalMs, firstRetryMs * Math.pow(2, retries))
            forceReconnect()
        }
        var count = surface.frameCount()
        if (now - _lastCountAt >= 1000) {
            updateBitrate(now, player && player.input ? player.input.receivedBytes() : 0)
            fps = (count - _lastCount) * 1000 / (now - _lastCountAt)
            _lastCount = count
            _lastCountAt = now
            resolution = surface.frameSize()
        }
    }

    // Bytes per millisecond × 8 is kbit/s; a new media starts its count again. libvlc counts the
    // bytes only where its input thread demuxes (avformat); its own RTP access leaves the count
    // still after the first packets. So a rate is shown only while the count grew at each of the
    // last three samples, and none (the field hidden) otherwise.
    function updateBitrate(now, bytes) {
        var samples = _byteSamples
        if (samples.length > 0 && bytes < samples[samples.length - 1].bytes)
            samples = []
        samples.push({ at: now, bytes: bytes })
        while (samples.length > 2 && now - samples[1].at >= bitrateWindowMs)
            samples.shift()
        _byteSamples = samples
        var growing = samples.length >= 3
        for (var i = Math.max(1, samples.length - 3); i < samples.length && growing; ++i)
            growing = samples[i].bytes > samples[i - 1].bytes
        var first = samples[0]
        bitrateKbps = growing && now > first.at ? (bytes - first.bytes) * 8 / (now - first.at) : 0
        if (bitrateKbps === 0 && _serverRateAt > 0 && now - _serverRateAt <= serverRateLifetimeMs)
            bitrateKbps = serverBitrateKbps
    }

    // Takes this tile's entry of a "srStreamStats" notice (bit/s).
    function takeServerRate(mapParams) {
        var entries = mapParams ? mapParams["entries"] : null
        if (!entries || deviceId === "")
            return
        for (var i = 0; i < entries.length; ++i) {
            var entry = entries[i]
            if (entry && String(entry["id"]) === deviceId && Number(entry["bitrate"]) >= 0) {
                serverBitrateKbps = Number(entry["bitrate"]) / 1000
                _serverRateAt = Date.now()
                return
            }
        }
    }

    Connections {
        target: health.deviceController
        ignoreUnknownSignals: true
        function onSrStreamStats(mapParams) { health.takeServerRate(mapParams) }
    }

    function statusText() {
        switch (status) {
        case "connecting": return qsTr("Connecting")
        case "live": return qsTr("Live")
        case "stalled": return qsTr("Stalled")
        case "lost": return qsTr("Lost")
        }
        return ""
    }
    function statusColor() {
        switch (status) {
        case "live": return KvoAppStyle.ok
        case "stalled": return KvoAppStyle.warning
        case "lost": return KvoAppStyle.error
        }
        return KvoAppStyle.textDim
    }

    onDeviceIdChanged: restartWatch()
    onPlayerChanged: restartWatch()
    Component.onCompleted: restartWatch()

    Timer {
        interval: 250
        repeat: true
        running: health.deviceId !== ""
        onTriggered: health.evaluate()
    }

    // The last picture stays, dimmed, with the time since it came.
    Rectangle {
        anchors.fill: parent
        visible: health.status === "lost"
        color: KvoAppStyle.shade
        // Above the middle, where the tile's own connection text is.
        KvoText {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.verticalCenter
            anchors.bottomMargin: KvoAppStyle.buttonHeight
            horizontalAlignment: Text.AlignHCenter
            text: health.lastPictureMs >= 0
                  ? qsTr("No video for %1").arg(Utils.formatDuration(health.lastPictureMs))
                  : qsTr("No video")
        }
    }
    Rectangle {
        id: badge
        objectName: "healthBadge"
        anchors.left: parent.left
        anchors.bottom: parent.bottom
        anchors.margins: KvoAppStyle.spacing
        visible: health.status !== "none"
        width: badgeText.implicitWidth + 2 * KvoAppStyle.spacing
        height: badgeText.implicitHeight + 4
        radius: KvoAppStyle.radius
        color: KvoAppStyle.shadeLight
        KvoText {
            id: badgeText
            anchors.centerIn: parent
            font.pointSize: KvoAppStyle.fontSizeSmall
            color: health.statusColor()
            text: health.statusText()
                  + ((health.hovered || health.showDetails) && health.resolution.width > 0
                     ? "  " + health.resolution.width + "×" + health.resolution.height
                       + "  " + qsTr("%1 fps").arg(health.fps.toFixed(1))
                       + (health.bitrateKbps > 0 ? "  " + qsTr("%1 kbit/s").arg(Math.round(health.bitrateKbps)) : "")
                     : "")
        }
    }
}
