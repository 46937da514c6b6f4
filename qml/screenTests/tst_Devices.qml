import QtQuick 2.13
import QtTest 1.2

// The Devices tab against the development server: cameras added, renamed and removed through
// the editor and the table, detectors switched and limited to a region, camera passwords, and
// the network search. Steps run in order and build on each other.
TestCase {
    id: testCase
    name: "Devices"
    when: windowShown

    ScreenFixture {
        id: fx
        testCase: testCase
    }

    property var table: null
    property string demoId: ""
    property string addedId: ""
    property var detections: ({})
    // Pictures to look at are left in the build tree beside the test media (build/tests), which
    // outlives the test's temporary folders.
    readonly property string shotPrefix: SERVER.demoClip.replace(/[^\/]+\/[^\/]+$/, "") + "screen_Devices_"

    // The server "finds" a second path of the demo clip, so that the found camera is new.
    function foundClipPath() {
        return SERVER.demoClip.replace(/\/([^\/]+)$/, "/./$1")
    }

    function initTestCase() {
        SERVER.setSetting("search/cameras", JSON.stringify([{ deviceName: "Found clip", source: foundClipPath(), typeCode: 4 }]))
        fx.startClient()
        tryVerify(function() { return fx.globalObjects.deviceRows().length === 1 }, 20000, "the demo camera is listed")
        demoId = String(fx.globalObjects.deviceRows()[0].id)
        fx.globalObjects.deviceController.srObjectsDetected.connect(function(mapParams) {
            var id = String(mapParams["rstIDDevice"])
            var d = testCase.detections
            d[id] = (d[id] || 0) + 1
            testCase.detections = d
        })
        fx.openTab(1)
        table = fx.waitFor("deviceTable")
    }
    function cleanupTestCase() {
        fx.close()
    }

    // A request of the second client; after a server restart it may need a new connection.
    function ask(record, answerFn) {
        var answer = null
        tryVerify(function() {
            answer = SERVER.request(record, answerFn)
            if (answer && answer.RES !== undefined && answer.error !== "Log in first")
                return true
            SERVER.dropOther()
            return false
        }, 30000, "the server answers " + answerFn)
        return answer
    }
    function serverDevices() {
        return ask({ FN: "device_trGetList", _receiver: "901" }, "device_saGetList").entries
    }
    function serverDevice(id) {
        var all = serverDevices()
        for (var i = 0; i < all.length; ++i) {
            if (String(all[i].id) === String(id))
                return all[i]
        }
        return null
    }
    function rowIdByName(name) {
        var rows = fx.globalObjects.deviceRows()
        for (var i = 0; i < rows.length; ++i) {
            if (rows[i].deviceName === name)
                return String(rows[i].id)
        }
        return ""
    }
    // The title shown by the tile of a device ("" without one).
    function tileTitle(deviceId) {
        var queue = [fx.globalObjects.tileGrid]
        while (queue.length > 0) {
            var item = queue.shift()
            if (item.objectName === "tile" && String(item.deviceId) === String(deviceId))
                return item.title
            for (var i = 0; i < item.children.length; ++i)
                queue.push(item.children[i])
        }
        return ""
    }
    function tableShows(name) {
        for (var i = 0; i < table.tableView.rowCount; ++i) {
            if (table.tableView.proxyValue(i, "deviceName") === name)
                return true
        }
        return false
    }
    function type(edit, text) {
        edit.text = text
        edit.field.textEdited()
    }
    function shoot(frame, file) {
        var done = false
        // The window's root item also holds its pop-ups.
        var item = frame.frameWindow ? (frame.frameWindow.contentItem.parent || frame.frameWindow.contentItem) : frame
        item.grabToImage(function(result) { result.saveToFile(shotPrefix + file); done = true })
        tryVerify(function() { return done }, 10000)
    }
    function openEditor(id) {
        var editor = fx.globalObjects.openDeviceEditor(id)
        verify(editor !== null, "the camera editor opens")
        verify(editor.isDetached, "in a window of its own")
        compare(editor.title, "Camera settings")
        return editor
    }
    // The server's log file (written out every two seconds).
    function serverLog() {
        var folder = SERVER.folder + "/log"
        var files = SERVER.listFiles(folder, "*")
        var text = ""
        for (var i = 0; i < files.length; ++i) {
            var xhr = new XMLHttpRequest()
            xhr.open("GET", "file://" + folder + "/" + files[i], false)
            xhr.send()
            text += xhr.responseText
        }
        return text
    }
    function detectionsOf(id) {
        return testCase.detections[String(id)] || 0
    }

    function test_1_addCameraThroughEditorPlaysOnATile() {
        var editor = openEditor(0)
        var form = editor.essentials
        verify(!editor.acceptEnabled, "OK waits for a name and an address")
        type(fx.find("deviceNameEdit", editor), "Gate camera")
        // An IP address that is none, then an RTSP address where no camera answers.
        type(fx.find("ipEdit", editor), "300.1.2.3")
        verify(!editor.acceptEnabled, "no OK for an invalid IPv4 address")
        type(fx.find("ipEdit", editor), "127.0.0.1")
        verify(editor.acceptEnabled)
        form.useUrl = true
        type(fx.find("urlEdit", editor), "ftp://127.0.0.1/x")
        verify(!editor.acceptEnabled, "only RTSP and HTTP addresses")
        type(fx.find("urlEdit", editor), "rtsp://127.0.0.1:9/none")
        verify(editor.acceptEnabled)
        tryCompare(form.preview, "status", "failed", 20000)
        verify(fx.find("previewMessage", editor).visible, "a source that does not play says so")
        verify(form.preview.message.indexOf("The camera does not answer.") === 0, form.preview.message)
        shoot(editor, "cameraEditorFailedPreview.png")

        // The demo clip as a file camera: the preview plays it live from the server.
        form.typeCode = 4
        var entered = Date.now()
        type(fx.find("pathEdit", editor), SERVER.demoClip)
        tryVerify(function() { return form.preview.status === "playing" }, 40000, "the preview plays: " + form.preview.status + " " + form.preview.message)
        console.info("Measured: the preview plays " + (Date.now() - entered) + " ms after the address was entered")
        verify(fx.find("previewSurface", editor).visible)
        wait(1500)
        shoot(editor, "cameraEditorPreview.png")

        editor.closeAction("ok")
        // The preview's stream ends with the editor: every preview started is stopped.
        tryVerify(function() {
            var log = serverLog()
            var started = log.split("Live stream of device 0 to").length - 1
            return started > 0 && log.split("Live stream of device 0 for session").length - 1 === started
        }, 15000, "the preview stream stops with the editor")
        tryVerify(function() { return rowIdByName("Gate camera") !== "" }, 20000, "the new camera is listed")
        addedId = rowIdByName("Gate camera")
        tryVerify(function() { return tableShows("Gate camera") }, 10000, "the table shows it")
        fx.waitForPlaying(addedId, 60000)
        verify(fx.globalObjects.tileGrid !== null)
        tryVerify(function() { return fx.globalObjects.tileGrid.findTile(addedId) >= 0 }, 10000, "the new camera has a tile")
        var stored = serverDevice(addedId)
        compare(stored.source, SERVER.demoClip)
        compare(stored.enabled, true)
    }

    function test_2_editNameFollowsInTableAndTile() {
        var editor = openEditor(addedId)
        var name = fx.find("deviceNameEdit", editor)
        tryCompare(name, "text", "Gate camera", 10000)
        verify(!editor.isDirty)
        type(name, "Gate west")
        verify(editor.isDirty)
        editor.closeAction("ok")
        tryVerify(function() { return tableShows("Gate west") }, 20000, "the table follows")
        verify(!tableShows("Gate camera"))
        tryCompare(fx.globalObjects.mediaPlayerContainer.find(addedId), "deviceName", "Gate west", 20000)
        tryVerify(function() { return tileTitle(addedId) === "Gate west" }, 10000, "the tile's title follows")
        compare(serverDevice(addedId).deviceName, "Gate west")
    }

    function motionPanel(editor) {
        editor.tabs.currentIndex = 1
        var panel = fx.waitFor("detectorPanel_motionsDetection", 15000, editor)
        tryVerify(function() { return editor.detection.modules.length === 9 }, 10000, "every module has its panel")
        return panel
    }
    function serverMotionState(id) {
        var answer = ask({ FN: "moduleSystem_trActiveModuleList", _receiver: "902", rstIDDevice: Number(id) },
                                    "moduleSystem_saActiveModuleList")
        return answer.active_module_list.indexOf("motionsDetection") >= 0
    }

    function test_3_motionDetectionOffAndOnKeptAfterServerRestart() {
        var editor = openEditor(demoId)
        var panel = motionPanel(editor)
        tryCompare(panel, "active", true, 10000)
        verify(serverMotionState(demoId))
        wait(1000)
        shoot(editor, "detectionTab.png")

        var onOff = fx.find("detectorSwitch", panel)
        onOff.toggle()
        onOff.toggled()
        tryCompare(panel, "active", false, 10000)
        verify(!serverMotionState(demoId))
        compare(serverDevice(demoId).isDetectMotion, false, "the camera's record follows")
        editor.closeAction("cancel")

        verify(SERVER.restart(), "the server restarts")
        fx.waitForLogin()
        verify(!serverMotionState(demoId), "still off after the restart")

        editor = openEditor(demoId)
        panel = motionPanel(editor)
        tryCompare(panel, "active", false, 10000)
        onOff = fx.find("detectorSwitch", panel)
        onOff.toggle()
        onOff.toggled()
        tryCompare(panel, "active", true, 10000)
        editor.closeAction("cancel")
        verify(SERVER.restart())
        fx.waitForLogin()
        verify(serverMotionState(demoId), "on again after the restart")
        compare(serverDevice(demoId).isDetectMotion, true)
    }

    function setRegion(points, shot) {
        var editor = openEditor(demoId)
        var panel = motionPanel(editor)
        panel.openSettings()
        tryCompare(panel.popup, "opened", true, 5000)
        var crop = fx.waitFor("roiFullFrame", 5000, panel.paramsEditor).parent.parent
        crop.setPoints(points)
        wait(500)
        if (shot)
            shoot(editor, shot)
        panel.closeSettings("ok")
        tryVerify(function() {
            var answer = ask({ FN: "moduleSystem_trGetParams", _receiver: "903", rstIDDevice: Number(demoId),
                                          plugin_name: "motionsDetection" }, "moduleSystem_saGetParams")
            for (var i = 0; i < answer.params.length; ++i) {
                if (answer.params[i].name === "roi")
                    return JSON.stringify(answer.params[i].value) === JSON.stringify(points)
            }
            return false
        }, 10000, "the server keeps the region")
        editor.closeAction("cancel")
    }

    // The demo clip's square moves through the middle band of the picture; the top strip is still.
    function test_4_regionOfInterestDecidesWhichMotionCounts() {
        tryVerify(function() { return detectionsOf(demoId) > 0 }, 30000, "the demo camera reports motion")
        setRegion([{ x: 0, y: 0 }, { x: 1, y: 0 }, { x: 1, y: 0.2 }, { x: 0, y: 0.2 }], "regionOfInterest.png")
        wait(2000) // notices already on their way
        var before = detectionsOf(demoId)
        wait(8000)
        compare(detectionsOf(demoId), before, "no motion events outside the region")
        setRegion([{ x: 0, y: 0 }, { x: 1, y: 0 }, { x: 1, y: 1 }, { x: 0, y: 1 }])
        var again = detectionsOf(demoId)
        var back = Date.now()
        tryVerify(function() { return detectionsOf(demoId) > again }, 15000, "the whole frame reports motion again")
        console.info("Measured: " + before + " motion notices before the region, none in 8 s with the top strip, "
                     + "the first again " + (Date.now() - back) + " ms after the whole frame was set")
    }

    function test_5_cameraPasswordAddAndDelete() {
        var passwords = table.openPasswords()
        verify(passwords !== null && passwords.isDetached)
        compare(passwords.title, "Device passwords")
        var editor = passwords.openEditor("")
        compare(editor.title, "Device password editor")
        verify(!editor.acceptEnabled, "a login is needed")
        type(fx.find("loginEdit", editor), "operator")
        type(fx.find("passwordEdit", editor), "s3cret")
        compare(fx.find("passwordEdit", editor).field.echoMode, TextInput.Password, "masked")
        editor.closeAction("ok")
        var id = ""
        tryVerify(function() {
            var rows = passwords.controller.originalModel.rows()
            for (var i = 0; i < rows.length; ++i) {
                if (rows[i].login === "operator")
                    id = String(rows[i].id)
            }
            return id !== ""
        }, 15000, "the new password is listed")
        var listed = passwords.controller.originalModel.rows().filter(function(r) { return String(r.id) === id })[0]
        verify(!listed.password, "the list does not carry the password")
        var answer = ask({ FN: "devicePassword_trInfo", _receiver: "904", id: Number(id) }, "devicePassword_saInfo")
        compare(answer.password, "s3cret")

        verify(passwords.tableView.selectRowById(id))
        var question = passwords.askDelete(id)
        compare(question.title, "Delete record")
        compare(question.text, "Delete selected record?")
        question.press("ok")
        tryVerify(function() { return passwords.controller.originalModel.findId(id) < 0 }, 15000, "the row goes")
        answer = ask({ FN: "devicePassword_trInfo", _receiver: "905", id: Number(id) }, "devicePassword_saInfo")
        compare(answer.RES, false, "and the record is gone on the server")
        passwords.attach()
    }

    function test_6_searchAndAddFoundCamera() {
        var search = table.openSearch()
        verify(search !== null && search.isDetached)
        search.search()
        tryVerify(function() { return search.tableView.rowCount === 1 }, 20000, "the configured camera is found")
        compare(search.tableView.proxyValue(0, "deviceName"), "Found clip")
        compare(search.tableView.proxyValue(0, "isAdd"), true, "it is new")
        search.tableView.selectRow(0)
        var editor = search.addCurrent()
        verify(editor !== null)
        // The stored passwords are listed by login; a chosen one's password comes from its record.
        tryVerify(function() { return editor.storedPasswords.length > 0 }, 15000, "the stored passwords are listed")
        var box = fx.find("storedPasswordBox", editor)
        var passwordEdit = fx.find("foundPasswordEdit", editor)
        var filled = 0
        for (var i = 0; i < editor.storedPasswords.length; ++i) {
            var stored = editor.storedPasswords[i]
            compare(stored.password, undefined, "the list carries no password")
            var record = ask({ FN: "devicePassword_trInfo", _receiver: "907", id: Number(stored.id) }, "devicePassword_saInfo")
            box.activated(i)
            tryCompare(passwordEdit, "text", record.password, 10000)
            compare(fx.find("foundLoginEdit", editor).text, record.login)
            filled += record.password !== "" ? 1 : 0
        }
        verify(filled > 0, "a stored password was filled in")
        editor.closeAction("ok")
        tryVerify(function() { return rowIdByName("Found clip") !== "" }, 20000, "the found camera is a device now")
        var id = rowIdByName("Found clip")
        fx.waitForPlaying(id, 60000)
        tryCompare(search.tableView, "rowCount", 1, 5000)
        tryVerify(function() { return search.tableView.proxyValue(0, "isAdd") === false || search.tableView.proxyValue(0, "isNew") === false },
                  15000, "the found camera shows as added")
        search.attach()
    }

    function test_7_deleteCameraStopsTilePlayerAndRecording() {
        verify(table.tableView.selectRowById(addedId))
        var question = table.askDelete(addedId)
        compare(question.title, "Delete device")
        compare(question.text, "Delete selected device?")
        question.press("ok")
        tryVerify(function() { return !tableShows("Gate west") }, 20000, "the table drops it")
        tryVerify(function() { return fx.globalObjects.mediaPlayerContainer.find(addedId) === null }, 20000, "its player is gone")
        compare(serverDevice(addedId), null, "the server removed it")
        tryVerify(function() { return serverLog().indexOf("Recording of device " + addedId + " stopped") >= 0 }, 15000,
                  "its recording stops")
        tryVerify(function() {
            var log = serverLog()
            return log.lastIndexOf("Live stream of device " + addedId + " for session") > log.lastIndexOf("Live stream of device " + addedId + " to")
        }, 15000, "its live stream stops")
        var recState = ask({ FN: "deviceRecState_trGetList", _receiver: "906" }, "deviceRecState_saGetList").entries
        for (var i = 0; i < recState.length; ++i)
            verify(String(recState[i].rstIDDevice) !== addedId, "no recording state of a removed camera")
        tryVerify(function() { return fx.globalObjects.tileGrid.findTile(addedId) < 0 }, 10000, "its tile is free again")
    }

    // An operator's account sees the cameras but cannot change them.
    function test_8_operatorCannotChangeCameras() {
        fx.globalObjects.isAdmin = false
        var bar = fx.find("devicesToolBar")
        for (var name of ["toolButtonAdd", "toolButtonSearch", "toolButtonPasswords"])
            verify(!fx.find(name, bar).enabled, name + " is disabled")
        compare(fx.globalObjects.openDeviceEditor(0), null, "no editor for an operator")
        compare(table.openPasswords(), null)
        verify(table.tableView.rowCount >= 1, "the cameras are still listed")
        fx.globalObjects.isAdmin = true
        verify(fx.find("toolButtonAdd", bar).enabled)
    }
}
