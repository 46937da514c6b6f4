import QtQuick 2.13
import QtTest 1.2
import QtQuick.Window 2.13

// Every tab of the window at 1280x800 in English and in Russian: no label of the visible screen is
// cut, and a picture of each is left beside the test media (build/tests) for looking at.
TestCase {
    id: testCase
    name: "Tour"
    when: windowShown

    ScreenFixture {
        id: fx
        testCase: testCase
    }

    readonly property string shotPrefix: SERVER.demoClip.replace(/[^\/]+\/[^\/]+$/, "") + "screen_Tour_"
    readonly property var tabNames: ["desktop", "devices", "archive", "settings"]

    function initTestCase() {
        fx.startClient()
        fx.window.visibility = Window.Windowed
        fx.window.width = 1280
        fx.window.height = 800
        tryVerify(function() { return fx.globalObjects.deviceRows().length === 1 }, 20000, "the demo camera is listed")
    }
    function cleanupTestCase() {
        fx.window.setLanguage("eng")
        fx.close()
    }

    function isShown(item) {
        for (var i = item; i; i = i.parent) {
            if (!i.visible || i.opacity === 0)
                return false
        }
        return true
    }
    // The texts on screen that are elided: their whole text does not fit.
    function cutTexts() {
        var cut = []
        var queue = [fx.window.contentItem]
        while (queue.length > 0) {
            var item = queue.shift()
            if (!item || !item.visible)
                continue
            if (item.truncated === true && item.text !== undefined && item.width > 0 && isShown(item))
                cut.push("'" + item.text + "' (" + Math.round(item.width) + " px)")
            for (var i = 0; i < item.children.length; ++i)
                queue.push(item.children[i])
        }
        return cut
    }

    function tour(lang) {
        fx.window.setLanguage(lang)
        wait(300)
        for (var tab = 0; tab < tabNames.length; ++tab) {
            fx.openTab(tab)
            // On the desktop the camera's health badge shows its details, as on hover (and is checked
            // for cut texts with the rest).
            if (tab === 0)
                fx.find("tileHealth").showDetails = true
            wait(tab === 0 ? 3000 : 1500)
            var path = shotPrefix + lang + "_" + tabNames[tab] + ".png"
            verify(SERVER.saveWindow(fx.window, path), path)
            console.info("Screenshot " + path)
            if (lang === "rus" && tab === 2)
                verify(/[а-я]/.test(fx.find("archiveDateText").text), "the archive's date in Russian: " + fx.find("archiveDateText").text)
            if (lang === "rus" && tab === 0)
                verify(/[а-я]/.test(fx.find("selectedDateText").text), "the desktop's date in Russian")
            var cut = cutTexts()
            compare(cut.length, 0, lang + " " + tabNames[tab] + ": cut texts " + cut.join(", "))
        }
        fx.openTab(0)
    }

    function test_1_english() {
        tour("eng")
    }
    function test_2_russian() {
        tour("rus")
    }
}
