import QtQuick 2.13

// A one-shot timer that runs `action` and then deletes itself; for delayed calls from scripts.
Timer {
    id: timer
    property var action: null
    running: true
    repeat: false
    onTriggered: {
        if (typeof action === "function")
            action()
        timer.destroy()
    }
}
