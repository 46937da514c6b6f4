import QtQuick 2.13
import "../../../misc"
import "../../../components"

// "Events filter": edits the filter of the events table and hands back the list request and the
// text on OK.
KvoEditor {
    id: editor
    property alias essentials: essentials
    signal filterAccepted(var request, string text)
    title: qsTr("Events filter")
    form: essentials
    buttons: [Enums.buttonOk, Enums.buttonCancel]

    function closeAction(role) {
        if (role === Enums.buttonOk)
            filterAccepted(essentials.makeRequest(), essentials.filterText)
        closed(role)
        if (isDetached)
            attach()
    }

    FilterEssentialsForm {
        id: essentials
        anchors.fill: parent
    }
}
