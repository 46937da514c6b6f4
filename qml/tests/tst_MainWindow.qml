import QtQuick 2.13
import QtQuick.Controls 2.5
import QtTest 1.2

// The whole window with the fake native modules: tabs, menu, shortcuts and the desktop.
TestCase {
    id: testCase
    name: "MainWindow"
    property var window: null

    function initTestCase() {
        var c = Qt.createComponent("../main/KvoMainApplicationWindow.qml")
        compare(c.status, Component.Ready, c.errorString())
        window = c.createObject(null, { visibility: 2 })
        verify(window !== null)
        tryCompare(window, "backendReady", true)
        verify(window.globalObjects !== null)
        verify(window.appController !== null)
    }
    function cleanupTestCase() {
        window._quitting = true
        window.destroy()
    }

    function texts(list) {
        var out = []
        for (var i = 0; i < list.length; ++i)
            out.push(list[i].text)
        return out
    }

    // A lost connection is a banner that blocks nothing and goes away by itself.
    function test_connection_loss_banner() {
        var banner = findChild(window.contentItem.parent, "connectionLossBanner")
        verify(banner !== null)
        verify(!banner.visible)
        window.globalObjects.connectionLostDialog()
        verify(banner.visible)
        verify(banner.height > 0)
        compare(findChild(banner, "bannerText").text, "Connection is lost. Reconnecting…")
        compare(findChild(banner, "bannerTitle").text, "Network error")
        var dialogs = 0
        for (var i = 0; i < window.overlay.children.length; ++i) {
            if (findChild(window.overlay.children[i], "dialogPanel") !== null)
                ++dialogs
        }
        compare(dialogs, 0, "nothing modal over the window")
        window.globalObjects.connectionLost = false
        verify(!banner.visible)
    }

    function test_tabs_and_menu_in_order() {
        compare(window.tabNames, ["Desktop", "Devices", "Archive", "Settings"])
        var bar = findChild(window.contentItem.parent, "mainTabBar")
        verify(bar !== null)
        compare(bar.count, 4)
        var names = []
        for (var i = 0; i < bar.count; ++i)
            names.push(bar.itemAt(i).text)
        compare(names, window.tabNames)
    }

    function test_menu_entries() {
        var menuBar = null
        var stack = [window.contentItem.parent]
        while (stack.length > 0 && !menuBar) {
            var item = stack.pop()
            if (item.menus !== undefined && item.count !== undefined)
                menuBar = item
            for (var i = 0; i < item.children.length; ++i)
                stack.push(item.children[i])
        }
        verify(menuBar !== null, "main menu present")
        compare(menuBar.count, 2)
        var main = menuBar.menuAt(0)
        var entries = []
        for (var k = 0; k < main.count; ++k) {
            var it = main.itemAt(k)
            entries.push(it.text === undefined ? "-" : it.text)
        }
        compare(entries, ["Desktop", "Devices", "Archive", "Settings", "-", "Exit"])
        var help = menuBar.menuAt(1)
        compare(help.title, "Help")
        compare(help.itemAt(0).text, "About")
    }

    function test_tab_cycling() {
        window.currentTab = 0
        window.nextTab()
        compare(window.currentTab, 1)
        window.previousTab()
        window.previousTab()
        compare(window.currentTab, 3, "going back from the first tab wraps to the last")
        window.nextTab()
        compare(window.currentTab, 0)
    }

    function test_footer_without_link() {
        var state = findChild(window.footer, "connectionStateText")
        compare(state.text, "Disconnected")
        compare(findChild(window.footer, "linkKindText").text, "Direct server")
    }

    function test_close_asks_first() {
        window.close()
        var d = findChild(window.overlay, "dialogPanel")
        verify(d !== null, "the close question is shown")
        verify(window.visible, "the window stays until the question is answered")
        var dialog = d.parent.parent
        dialog.press("cancel")
        verify(window.visible)
    }
}
