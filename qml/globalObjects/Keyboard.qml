import QtQuick 2.13

// Key presses of the whole application, from the event filter when the program provides one.
QtObject {
    id: keyboard
    property int lastKey: 0
    property int modifiers: 0
    signal keyPressed(int key, int modifiers)
    signal keyReleased(int key, int modifiers)

    property Connections _tap: Connections {
        target: typeof EVENT_FILTER !== "undefined" ? EVENT_FILTER : null
        ignoreUnknownSignals: true
        function onKeyPressed(key, modifiers, isAutoRepeat) {
            keyboard.lastKey = key
            keyboard.modifiers = modifiers
            keyboard.keyPressed(key, modifiers)
        }
        function onKeyReleased(key, modifiers, isAutoRepeat) {
            keyboard.modifiers = modifiers
            keyboard.keyReleased(key, modifiers)
        }
    }
}
