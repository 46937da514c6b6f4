import QtQuick 2.13
import KVO 1.0
import "../../misc"
import "../../components"

// The Telegram settings of the logged-in user and the linking of the account.
KvoEditor {
    id: editor
    objectName: "telegramEditor"
    property alias telegramSettingsController: telegramSettingsController
    property alias essentials: essentials
    title: qsTr("Telegram")
    form: essentials
    buttons: [Enums.buttonApply, Enums.buttonCancel]

    function globals() {
        return typeof globalObjects !== "undefined" ? globalObjects : null
    }

    function refresh() {
        var g = globals()
        telegramSettingsController.trGetList(g ? g.ownSettingsRequest() : { limit: 1 })
    }

    function save(params) {
        essentials.lastError = ""
        if (essentials.recordId === "")
            telegramSettingsController.trCreate(params)
        else
            telegramSettingsController.trUpdate(params)
    }

    function closeAction(role) {
        if (role === Enums.buttonApply)
            save(essentials.getMapParams())
        else if (role === Enums.buttonCancel)
            refresh()
        closed(role)
    }

    // Saving the phone again asks for a new code.
    function link() {
        var p = essentials.getMapParams()
        p.requestCode = true
        save(p)
    }

    function sendCode(code) {
        var p = essentials.codeParams()
        essentials.isCodeChecking = true
        telegramSettingsController.trUpdate(p)
    }

    TelegramSettingsController {
        id: telegramSettingsController
        useTrGetList: true
        onSaGetList: {
            var g = editor.globals()
            var record = g ? g.ownSettingsRecord(telegramSettingsController, mapParams) : undefined
            if (record !== undefined)
                essentials.populateForm(record)
        }
        onSrCode: {
            if (String(mapParams["_receiver"]) !== String(telegramSettingsController.objectNumber))
                return
            if (mapParams["RES"] === false) {
                essentials.retryAfter = Number(mapParams["retryAfter"]) || 0
                essentials.lastError = mapParams["error"] || ""
                return
            }
            essentials.retryAfter = 0
            essentials.isNeedToConfirmCode = true
        }
        onSrLinked: {
            if (String(mapParams["_receiver"]) !== String(telegramSettingsController.objectNumber))
                return
            essentials.isCodeChecking = false
            essentials.retryAfter = Number(mapParams["retryAfter"]) || 0
            essentials.lastError = mapParams["isLink"] === true ? "" : (mapParams["error"] || "")
        }
    }

    TelegramEssentialsForm {
        id: essentials
        anchors.fill: parent
        controller: telegramSettingsController
        onLinkRequested: editor.link()
        onCodeEntered: editor.sendCode(code)
        onActionFinished: {
            if (ok)
                essentials.populateForm(mapParams)
        }
    }

    Component.onCompleted: refresh()
}
