import QtQuick 2.13
import "../../misc"
import "../../components"

// An editor window of one record that saves through its form and closes only when the server
// accepted the change; with unsaved changes it asks before closing. It destroys itself once
// closed.
KvoEditor {
    id: base
    property bool _closeAfterSave: false
    property bool _closing: false
    property var _question: null
    signal saved(var mapParams)

    // Dialogs of the editor cover the editor itself, which usually has a window of its own.
    function showDialogHere(type, title, text, explanation) {
        if (typeof globalObjects === "undefined" || !globalObjects || !globalObjects.dialog)
            return null
        return globalObjects.dialog.createObject(base, { type: type, title: title, text: text, explanation: explanation || "" })
    }
    function showQuestion(title, text) {
        return showDialogHere(Enums.dialogQuestion, title, text)
    }
    function showAlert(title, text, explanation) {
        return showDialogHere(Enums.dialogAlert, title, text, explanation)
    }
    function finish(role) {
        if (_closing)
            return
        _closing = true
        closed(role)
        if (isDetached)
            attach()
        else
            destroy()
    }
    // Asked by the window before it closes: false keeps it open while the user decides.
    function canClose() {
        if (_closing || !isDirty)
            return true
        askDiscard()
        return false
    }
    function askDiscard() {
        if (_question)
            return
        _question = showQuestion(qsTr("Unsaved changes"), qsTr("Close the editor and lose the changes?"))
        if (!_question) {
            finish(Enums.buttonCancel)
            return
        }
        _question.accepted.connect(function() { base.finish(Enums.buttonCancel) })
        _question.Component.destruction.connect(function() { base._question = null })
    }
    function closeAction(role) {
        if (role === Enums.buttonOk || role === Enums.buttonApply) {
            if (!acceptEnabled || !form)
                return
            if (!isDirty && recordId !== "") {
                if (role === Enums.buttonOk)
                    finish(role)
                return
            }
            _closeAfterSave = role === Enums.buttonOk
            form.runAction(recordId === "" ? "add" : "update")
            return
        }
        if (isDirty)
            askDiscard()
        else
            finish(role)
    }

    Connections {
        target: base.form
        ignoreUnknownSignals: true
        function onActionFinished(ok, mapParams) {
            if (!ok)
                return
            if (base.recordId === "" && mapParams["id"] !== undefined)
                base.recordId = String(mapParams["id"])
            base.saved(mapParams)
            if (base._closeAfterSave)
                base.finish(Enums.buttonOk)
        }
    }
    onAttached: if (_closing) destroy()

    Rectangle {
        // Under the form: the editor is opaque wherever it is shown (window, picture of it).
        parent: base
        anchors.fill: parent
        z: -1
        color: KvoAppStyle.bg
    }
}
