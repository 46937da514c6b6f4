import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../misc"
import "buttons"

// An editing panel around a KvoForm with OK / Apply / Cancel. Usually detached into a window.
KvoFrame {
    id: editor
    property string recordId: ""
    property bool isDirty: form ? form.isDirty : false
    property Item form: null
    property var buttons: [Enums.buttonOk, Enums.buttonCancel]
    // False while the form cannot be saved: OK and Apply are disabled.
    property bool acceptEnabled: true
    default property alias formContent: formHolder.data
    signal closed(string role)

    showTitleBar: true
    detachedWindowWidth: KvoAppStyle.editorWidth
    detachedWindowHeight: KvoAppStyle.editorHeight

    function closeAction(role) {
        if (form && (role === Enums.buttonOk || role === Enums.buttonApply))
            form.runAction(recordId === "" ? "add" : "update")
        if (role !== Enums.buttonApply) {
            closed(role)
            if (isDetached)
                attach()
        }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: KvoAppStyle.margin
        spacing: KvoAppStyle.spacing
        Item {
            id: formHolder
            Layout.fillWidth: true
            Layout.fillHeight: true
        }
        KvoDialogButtonBox {
            Layout.fillWidth: true
            buttons: editor.buttons
            disabledButtons: editor.acceptEnabled ? [] : [Enums.buttonOk, Enums.buttonApply]
            onClicked: editor.closeAction(role)
        }
    }
}
