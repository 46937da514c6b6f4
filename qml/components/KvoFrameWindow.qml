import QtQuick 2.13
import QtQuick.Window 2.2
import "../misc"

// A top-level window that hosts a detached frame; closing it hands the frame back.
Window {
    id: window
    property Item frame: null
    signal frameReturned()
    color: KvoAppStyle.bg
    visible: true

    // A full-screen window has no title bar to close it with.
    Shortcut {
        objectName: "escapeShortcut"
        sequence: "Esc"
        enabled: window.frame !== null && window.frame.isFullScreen
        onActivated: window.frame.attach()
    }

    onClosing: {
        if (frame)
            frame.attach()
        window.frameReturned()
    }
}
