import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../desktop"
import "../settings"

// The main area: one page per tab, in tab order.
StackLayout {
    id: stack
    property bool backendReady: false
    property alias desktop: desktopPage
    property alias settingsPage: settingsPage
    // The archive needs the native controllers and players, so it is made once they are there.
    readonly property Item archivePage: archiveLoader.item

    Desktop {
        id: desktopPage
        backendReady: stack.backendReady
    }
    PlaceholderPage {
        title: qsTr("Devices")
    }
    Loader {
        id: archiveLoader
        active: stack.backendReady
        source: "../archive/Archive.qml"
    }
    Settings {
        id: settingsPage
    }
}
