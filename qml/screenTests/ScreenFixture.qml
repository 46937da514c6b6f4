import QtQuick 2.13
import QtTest 1.2

// What every screen test starts from: the development server (SERVER) running, the client's
// settings pointing at it, and the real main window of the client logged in. Screens are reached
// through the window's tabs or created on their own with the window's global objects.
QtObject {
    id: fixture
    // The TestCase that waits (tryVerify, wait) on behalf of the fixture.
    property var testCase: null
    property var window: null
    readonly property var globalObjects: window ? window.globalObjects : null
    property int loginTimeout: 30000

    function setting(key, value) {
        SETTINGS.setValue(key, value)
    }

    // Starts the server (unless running), points the client at it and opens the main window;
    // returns once the client has logged in.
    function startClient() {
        testCase.verify(SERVER.start(), "the development server starts")
        setting("server/ip", "127.0.0.1")
        setting("server/port", SERVER.port)
        setting("server/user", "admin")
        setting("server/pwd", SERVER.pwdHash(""))
        setting("generalSettings/lang", "eng")
        var component = Qt.createComponent("../main/Main.qml")
        testCase.compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        testCase.verify(window !== null, "the main window is created")
        waitForLogin()
        return window
    }

    function waitForLogin() {
        testCase.tryVerify(function() { return globalObjects !== null && globalObjects.isAuthorized },
                           loginTimeout, "the client logs in")
    }

    // Shows tab `index` (0 Desktop, 1 Devices, 2 Archive, 3 Settings) and returns the main window.
    function openTab(index) {
        window.setTab(index)
        testCase.compare(window.currentTab, index)
        return window
    }

    // The first item below `root` (the window's content when omitted) whose objectName matches;
    // null when there is none. Walks visual children and the content of windows, popups and loaders.
    function find(objectName, root) {
        var start = root || window.contentItem
        var queue = [start]
        if (!root && window.overlay)
            queue.push(window.overlay)
        var seen = 0
        while (queue.length > 0 && seen < 100000) {
            var item = queue.shift()
            ++seen
            if (!item)
                continue
            if (item.objectName === objectName)
                return item
            if (item.contentItem && item.contentItem !== item)
                queue.push(item.contentItem)
            var kids = item.children
            if (kids) {
                for (var i = 0; i < kids.length; ++i)
                    queue.push(kids[i])
            }
        }
        return null
    }

    // Waits until an item with this objectName exists and returns it.
    function waitFor(objectName, timeout, root) {
        var found = null
        testCase.tryVerify(function() { found = find(objectName, root); return found !== null },
                           timeout || 10000, "an item named " + objectName + " appears")
        return found
    }

    // The live player of a device, once it plays.
    function waitForPlaying(deviceId, timeout) {
        var player = null
        testCase.tryVerify(function() {
            player = globalObjects.mediaPlayerContainer.find(String(deviceId))
            return player !== null && player !== undefined && player.playing
        }, timeout || 30000, "device " + deviceId + " plays")
        return player
    }

    // Saves a picture of the main window (for looking at, not for comparing).
    function screenshot(path) {
        var done = false
        window.contentItem.grabToImage(function(result) { result.saveToFile(path); done = true })
        testCase.tryVerify(function() { return done }, 10000)
    }

    function close() {
        if (window) {
            window._quitting = true
            window.destroy()
            window = null
        }
    }
}
