import QtQml 2.12

// Test double of the screen state store: keeps the state in memory.
QtObject {
    property string filePath: ""
    property bool loaded: filePath !== ""
    property int writeDelayMs: 100
    property var state: ({})
    function value(key, defaultValue) { return state[key] !== undefined ? state[key] : defaultValue }
    function setValue(key, value) { var s = state; s[key] = value; state = s }
    function remove(key) { var s = state; delete s[key]; state = s }
    function flush() { return true }
}
