import QtQuick 2.13
import "../../misc"

// A search field that reports its text once typing pauses, so big lists are filtered once.
KvoTextField {
    id: field
    property int delayMs: 300
    signal filterChanged(string pattern)

    placeholderText: qsTr("Search...")
    onTextChanged: delay.restart()
    onAccepted: {
        delay.stop()
        field.filterChanged(field.text)
    }

    Timer {
        id: delay
        interval: field.delayMs
        onTriggered: field.filterChanged(field.text)
    }
}
