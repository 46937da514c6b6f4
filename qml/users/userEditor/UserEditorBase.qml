import QtQuick 2.13
import "../../misc"
import "../../components"

// An account editor: loads the record on open, checks the form before sending, closes when the
// server has accepted.
KvoEditor {
    id: editor
    property var controller: null
    property string lastError: ""

    function globals() {
        return typeof globalObjects !== "undefined" ? globalObjects : null
    }

    function open(id) {
        recordId = id
        lastError = ""
        if (!form)
            return
        form.recordId = id
        form.controller = controller
        var g = globals()
        form.isSelf = id !== "" && g !== null && String(g.userId) === id
        form.initialRequest()
    }

    function closeAction(role) {
        if (role === Enums.buttonOk || role === Enums.buttonApply) {
            var error = form.validationError()
            if (error !== "") {
                lastError = error
                var g = globals()
                if (g)
                    g.showAlert(qsTr("User settings"), error)
                return
            }
            form.runAction(form.recordId === "" ? "add" : "update")
            // The editor closes when the server has answered (see below).
            return
        }
        closed(role)
        if (isDetached)
            attach()
    }

    Connections {
        target: editor.form
        ignoreUnknownSignals: true
        function onActionFinished(ok, mapParams) {
            if (!ok) {
                editor.lastError = mapParams["error"] || ""
                return
            }
            editor.closed(Enums.buttonOk)
            if (editor.isDetached)
                editor.attach()
        }
    }
}
