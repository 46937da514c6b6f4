import QtQuick 2.13

// Mouse presses and moves of the whole application, from the event filter when present.
QtObject {
    id: mouse
    property point lastScreenPos
    signal pressed(point localPos, int button)
    signal released(point localPos, int button)

    property Connections _tap: Connections {
        target: typeof EVENT_FILTER !== "undefined" ? EVENT_FILTER : null
        ignoreUnknownSignals: true
        function onMouseButtonPressed(localPos, button) { mouse.pressed(localPos, button) }
        function onMouseButtonReleased(localPos, button) { mouse.released(localPos, button) }
        function onMouseMove(screenPos, localPos) { mouse.lastScreenPos = screenPos }
    }
}
