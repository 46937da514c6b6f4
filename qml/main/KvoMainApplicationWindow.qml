import QtQuick 2.13
import QtQuick.Controls 2.5
import QtQuick.Layouts 1.12
import QtQuick.Window 2.12
import "../misc"
import "../components"
import "../components/buttons"
import "../components/dragAndDrop"
import "actions"

// The frameless main window: title bar with the main menu, tabs, the stacked pages and the
// connection footer. The global objects and the application controller are created once the
// program has registered its controller and video modules.
ApplicationWindow {
    id: mainWindow
    objectName: "mainWindow"
    property string appName: "Okulon"
    property string appStringVer: Qt.application.version
    property string appHttpBaseLink: "https://okulon.example.org"
    property bool isClosingByServer: false
    property bool backendReady: false
    property var globalObjects: globalObjectsLoader.item
    property var appController: null
    property bool _quitting: false
    property alias currentTab: header.currentIndex
    readonly property var tabNames: header.tabBar.tabNames

    flags: Qt.Window | Qt.FramelessWindowHint
    visible: true
    visibility: Window.Maximized
    width: 1280
    height: 800
    minimumWidth: 800
    minimumHeight: 500
    title: appName
    color: KvoAppStyle.bg
    font.family: KvoAppStyle.fontFamily
    font.pointSize: KvoAppStyle.fontSize

    // Dialogs and other overlays live above every page, header and footer included.
    function createObjInMainContext(component, properties) {
        if (!component || component.status !== Component.Ready) {
            console.error("dialog is not ready!")
            return null
        }
        return component.createObject(mainWindow.overlay, properties || {})
    }

    function setTab(index) {
        if (index >= 0 && index < tabNames.length)
            header.currentIndex = index
    }
    function nextTab() { setTab((header.currentIndex + 1) % tabNames.length) }
    function previousTab() { setTab((header.currentIndex + tabNames.length - 1) % tabNames.length) }

    function setting(key) {
        return typeof SETTINGS !== "undefined" && SETTINGS ? SETTINGS.value(key) : undefined
    }
    function setLanguage(lang) {
        if (typeof SETTINGS !== "undefined" && SETTINGS)
            SETTINGS.setValue("generalSettings/lang", lang)
        if (typeof TR !== "undefined" && TR)
            TR.setLocale(Utils.localeOfLang(lang))
    }

    // The controller and video modules are registered by the program at start; without them the
    // window still opens, with the desktop waiting.
    function modulesRegistered() {
        try {
            var probe = Qt.createQmlObject("import QtQml 2.12; import KVO 1.0; import QmlVlc 0.1; QtObject {}",
                                           mainWindow, "moduleProbe")
            probe.destroy()
            return true
        } catch (e) {
            return false
        }
    }

    function quitApplication(serverStopRequested) {
        _quitting = true
        // A stop request is sent by the link thread; give it a moment to leave before exit.
        quitTimer.interval = serverStopRequested ? 500 : 0
        quitTimer.start()
    }

    // Bindings re-evaluate the names several times at start and on a language switch; the log
    // gets one line per set of names actually shown.
    property string _loggedTabs: ""
    function logTabs() {
        var line = tabNames.join(", ")
        if (line === _loggedTabs)
            return
        _loggedTabs = line
        console.info("Tabs: " + line)
    }
    onTabNamesChanged: logTabs()

    onClosing: {
        if (_quitting || isClosingByServer)
            return
        close.accepted = false
        actionClose.trigger()
    }

    Timer {
        id: quitTimer
        onTriggered: Qt.quit()
    }

    ActionClose {
        id: actionClose
        appController: mainWindow.appController
        dialogComponent: dialogComponent
        dialogParent: mainWindow.overlay
        onQuitRequested: mainWindow.quitApplication(serverStopRequested)
    }
    Component {
        id: dialogComponent
        KvoDialog {}
    }
    Component {
        id: aboutComponent
        KvoDialog {
            title: qsTr("About")
            text: mainWindow.appName + " " + mainWindow.appStringVer
            explanation: qsTr("Video surveillance client") + "\n" + mainWindow.appHttpBaseLink
        }
    }

    Shortcut { sequences: ["Alt+Tab", "Ctrl+Tab"]; onActivated: mainWindow.nextTab() }
    Shortcut { sequences: ["Alt+Shift+Tab", "Ctrl+Shift+Tab", "Alt+Backtab", "Ctrl+Backtab"]; onActivated: mainWindow.previousTab() }

    header: ColumnLayout {
        spacing: 0
        KvoTitleBar {
            Layout.fillWidth: true
            window: mainWindow
            title: mainWindow.appName
            MainMenuBar {
                tabNames: mainWindow.tabNames
                exitAction: actionClose
                onTabRequested: mainWindow.setTab(index)
                onAboutRequested: mainWindow.createObjInMainContext(aboutComponent)
            }
            Item { Layout.fillWidth: true }
            WindowButtons {
                window: mainWindow
                onCloseRequested: mainWindow.close()
            }
        }
        KvoHeader {
            id: header
            Layout.fillWidth: true
            onHelpRequested: mainWindow.createObjInMainContext(aboutComponent)
            onExitRequested: mainWindow.close()
        }
        ConnectionLossBanner {
            id: lossBanner
            Layout.fillWidth: true
            Layout.preferredHeight: implicitHeight
            lost: mainWindow.globalObjects ? mainWindow.globalObjects.connectionLost : false
            certificateChanged: mainWindow.globalObjects ? mainWindow.globalObjects.tlsPinMismatch : false
            fingerprint: mainWindow.globalObjects ? mainWindow.globalObjects.tlsFingerprint : ""
        }
    }

    KvoStackLayoutMain {
        id: stack
        anchors.fill: parent
        currentIndex: header.currentIndex
        backendReady: mainWindow.backendReady
    }

    footer: KvoFooter {
        id: footer
    }

    Loader {
        id: globalObjectsLoader
        active: mainWindow.backendReady
        source: "../globalObjects/GlobalObjects.qml"
        onLoaded: {
            item.mainWindow = mainWindow
            item.drag = dragContainer
        }
    }

    Connections {
        target: mainWindow.appController
        ignoreUnknownSignals: true
        function onSrShowClient(mapParams) {
            mainWindow.show()
            mainWindow.raise()
            mainWindow.requestActivate()
        }
        function onSrStopClient(mapParams) {
            mainWindow.isClosingByServer = true
            mainWindow.close()
        }
    }
    Connections {
        target: stack.settingsPage
        ignoreUnknownSignals: true
        function onLanguageRequested(lang) { mainWindow.setLanguage(lang) }
    }

    FirstStartNotice {
        parent: mainWindow.overlay
    }

    KvoDragContainer {
        id: dragContainer
        parent: mainWindow.overlay
    }
    ResizeFrame {
        parent: mainWindow.overlay
        window: mainWindow
        visible: mainWindow.visibility !== Window.Maximized && mainWindow.visibility !== Window.FullScreen
    }

    Component.onCompleted: {
        logTabs()
        var lang = setting("generalSettings/lang")
        if (lang !== undefined && typeof TR !== "undefined" && TR)
            TR.setLocale(Utils.localeOfLang(lang))
        if (modulesRegistered()) {
            appController = Qt.createQmlObject("import KVO 1.0; AppController {}", mainWindow, "appController")
            backendReady = true
        } else {
            console.info("Controller and video modules are not registered; the desktop stays empty")
        }
    }
}
