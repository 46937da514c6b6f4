import QtQuick 2.13
import "../../misc"

// A date typed as yyyy-MM-dd; `date` holds local midnight of a valid entry, `isValid` says whether
// the text parses.
KvoTextField {
    id: edit
    property date date: new Date()
    property string format: "yyyy-MM-dd"
    signal dateEdited(date date)

    function parse(text) {
        var m = /^(\d{4})-(\d{2})-(\d{2})$/.exec(String(text).trim())
        if (!m)
            return null
        var y = parseInt(m[1], 10), mo = parseInt(m[2], 10) - 1, d = parseInt(m[3], 10)
        var result = new Date(y, mo, d)
        if (result.getFullYear() !== y || result.getMonth() !== mo || result.getDate() !== d)
            return null
        return result
    }

    text: Qt.formatDate(date, format)
    inputMask: "9999-99-99"
    isValid: parse(text) !== null
    onEditingFinished: {
        var parsed = parse(text)
        if (parsed !== null) {
            date = parsed
            dateEdited(parsed)
        }
    }

    KvoText {
        anchors.top: parent.bottom
        anchors.left: parent.left
        visible: !edit.isValid
        color: KvoAppStyle.error
        font.pointSize: KvoAppStyle.fontSizeSmall
        text: qsTr("Invalid date")
    }
}
