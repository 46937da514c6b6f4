import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../desktop"
import "../settings"
import "../devices/table"

// The main area: one page per tab, in tab order.
StackLayout {
    id: stack
    property bool backendReady: false
    property alias desktop: desktopPage
    property alias settingsPage: settingsPage
    property alias devicesPage: devicesPage

    Desktop {
        id: desktopPage
        backendReady: stack.backendReady
    }
    DeviceTable {
        id: devicesPage
    }
    PlaceholderPage {
        title: qsTr("Archive")
    }
    Settings {
        id: settingsPage
    }
}
