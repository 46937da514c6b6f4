import QtQuick 2.13
import QtQuick.Layouts 1.12
import KVO 1.0
import "../../misc"
import "../../components"

// The YouTube settings of the logged-in user, with the account sign-in.
KvoEditor {
    id: editor
    objectName: "youTubeEditor"
    property alias youtubeSettingsController: youtubeSettingsController
    property alias essentials: essentials
    property alias signInFrame: signInFrame
    title: qsTr("YouTube")
    form: essentials
    buttons: [Enums.buttonApply, Enums.buttonCancel]

    function globals() {
        return typeof globalObjects !== "undefined" ? globalObjects : null
    }

    function refresh() {
        var g = globals()
        youtubeSettingsController.trGetList(g ? g.ownSettingsRequest() : { limit: 1 })
    }

    function closeAction(role) {
        if (role === Enums.buttonApply)
            essentials.runAction(essentials.recordId === "" ? "add" : "update")
        else if (role === Enums.buttonCancel)
            refresh()
        closed(role)
    }

    function openSignIn() {
        var g = globals()
        signInFrame.clientId = g ? g.youtubeProgrammSideClientId : ""
        signInFrame.clientSecret = g ? g.youtubeProgrammSideClientSecret : ""
        signInHolder.visible = true
        signInFrame.detach(false)
        signInFrame.begin()
    }

    YoutubeSettingsController {
        id: youtubeSettingsController
        useTrGetList: true
        // The server's streaming state and renewed tokens change the record.
        ignoreSrUpdated: false
        onSaGetList: {
            // A refresh after a change notice lists only what changed; edits in progress stay.
            if (mapParams["_request"] !== undefined
                    && (!(Array.isArray(mapParams["entries"]) && mapParams["entries"].length > 0) || essentials.isDirty))
                return
            var g = editor.globals()
            var record = g ? g.ownSettingsRecord(youtubeSettingsController, mapParams) : undefined
            if (record !== undefined)
                essentials.populateForm(record)
        }
    }

    YouTubeEssentials {
        id: essentials
        anchors.fill: parent
        controller: youtubeSettingsController
        onSignInRequested: editor.openSignIn()
        onActionFinished: if (ok) essentials.populateForm(mapParams)
    }

    Item {
        id: signInHolder
        visible: false
        anchors.fill: parent
        OAth2SignInFrame {
            id: signInFrame
            anchors.fill: parent
            onTokensReceived: essentials.setTokens(accessToken, refreshToken, expiresIn)
            onFinished: {
                if (isDetached)
                    attach()
            }
            onAttached: {
                signInHolder.visible = false
                endSignIn()
            }
        }
    }

    Component.onCompleted: refresh()
}
