import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../../misc"

// Hours, minutes and seconds of one day; `milliseconds` is the offset from midnight.
RowLayout {
    id: edit
    property int milliseconds: 0
    property bool showSeconds: true
    spacing: 2

    function setTime(h, m, s) {
        milliseconds = ((h * 60 + m) * 60 + s) * 1000
    }

    TimeDigit {
        id: hours
        maximum: 23
        value: Math.floor(edit.milliseconds / 3600000)
        onValueModified: edit.setTime(value, minutes.value, seconds.value)
    }
    KvoText { text: ":" }
    TimeDigit {
        id: minutes
        value: Math.floor(edit.milliseconds / 60000) % 60
        onValueModified: edit.setTime(hours.value, value, seconds.value)
    }
    KvoText { text: ":"; visible: edit.showSeconds }
    TimeDigit {
        id: seconds
        visible: edit.showSeconds
        value: Math.floor(edit.milliseconds / 1000) % 60
        onValueModified: edit.setTime(hours.value, minutes.value, value)
    }
}
