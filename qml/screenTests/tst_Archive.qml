import QtQuick 2.13
import QtTest 1.2
import ScreenTests 1.0

// The Archive tab against the development server: camera lines from recorded clips, a click that
// plays the clip under it at the right moment (streamed by the server and from the local files),
// pause, play and jump, two cameras kept on one cursor, a gap in one camera's recording, digital
// zoom of a playing picture, the event
// player, and export of a range to MP4 with cancel. The clips are the demo clip (10 s) listed
// under chosen times, so the timeline is known exactly.
TestCase {
    id: testCase
    name: "Archive"
    when: windowShown

    ScreenFixture {
        id: fx
        testCase: testCase
    }

    DemoClipPicture { id: clipReader }

    SignalSpy {
        id: exportSpy
        signalName: "exportFinished"
    }

    readonly property int clipMs: 10000
    property real base: 0
    property string cam1: ""
    property string cam2: ""
    property var clips: ({})
    property var archive: null
    // The server plays and exports only files of its own video folder.
    readonly property string clipFile: SERVER.videoFolder + "/archive-test/demo.mp4"

    function addClip(name, deviceId, deviceName, type, from, to, isFinal, filePath) {
        var answer = SERVER.request({ FN: "archive_trCreate", _receiver: "9", rstIDDevice: Number(deviceId), type: type,
                                      dtStart: base + from, dtEnd: base + to, duration: to - from,
                                      filePath: filePath === undefined ? clipFile : filePath,
                                      final: isFinal, deviceName: deviceName,
                                      detected: type === 2 ? "motion" : "Unidentified object" },
                                    "archive_saCreate")
        compare(answer.RES, true, "clip " + name + " is stored: " + answer.error)
        clips[name] = String(answer.id)
        return answer
    }

    function initTestCase() {
        // Only the clips made here: the cameras are not recorded while the test runs.
        SERVER.setSetting("video/record", false)
        fx.startClient()
        verify(SERVER.copyFile(SERVER.demoClip, clipFile), "the clip is in the server's video folder")
        tryVerify(function() { return fx.globalObjects.deviceRows().length === 1 }, 20000)
        cam1 = String(fx.globalObjects.deviceRows()[0].id)
        var created = SERVER.request({ FN: "device_trCreate", _receiver: "9", deviceName: "Yard camera",
                                       source: SERVER.demoClip, rstIdDeviceType: 4, enabled: false },
                                     "device_saCreate")
        compare(created.RES, true, created.error)
        cam2 = String(created.id)

        // An hour ago, or the start of the day when the day is younger than that.
        var midnight = new Date()
        midnight.setHours(0, 0, 0, 0)
        base = Math.max(midnight.getTime() + 60000, Date.now() - 3600000)
        base -= base % 1000
        // Camera 1: [0, 10 s], [10, 20 s], gap, [40, 50 s]. Camera 2: [0, 10 s], [10, 20 s], [20, 30 s].
        addClip("c1a", cam1, "Demo camera", 1, 0, clipMs, true)
        addClip("c1b", cam1, "Demo camera", 1, clipMs, 2 * clipMs, true)
        addClip("c1c", cam1, "Demo camera", 1, 4 * clipMs, 5 * clipMs, true)
        addClip("c2a", cam2, "Yard camera", 1, 0, clipMs, true)
        addClip("c2b", cam2, "Yard camera", 1, clipMs, 2 * clipMs, true)
        addClip("c2c", cam2, "Yard camera", 1, 2 * clipMs, 3 * clipMs, true)
        // Both: [50, 80 s], for playing faster than the clock.
        for (var i = 5; i < 8; ++i) {
            addClip("c1f" + i, cam1, "Demo camera", 1, i * clipMs, (i + 1) * clipMs, true)
            addClip("c2f" + i, cam2, "Yard camera", 1, i * clipMs, (i + 1) * clipMs, true)
        }

        fx.openTab(2)
        archive = fx.waitFor("archive", 20000)
        exportSpy.target = archive
    }
    function cleanupTestCase() {
        fx.close()
    }

    function box() { return archive.timeLineBox }
    function itemOf(deviceId) { return fx.find("videoItem_" + deviceId) }
    // Clicks a camera's line at `ms` after the base.
    function clickLine(deviceId, ms) {
        var line = fx.waitFor("archiveLine_" + deviceId, 10000)
        var p = line.mapToItem(box(), 0, line.height / 2)
        mouseClick(box(), box().xAt(base + ms), p.y)
    }
    // Where each camera's picture is on the screen now (epoch ms), read from the demo clip's square in
    // one grab of the screen; NaN where no picture is seen. Every clip here starts a whole number of
    // clip lengths after the base, so a picture's moment is the one of its clip nearest the cursor.
    function shownPositions(items) {
        var grab = null
        var before = archive.syncController.cursor
        // The result lives only during the call.
        archive.grabToImage(function(result) { grab = result.image })
        tryVerify(function() { return grab !== null }, 5000, "the screen is grabbed")
        var at = (before + archive.syncController.cursor) / 2
        var shown = []
        for (var i = 0; i < items.length; ++i) {
            var surface = items[i].surface
            var p = surface.mapToItem(archive, 0, 0)
            var t = clipReader.timeIn(grab, Math.round(p.x), Math.round(p.y), Math.round(surface.width),
                                      Math.round(surface.height), (at - base) % clipMs)
            shown.push(t < 0 ? NaN : base + Math.round((at - base - t) / clipMs) * clipMs + t)
        }
        shown.cursor = at
        return shown
    }
    function near(a, b, tolerance) { return Math.abs(a - b) <= tolerance }
    // Pictures to look at go beside the test programs (the demo clip's folder is one below them);
    // the test's own folders are removed when it ends.
    function saveShot(item, name) {
        var path = SERVER.demoClip.replace(/devServerMedia\/[^\/]*$/, "") + name
        var saved = false
        item.grabToImage(function(result) { saved = result.saveToFile(path) })
        tryVerify(function() { return saved }, 30000, "the picture " + path + " is saved")
        console.info("[ archive ] screenshot " + path)
    }

    function test_1_linesAppearForCamerasWithRecordings() {
        tryVerify(function() { return archive.videoLineListController.originalModel.rowCount === 2 }, 20000,
                  "one line per camera with clips")
        verify(fx.waitFor("archiveLine_" + cam1) !== null)
        verify(fx.waitFor("archiveLine_" + cam2) !== null)
        verify(archive.clipsReadable, "the demo clip can be read here")
        var spans = JSON.parse(archive.videoLineListController.originalModel.originalData(
                                   archive.videoLineListController.originalModel.findId(cam1), "modelOfArchiveLine")).spans
        compare(spans.length, 2, "adjacent clips are one span, the gap splits the line")
        compare(spans[0].to - spans[0].from, 2 * clipMs)
    }

    function test_2_wheelZoomsBetweenAMinuteAndADay() {
        box().setView(base - 30000, 120000)
        var x = box().xAt(base + 30000)
        mouseWheel(box(), x, box().height / 2, 0, 120)
        verify(near(archive.viewEnd - archive.viewStart, 96000, 1))
        verify(near(box().xAt(base + 30000), x, 1), "the moment under the mouse stays")
        for (var i = 0; i < 10; ++i)
            mouseWheel(box(), x, box().height / 2, 0, 120)
        compare(archive.viewEnd - archive.viewStart, 60000)
        for (i = 0; i < 40; ++i)
            mouseWheel(box(), x, box().height / 2, 0, -120)
        compare(archive.viewEnd - archive.viewStart, 86400000)
        // Dragging pans.
        box().setView(base - 30000, 120000)
        var before = archive.viewStart
        mouseDrag(box(), box().xAt(base), box().height / 2, -100, 0)
        verify(archive.viewStart > before, "dragging left shows later times")
        box().setView(base - 10000, 70000)
    }

    function test_3_streamedClickPlaysTheRightClipAtTheRightOffset() {
        archive.preferLocalPlay = false
        verify(!archive.isLocalPlayMode)
        var clickedAt = Date.now()
        clickLine(cam1, 12000)
        var item = fx.waitFor("videoItem_" + cam1, 5000)
        verify(!item.localMode)
        compare(String(item.clip.id), clips.c1b, "the clip under the click")
        tryVerify(function() { return item.firstPictureMs >= 0 }, 30000, "a first picture")
        console.info("[ archive ] streamed: first picture " + item.firstPictureMs + " ms after the click")
        // The stream starts where it was clicked: its first position is not before that moment and not
        // further on than the time since the click.
        var position = 0
        tryVerify(function() { position = item.picturePosition; return position > 0 }, 5000)
        var offset = position - base
        verify(offset >= 12000 - 1000 && offset <= 12000 + (Date.now() - clickedAt) + 1000,
               "first position at " + offset + " ms, clicked at 12000 ms " + (Date.now() - clickedAt) + " ms ago")
        tryVerify(function() { return near(item.picturePosition, archive.currentPlayPosition, 1000) }, 5000,
                  "the stream follows the cursor")
    }

    function test_4_pausePlayAndJump() {
        var item = itemOf(cam1)
        archive.pause()
        wait(1500)
        var paused = item.picturePosition
        wait(1500)
        verify(near(item.picturePosition, paused, 300), "a paused stream stays")
        archive.play()
        tryVerify(function() { return item.picturePosition > paused + 500 }, 5000, "it plays on")
        archive.jump(base + 43000)
        tryVerify(function() { return String(item.clip.id) === clips.c1c }, 5000)
        tryVerify(function() { return near(item.picturePosition, archive.currentPlayPosition, 1000)
                                      && item.picturePosition >= base + 43000 }, 8000,
                  "the stream follows the jump")
    }

    function test_5_twoCamerasStayTogetherAfterAJump() {
        archive.startLine(cam2)
        var item1 = itemOf(cam1)
        var item2 = fx.waitFor("videoItem_" + cam2, 5000)
        archive.jump(base + 10500)
        archive.play()
        var sync = archive.syncController
        tryVerify(function() { return !isNaN(sync.linePosition(cam1)) && !isNaN(sync.linePosition(cam2)) }, 10000,
                  "both cameras report where they are")
        tryVerify(function() { return item1.player.input.hasVout && item2.player.input.hasVout }, 20000,
                  "both cameras show pictures")
        // After the jump has settled, in the middle of both cameras' clips (the server is a little
        // ahead of the pictures and must not reach the end of the first camera's clip meanwhile).
        tryVerify(function() { return sync.cursor >= base + 13000 }, 10000)
        // The server's positions of both, and what the screen shows: both pictures, read from the clip
        // itself, near each other and the cursor.
        var worst = 0, sum = 0, samples = 0
        var shownSpread = [], shownOffset = []
        while (sync.cursor < base + 17000 && samples < 40) {
            var spread = sync.spread
            worst = Math.max(worst, spread)
            sum += spread
            ++samples
            var shown = shownPositions([item1, item2])
            if (!isNaN(shown[0]) && !isNaN(shown[1])) {
                shownSpread.push(Math.abs(shown[0] - shown[1]))
                shownOffset.push(Math.max(Math.abs(shown[0] - shown.cursor), Math.abs(shown[1] - shown.cursor)))
            }
            wait(100)
        }
        console.info("[ archive ] two streamed cameras after a jump, server positions: spread worst " + worst.toFixed(0)
                     + " ms, mean " + (sum / samples).toFixed(0) + " ms over " + samples + " samples")
        // Between reports (twice a second) each line runs on by the clock: a single sample may catch
        // one line just corrected, the mean is what the cameras are apart.
        verify(sum / samples <= 500, "mean spread " + (sum / samples) + " ms")
        verify(worst <= 1000, "worst spread " + worst + " ms")
        shownSpread.sort(function(a, b) { return a - b })
        shownOffset.sort(function(a, b) { return a - b })
        verify(shownSpread.length >= samples / 2, "both pictures are read in " + shownSpread.length + " of " + samples + " grabs")
        var medianSpread = shownSpread[Math.floor(shownSpread.length / 2)]
        var medianOffset = shownOffset[Math.floor(shownOffset.length / 2)]
        console.info("[ archive ] two streamed cameras after a jump, on the screen: spread median " + medianSpread.toFixed(0)
                     + " ms, worst " + shownSpread[shownSpread.length - 1].toFixed(0) + " ms; picture to cursor median "
                     + medianOffset.toFixed(0) + " ms, worst " + shownOffset[shownOffset.length - 1].toFixed(0) + " ms over "
                     + shownSpread.length + " grabs")
        // A grab reads a picture to within a frame (67 ms); a few places of the square's path are
        // ambiguous, hence the median.
        verify(medianSpread <= 500, "the pictures are " + medianSpread + " ms apart")
        verify(medianOffset <= 500, "a picture is " + medianOffset + " ms from the cursor")
        box().setView(base - 5000, 60000)
        wait(300)
        saveShot(archive, "archive-two-lines.png")

        // A gap of one camera: it shows that it has nothing while the other plays on.
        archive.jump(base + 22000)
        tryVerify(function() { return !item1.hasRecording }, 3000)
        verify(fx.find("noRecording", item1).visible)
        verify(item2.hasRecording)
        var before = item2.picturePosition
        tryVerify(function() { return item2.picturePosition > before + 500 }, 5000, "the other camera plays on")
        // When the cursor reaches the next recording the camera plays again.
        archive.jump(base + 39000)
        tryVerify(function() { return item1.hasRecording }, 5000)
        tryVerify(function() { return item1.picturePosition >= base + 40000 }, 8000)
    }

    // The wheel zooms the playing picture around the cursor, dragging pans, a double-click or the
    // button resets: the same zoom as a live tile's, in the surface's texture coordinates.
    function test_5a_wheelZoomsIntoTheArchivePicture() {
        var item = itemOf(cam1)
        tryVerify(function() { return item.hasRecording && item.player.input.hasVout }, 10000)
        var surface = item.surface
        var area = fx.find("zoomArea", item)
        verify(area !== null && area.enabled)
        var c = surface.contentRect
        verify(c.width > 0 && c.height > 0, "the picture is drawn")
        // About a quarter into the picture, where the wheel turns (mouse events are in whole pixels).
        var p = surface.mapToItem(area, c.x + c.width / 4, c.y + c.height / 4)
        p = Qt.point(Math.round(p.x), Math.round(p.y))
        var s = surface.mapFromItem(area, p.x, p.y)
        var picturePoint = Qt.rect((s.x - c.x) / c.width, (s.y - c.y) / c.height, 0, 0)
        for (var i = 0; i < 6; ++i)
            mouseWheel(area, p.x, p.y, 0, 120)
        verify(near(surface.zoom, Math.pow(1.25, 6), 0.001), "zoom " + surface.zoom)
        var under = surface.mapFromItem(area, p.x, p.y)
        var kept = surface.mapFromPicture(picturePoint)
        verify(near(kept.x, under.x, 0.5) && near(kept.y, under.y, 0.5),
               "the picture point under the cursor stays: " + kept.x + "," + kept.y + " vs " + under.x + "," + under.y)
        verify(near(surface.sourceRect.width, 1 / surface.zoom, 0.001))
        wait(300)
        saveShot(item, "archive-zoomed.png")

        // Dragging moves the picture with the mouse.
        mouseDrag(area, p.x, p.y, -40, -30)
        var moved = surface.mapFromPicture(picturePoint)
        verify(near(moved.x, kept.x - 40, 2) && near(moved.y, kept.y - 30, 2),
               "dragged by (-40, -30): " + (moved.x - kept.x) + "," + (moved.y - kept.y))
        verify(near(surface.zoom, Math.pow(1.25, 6), 0.001), "panning keeps the zoom")

        mouseDoubleClickSequence(area, p.x, p.y)
        compare(surface.zoom, 1)
        compare(surface.sourceRect, Qt.rect(0, 0, 1, 1))

        // Up to 8×; the button resets too.
        for (i = 0; i < 20; ++i)
            mouseWheel(area, p.x, p.y, 0, 120)
        compare(surface.zoom, 8)
        var reset = fx.find("zoomReset", area)
        verify(reset.visible)
        mouseClick(reset)
        compare(surface.zoom, 1)
        verify(!reset.visible)
    }

    // Twice as fast, streamed: the server sends both cameras at that speed, the pictures move twice
    // as fast as the clock, stay together and near the cursor, also across the end of a clip.
    function test_5b_streamedLinesPlayAtTheCursorsSpeed() {
        var item1 = itemOf(cam1), item2 = itemOf(cam2)
        verify(item1 && item2 && !item1.localMode)
        var sync = archive.syncController
        archive.jump(base + 50500)
        sync.speed = 2
        archive.play()
        // The server makes its scaled copies first, and the lines settle on the cursor.
        wait(4000)
        var started = Date.now(), samples = []
        while (Date.now() - started < 5000 && sync.cursor < base + 78000) {
            var shown = shownPositions([item1, item2])
            if (!isNaN(shown[0]) && !isNaN(shown[1]))
                samples.push({ at: Date.now(), cursor: shown.cursor, first: shown[0], second: shown[1] })
            wait(100)
        }
        // A few places of the square's path read as others about 4 s away: such grabs are left out
        // (both pictures more than 1.5 s from where the others put them).
        function median(values) {
            var sorted = values.slice().sort(function(a, b) { return a - b })
            return sorted[Math.floor(sorted.length / 2)]
        }
        var typical = median(samples.map(function(x) { return (x.first + x.second) / 2 - x.cursor }))
        var kept = samples.filter(function(x) {
            return Math.abs(x.first - x.cursor - typical) <= 1500 && Math.abs(x.second - x.cursor - typical) <= 1500
        })
        verify(kept.length >= 5 && kept[kept.length - 1].at - kept[0].at >= 2000,
               "pictures read over two seconds at least (" + kept.length + " of " + samples.length + " grabs)")
        var first = kept[0], last = kept[kept.length - 1]
        var rate = ((last.first + last.second) - (first.first + first.second)) / 2 / (last.at - first.at)
        var medianSpread = median(kept.map(function(x) { return Math.abs(x.first - x.second) }))
        var medianOffset = median(kept.map(function(x) {
            return Math.max(Math.abs(x.first - x.cursor), Math.abs(x.second - x.cursor))
        }))
        console.info("[ archive ] two streamed cameras at x2: pictures move " + rate.toFixed(2)
                     + " times as fast as the clock, spread median " + medianSpread.toFixed(0)
                     + " ms, picture to cursor median " + medianOffset.toFixed(0) + " ms over " + kept.length
                     + " of " + samples.length + " grabs")
        // Clearly faster than the clock (at x1 at most 1): a line that waits for the cursor stands still
        // for a moment, one that catches up moves faster for a moment.
        verify(rate > 1.2 && rate < 3, "the pictures move " + rate + " times as fast as the clock")
        // Apart by at most 400 ms of the operator's time, which is twice that much of the recording.
        verify(medianSpread <= 400 * sync.speed, "the pictures are " + medianSpread + " ms apart")
        // Within half a second of the operator's time of the cursor.
        verify(medianOffset <= 500 * sync.speed, "a picture is " + medianOffset + " ms from the cursor; each grab's"
               + " pictures less the cursor, at the cursor: " + kept.map(function(x) {
                   return Math.round(x.first - x.cursor) + "/" + Math.round(x.second - x.cursor) + " at "
                          + Math.round(x.cursor - base)
               }).join(", "))
        archive.pause()
        sync.speed = 1
    }

    function test_6_localModeFindsTheClipAndMovesOnAtItsEnd() {
        archive.stopAllLines()
        archive.preferLocalPlay = true
        verify(archive.isLocalPlayMode)
        box().setView(base - 5000, 60000)
        var clickedAt = Date.now()
        clickLine(cam1, 8000)
        var item = fx.waitFor("videoItem_" + cam1, 5000)
        verify(item.localMode)
        compare(String(item.loadedClip.id), clips.c1a)
        tryVerify(function() { return item.firstPictureMs >= 0 }, 20000, "a first picture")
        console.info("[ archive ] local: first picture " + item.firstPictureMs + " ms after the click")
        var offset = 0
        tryVerify(function() { offset = item.picturePosition - base; return item.picturePosition > 0 }, 5000)
        verify(offset >= 8000 - 1000 && offset <= 8000 + (Date.now() - clickedAt) + 1000,
               "first position at " + offset + " ms, clicked at 8000 ms " + (Date.now() - clickedAt) + " ms ago")
        tryVerify(function() { return String(item.loadedClip.id) === clips.c1b }, 10000, "the next clip follows")
        tryVerify(function() { return item.picturePosition >= base + clipMs && item.player.playing }, 5000)
        archive.stopAllLines()
    }

    function test_7_eventPlayerReportsAFileNotReady() {
        var now = Date.now() - base
        // Still being written: its file is not there yet.
        addClip("pending", cam1, "Demo camera", 2, now - 5000, now, false, SERVER.videoFolder + "/archive-test/pending.mp4")
        addClip("ready", cam1, "Demo camera", 2, now - 12000, now - 6000, true)
        fx.openTab(0)
        var events = fx.waitFor("eventsTable", 20000)
        var model = events.archiveController.proxyModel
        tryVerify(function() { return model.checkValueByRole("id", clips.pending) >= 0
                                      && model.checkValueByRole("id", clips.ready) >= 0 }, 20000,
                  "the events table lists both events")
        var player = events.playEvent(model.checkValueByRole("id", clips.pending))
        verify(player !== null)
        verify(player.fileError)
        compare(player.errorTitle, "Video file error")
        compare(player.errorText, "File is not yet ready.")
        compare(player.errorExplanation, "Try again later...")
        player.close()

        player = events.playEvent(model.checkValueByRole("id", clips.ready))
        verify(!player.fileError)
        tryVerify(function() { return player.player.playing && player.player.input.hasVout }, 20000)
        verify(player.infoText.text.indexOf("Demo camera") >= 0)
        wait(500)
        saveShot(player.contentItem, "archive-event-player.png")
        player.close()
        fx.openTab(2)
    }

    // With no camera playing, every camera with recordings in the range is exported.
    function test_8_exportOfARangeAcrossTwoClipsAndCancel() {
        archive.stopAllLines()
        var folder = SERVER.folder
        archive.selection = { from: base + 5000, to: base + 15000 }
        exportSpy.clear()
        var started = Date.now()
        var keys = archive.startExport(folder)
        compare(keys.length, 2, "both cameras have recordings in the range")
        tryVerify(function() { return exportSpy.count === 2 }, 30000, "the exports end")
        console.info("[ archive ] export of 10 s of two cameras (one across two clips) took "
                     + (Date.now() - started) + " ms")
        for (var i = 0; i < 2; ++i) {
            var args = exportSpy.signalArguments[i]
            verify(args[1], "the export succeeds: " + args[3])
            verify(SERVER.fileExists(args[2]), args[2])
        }
        verify(!archive.exportsRunning())
        compare(SERVER.listFiles(folder, "*.part").length, 0)
        var mp4 = SERVER.listFiles(folder, "*.mp4").length
        compare(mp4, 2)

        exportSpy.clear()
        archive.selection = { from: base, to: base + 20000 }
        archive.startExport(folder)
        archive.cancelExports()
        tryVerify(function() { return exportSpy.count === 2 }, 10000, "the cancels are answered")
        verify(!exportSpy.signalArguments[0][1], "a cancelled export is not reported as written")
        wait(1000)
        compare(SERVER.listFiles(folder, "*.part").length, 0, "no partial file")
        compare(SERVER.listFiles(folder, "*.mp4").length, mp4, "no new file")
    }
}
