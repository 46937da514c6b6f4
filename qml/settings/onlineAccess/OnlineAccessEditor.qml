import QtQuick 2.13
import QtQuick.Layouts 1.12
import KVO 1.0
import "../../misc"
import "../../components"
import "../../components/text"

// "Online access": the sign-in form until the server holds an access key, then the sign-out form.
KvoFrame {
    id: editor
    objectName: "onlineAccessEditor"
    property var record: ({})
    readonly property bool signedIn: record.authKey !== undefined && String(record.authKey) !== ""
    property alias signInForm: signInForm
    property alias signOutForm: signOutForm
    title: qsTr("Online access")
    showTitleBar: true

    function globals() {
        return typeof globalObjects !== "undefined" ? globalObjects : null
    }

    function setRecord(r) {
        record = r || {}
        signInForm.populateForm(record)
        signOutForm.populateForm(record)
    }

    function refresh() {
        var g = globals()
        listController.trGetList(g ? g.ownSettingsRequest() : { limit: 1 })
    }

    OnlineAccessSettingsController {
        id: listController
        useTrGetList: true
        onSaGetList: {
            var g = editor.globals()
            var r = g ? g.ownSettingsRecord(listController, mapParams) : undefined
            if (r !== undefined)
                editor.setRecord(r)
        }
    }

    KvoStackLayout {
        anchors.fill: parent
        currentIndex: editor.signedIn ? 1 : 0
        OnlineAccessSignIn {
            id: signInForm
            onSignedIn: editor.setRecord(mapParams)
        }
        OnlineAccessSignOut {
            id: signOutForm
            onSignedOut: editor.setRecord(mapParams)
        }
    }

    Component.onCompleted: refresh()
}
