import QtQuick 2.13
import QtQuick.Controls 2.13
import QtQuick.Layouts 1.12
import QtQuick.Dialogs 1.3
import KVO 1.0
import "../misc"
import "../components"
import "../archiveExternalStatus/table"

// The archive of one day: a line per camera with its recordings and events, one cursor that every
// playing camera follows (streamed by the server, or read from the clip files when they can be
// read here), and export of a time range to MP4.
KvoFrame {
    id: archive
    objectName: "archive"
    title: qsTr("Archive")

    // Clips are read from their files when the files can be read here and this is on; otherwise
    // the server streams them.
    property bool isLocalPlayMode: false
    property bool preferLocalPlay: true
    property bool clipsReadable: false
    property color bgColor: KvoAppStyle.bg
    property color bgColorDark: KvoAppStyle.bgDark
    property color selectedBgColor: KvoAppStyle.selection
    property color lineColor: KvoAppStyle.accent
    // The day shown: [from, to) in epoch ms.
    property var dateRange: ({ from: 0, to: 0 })
    // Device id (text) -> the day's clips of the device, oldest first.
    property var mediator: ({})
    property bool needSelectFirstEntry: true
    property real splitHeightRatio: 0.6
    // Whether the cursor may be moved from outside (the scroll bar, a click); off while dragging.
    property bool externalChangePositionEnabled: true
    readonly property real currentPlayPosition: syncController.cursor
    // Stream key of the last line that was started.
    property string streamKey: ""
    property string jumpRequestId: ""
    property url jumpImage: "qrc:/img/toolBar/play.png"
    // Id of the clip under the cursor on the last clicked line.
    property string entryId: ""
    // Recordings (types 1 and 3) drawn on the lines; events are always drawn.
    property bool showTimeLapse: true
    // The visible part of the timeline, epoch ms.
    property real viewStart: 0
    property real viewEnd: 0
    // A time range picked on the timeline for export; to <= from means none.
    property var selection: ({ from: 0, to: 0 })
    // Epoch ms of the last click that started playing; the players measure their first picture from it.
    property real clickAt: 0
    property var exports: ({})
    property int exportRevision: 0
    readonly property real daySpan: 86400000
    // This screen under a name that the delegates' own "archive" properties do not hide.
    readonly property Item archiveScreen: archive

    property alias archiveController: archiveController
    property alias archivePlayerController: archivePlayerController
    property alias archiveLocalPlayerController: archiveLocalPlayerController
    property alias videoLineListController: videoLineListController
    property alias syncController: syncController
    property alias timeLineBox: timeLineBox
    property alias toolBarItem: archiveToolBar
    property alias playersRepeater: playersRepeater
    property alias playingModel: playingModel
    property alias extendedTable: extendedTable

    signal linesPopulated(int count)
    signal exportFinished(string exportKey, bool ok, string filePath, string error)

    // Creates the server stream of a device from `at`; returns its key.
    function makeTrCreateVideo(deviceId, at) {
        archivePlayerController.trCreateVideo({ rstIDDevice: Number(deviceId), dtStart: Math.round(at),
                                                speed: syncController.speed })
        streamKey = archivePlayerController.lastCreatedStreamKey()
        return streamKey
    }
    function togglePlayPause() {
        if (syncController.playing)
            pause()
        else
            play()
    }
    function selectedStreamKey() {
        return streamKey
    }
    function play() {
        if (isLocalPlayMode)
            playLocal()
        else
            playStream()
    }
    // Both paths follow the same cursor; the lines pick their path by `isLocalPlayMode`.
    function playLocal() { syncController.play() }
    function playStream() { syncController.play() }
    function pause() { syncController.pause() }
    function jump(at) {
        if (!externalChangePositionEnabled)
            return
        jumpRequestId = String(Date.now())
        syncController.jump(at)
    }
    function currentPositionInEpoch() {
        return syncController.cursor
    }
    function epoch2timeLinePosition(ms, width) {
        var span = viewEnd - viewStart
        return span > 0 ? (ms - viewStart) / span * width : 0
    }
    function timeLinePosition2epoch(x, width) {
        return width > 0 ? viewStart + x / width * (viewEnd - viewStart) : viewStart
    }

    // The list request of a day's clips: those that overlap [from, to).
    function makeRequestForArchive(date) {
        var day = date ? new Date(date) : new Date()
        day.setHours(0, 0, 0, 0)
        var from = day.getTime()
        var to = new Date(day.getFullYear(), day.getMonth(), day.getDate() + 1).getTime()
        // Another day: the whole day in view, the cursor to its first recording.
        if (from !== dateRange.from) {
            needSelectFirstEntry = true
            dateRange = { from: from, to: to }
            viewStart = from
            viewEnd = to
            selection = { from: 0, to: 0 }
        }
        archiveController.trGetList({
            where: [Utils.whereGroup([Utils.whereExpression("dtEnd", ">=", from),
                                      Utils.whereExpression("dtStart", "<", to)])],
            orderBy: { dtStart: "ASC" }
        })
    }

    function populateMediator(entries) {
        var byDevice = {}
        archiveLocalPlayerController.clearAllMaps()
        var readable = false, checked = false
        for (var i = 0; i < entries.length; ++i) {
            var e = entries[i]
            var id = String(e.rstIDDevice)
            if (!byDevice[id])
                byDevice[id] = []
            byDevice[id].push(e)
            archiveLocalPlayerController.addItem(e)
            if (!checked && Number(e.type) !== 2) {
                checked = true
                readable = archiveLocalPlayerController.isClipReadable(e)
            }
        }
        mediator = byDevice
        clipsReadable = readable
        isLocalPlayMode = readable && preferLocalPlay
    }

    function deviceNameOf(id) {
        var clips = mediator[String(id)]
        if (clips && clips.length > 0 && clips[0].deviceName)
            return String(clips[0].deviceName)
        if (typeof globalObjects !== "undefined" && globalObjects) {
            var rows = globalObjects.deviceController.originalModel.rows()
            for (var i = 0; i < rows.length; ++i)
                if (String(rows[i].id) === String(id))
                    return String(rows[i].deviceName)
        }
        return String(id)
    }

    // What a line draws: recorded spans (adjacent clips merged) and event marks.
    function lineModelOf(id) {
        var clips = mediator[String(id)] || []
        var spans = [], events = []
        for (var i = 0; i < clips.length; ++i) {
            var c = clips[i]
            var s = Number(c.dtStart), e = Number(c.dtEnd)
            if (Number(c.type) === 2) {
                events.push({ from: s, to: e, id: String(c.id), detected: String(c.detected || "") })
                continue
            }
            var last = spans.length > 0 ? spans[spans.length - 1] : null
            if (last && s - last.to <= 1500)
                last.to = Math.max(last.to, e)
            else
                spans.push({ from: s, to: e })
        }
        return JSON.stringify({ spans: spans, events: events })
    }

    function populateModelFromMediator() {
        var model = videoLineListController.originalModel
        model.clear()
        var ids = Object.keys(mediator)
        var rows = []
        for (var i = 0; i < ids.length; ++i)
            rows.push({ id: ids[i], rstIDDevice: Number(ids[i]), deviceName: deviceNameOf(ids[i]),
                        modelOfArchiveLine: lineModelOf(ids[i]) })
        model.addRows(rows)
        videoLineListController.proxyModel.sortRows("rstIDDevice", Qt.AscendingOrder)
        // Lines whose camera has no recording that day any more stop playing.
        for (var j = playingModel.count - 1; j >= 0; --j)
            if (!mediator[playingModel.get(j).deviceId])
                playingModel.remove(j)
        linesPopulated(ids.length)
    }

    function resetAllModelOfArchiveLine() {
        var ids = Object.keys(mediator)
        for (var i = 0; i < ids.length; ++i)
            resetModelOfArchiveLineByDeviceID(ids[i])
    }
    function resetModelOfArchiveLineByDeviceID(id) {
        var model = videoLineListController.originalModel
        if (model.findId(String(id)) < 0)
            return
        model.updateValue(String(id), "modelOfArchiveLine", lineModelOf(id))
        model.updateValue(String(id), "deviceName", deviceNameOf(id))
    }

    function isLinePlaying(deviceId) {
        for (var i = 0; i < playingModel.count; ++i)
            if (playingModel.get(i).deviceId === String(deviceId))
                return true
        return false
    }
    function startLine(deviceId) {
        if (!isLinePlaying(deviceId))
            playingModel.append({ deviceId: String(deviceId), deviceName: deviceNameOf(deviceId) })
    }
    function stopLine(deviceId) {
        for (var i = 0; i < playingModel.count; ++i) {
            if (playingModel.get(i).deviceId === String(deviceId)) {
                playingModel.remove(i)
                return
            }
        }
    }
    function toggleLine(deviceId) {
        if (isLinePlaying(deviceId))
            stopLine(deviceId)
        else
            startLine(deviceId)
    }
    // Lines already playing keep their way of playing until they are started again.
    onPreferLocalPlayChanged: isLocalPlayMode = clipsReadable && preferLocalPlay

    function stopAllLines() {
        syncController.pause()
        playingModel.clear()
    }
    // A click on a camera's line: the cursor goes there, the camera plays with the others.
    function clickLine(deviceId, at) {
        var entry = archiveLocalPlayerController.findInterval(Number(deviceId), at)
        if (entry.id === undefined) {
            entry = archiveLocalPlayerController.findNearestRightBoundInterval(Number(deviceId), at)
            if (entry.id === undefined) {
                console.warn("Failed to define entry")
                return
            }
        }
        entryId = String(entry.id)
        clickAt = Date.now()
        jump(at)
        startLine(deviceId)
        play()
    }
    function playerOfStream(key) {
        for (var i = 0; i < playersRepeater.count; ++i) {
            var item = playersRepeater.itemAt(i)
            if (item && item.streamKey === key)
                return item
        }
        return null
    }
    function playerOfDevice(deviceId) {
        for (var i = 0; i < playersRepeater.count; ++i) {
            var item = playersRepeater.itemAt(i)
            if (item && item.deviceId === String(deviceId))
                return item
        }
        return null
    }

    // Export of the selected range: one MP4 per playing camera (or per camera of the day when none
    // plays) into `folder`.
    function exportDevices() {
        var ids = []
        for (var i = 0; i < playingModel.count; ++i)
            ids.push(playingModel.get(i).deviceId)
        return ids.length > 0 ? ids : Object.keys(mediator)
    }
    function startExport(folder) {
        if (!(selection.to > selection.from)) {
            showMessage(qsTr("Export"), qsTr("Select a time range on the timeline first."), qsTr("Drag with Shift held down."))
            return []
        }
        var keys = []
        var ids = exportDevices()
        for (var i = 0; i < ids.length; ++i) {
            var key = archivePlayerController.trExportVideo({ rstIDDevice: Number(ids[i]),
                                                              dtStart: Math.round(selection.from),
                                                              dtEnd: Math.round(selection.to), folder: folder })
            exports[key] = { deviceId: ids[i], deviceName: deviceNameOf(ids[i]), progress: 0, done: false,
                             error: "", filePath: "" }
            keys.push(key)
        }
        exportRevision++
        return keys
    }
    function cancelExports() {
        var keys = Object.keys(exports)
        for (var i = 0; i < keys.length; ++i)
            if (!exports[keys[i]].done)
                archivePlayerController.trCancelExport({ exportKey: keys[i] })
    }
    function exportProgress() {
        var keys = Object.keys(exports)
        if (keys.length === 0)
            return 0
        var sum = 0
        for (var i = 0; i < keys.length; ++i)
            sum += exports[keys[i]].done ? 1 : exports[keys[i]].progress
        return sum / keys.length
    }
    function exportsRunning() {
        var keys = Object.keys(exports)
        for (var i = 0; i < keys.length; ++i)
            if (!exports[keys[i]].done)
                return true
        return false
    }
    function updateExport(p, finished) {
        var state = exports[p.exportKey]
        if (!state)
            return
        if (p.progress !== undefined)
            state.progress = Number(p.progress)
        if (p.filePath)
            state.filePath = String(p.filePath)
        if (p.RES === false || p.error) {
            state.error = String(p.error || qsTr("Export failed"))
            state.done = true
        }
        if (finished && state.error === "")
            state.error = qsTr("Cancelled")
        if (finished || p.done === true)
            state.done = true
        exportRevision++
        if (state.done)
            exportFinished(p.exportKey, state.error === "", state.filePath, state.error)
    }

    function showMessage(title, text, explanation) {
        if (typeof globalObjects !== "undefined" && globalObjects)
            globalObjects.showAlert(title, text, explanation)
        else
            console.warn(title + ": " + text + " " + (explanation || ""))
    }

    ArchiveSyncController {
        id: syncController
        onJumped: {
            for (var i = 0; i < playersRepeater.count; ++i) {
                var item = playersRepeater.itemAt(i)
                if (item)
                    item.jumpTo(at)
            }
        }
        onLineOutOfStep: {
            console.info("Archive camera " + line + " far out of step: to " + at)
            var item = archive.playerOfDevice(line)
            if (item)
                item.jumpTo(at)
        }
        onLineAhead: {
            console.info("Archive camera " + line + " waits " + Math.round(waitMs) + " ms for the others")
            var item = archive.playerOfDevice(line)
            if (item)
                item.hold(waitMs)
        }
    }

    ArchivePlayerController {
        id: archivePlayerController
        onSaCreateVideo: {
            var item = archive.playerOfStream(mapParams.streamKey)
            if (!item) {
                console.warn("Failed to define row by mapParams.rstIDDevice: %1".arg(mapParams.rstIDDevice))
                trRemoveVideo({ streamKey: mapParams.streamKey })
                return
            }
            item.streamCreated(mapParams)
        }
        onSrNewSDP: {
            var item = archive.playerOfStream(mapParams.streamKey)
            if (!item)
                return
            var path = createSDPFile(mapParams)
            if (path !== "")
                item.playSdp(path)
        }
        onSrPosition: {
            var item = archive.playerOfStream(mapParams.streamKey)
            if (item)
                item.streamPosition(Number(mapParams.position), mapParams.paused === true)
        }
        onSaJumpVideo: {
            var item = archive.playerOfStream(mapParams.streamKey)
            if (item)
                item.streamJumped(mapParams)
        }
        onSaPauseVideo: {}
        onSaPlayVideo: {}
        onSaRemoveVideo: console.info("Archive stream " + mapParams.streamKey + " removed")
        onSaExportVideo: archive.updateExport(mapParams, false)
        onSrExportProgress: archive.updateExport(mapParams, false)
        onSaCancelExport: archive.updateExport(mapParams, true)
    }

    ArchiveLocalPlayerController {
        id: archiveLocalPlayerController
    }

    ArchiveController {
        id: archiveController
        ignoreSrInserted: true
        ignoreSrUpdated: true
        autoUpdate: true
        useTrGetList: true
        onSaGetList: {
            if (String(mapParams._receiver) !== String(objectNumber))
                return
            if (mapParams.RES === false) {
                console.warn("Archive list failed: " + mapParams.error)
                return
            }
            // The day's clips gather in the list (the periodic refresh adds the new ones).
            Utils.fillRowsFromAnswer(archiveController, mapParams)
            var entries = originalModel.rows()
            entries.sort(function(a, b) { return Number(a.dtStart) - Number(b.dtStart) })
            archive.populateMediator(entries)
            archive.populateModelFromMediator()
            // A new day starts with the cursor at its first recording.
            if (archive.needSelectFirstEntry && entries.length > 0) {
                archive.needSelectFirstEntry = false
                if (playingModel.count === 0)
                    archive.jump(Number(entries[0].dtStart))
            }
        }
        onSaInfo: {
            if (mapParams.RES === false)
                console.warn("Archive record " + mapParams.id + ": " + mapParams.error)
        }
    }

    VideoLineListController {
        id: videoLineListController
    }

    DeviceController {
        id: deviceController
        onSaRemove: {
            if (mapParams.RES === false)
                return
            archive.stopLine(mapParams.id)
            var rest = archive.mediator
            delete rest[String(mapParams.id)]
            archive.mediator = rest
            archive.populateModelFromMediator()
        }
        onSaCreate: {}
        onSaGetList: archive.resetAllModelOfArchiveLine()
    }

    ListModel { id: playingModel }

    FileDialog {
        id: folderDialog
        title: qsTr("Please select a folder")
        selectFolder: true
        onAccepted: {
            var path = typeof DESKTOP_UTILS !== "undefined" && DESKTOP_UTILS ? DESKTOP_UTILS.urlToPath(fileUrl)
                                                                              : decodeURIComponent(String(fileUrl).replace(/^file:\/\//, ""))
            archive.startExport(path)
        }
    }

    // Logged in to the server: the day is asked for when the tab is shown.
    property bool loggedIn: typeof globalObjects !== "undefined" && globalObjects ? globalObjects.isAuthorized : false
    onLoggedInChanged: if (loggedIn && visible) makeRequestForArchive(archiveToolBar.selectedDate)
    // Streams live only while the tab is shown.
    onVisibleChanged: {
        if (!visible)
            stopAllLines()
        else if (loggedIn)
            makeRequestForArchive(archiveToolBar.selectedDate)
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        ArchiveToolBar {
            id: archiveToolBar
            Layout.fillWidth: true
            archive: archive
            onDateSelected: archive.makeRequestForArchive(date)
            onExportRequested: folderDialog.open()
        }

        SplitView {
            id: split
            orientation: Qt.Vertical
            Layout.fillWidth: true
            Layout.fillHeight: true
            handle: Rectangle {
                implicitHeight: KvoAppStyle.spacing
                color: SplitHandle.pressed ? KvoAppStyle.accent : KvoAppStyle.border
            }

            Rectangle {
                id: playersArea
                SplitView.preferredHeight: split.height * archive.splitHeightRatio
                SplitView.minimumHeight: 80
                color: archive.bgColorDark
                readonly property int columns: Math.max(1, Math.ceil(Math.sqrt(playingModel.count)))
                readonly property int rows: Math.max(1, Math.ceil(playingModel.count / columns))

                Text {
                    anchors.centerIn: parent
                    visible: playingModel.count === 0
                    text: qsTr("Click a camera's line to play its recording")
                    color: KvoAppStyle.textDim
                    font.family: KvoAppStyle.fontFamily
                    font.pointSize: KvoAppStyle.fontSizeBig
                }
                Grid {
                    anchors.fill: parent
                    columns: playersArea.columns
                    spacing: 2
                    Repeater {
                        id: playersRepeater
                        model: playingModel
                        VideoItem {
                            width: (playersArea.width - (playersArea.columns - 1) * 2) / playersArea.columns
                            height: (playersArea.height - (playersArea.rows - 1) * 2) / playersArea.rows
                            archive: archiveScreen
                            deviceId: model.deviceId
                            deviceName: model.deviceName
                            onCloseRequested: archive.stopLine(deviceId)
                        }
                    }
                }
            }

            StackLayout {
                currentIndex: archiveToolBar.showUploads ? 1 : 0
                SplitView.fillHeight: true
                TimeLineBox {
                    id: timeLineBox
                    archive: archive
                }
                ArchiveExtendedTable {
                    id: extendedTable
                    active: archiveToolBar.showUploads
                }
            }
        }
    }

    Component.onCompleted: {
        var day = new Date()
        day.setHours(0, 0, 0, 0)
        dateRange = { from: day.getTime(), to: day.getTime() + daySpan }
        viewStart = dateRange.from
        viewEnd = dateRange.to
    }
}
