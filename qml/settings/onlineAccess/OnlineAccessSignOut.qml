import QtQuick 2.13
import QtQuick.Layouts 1.12
import KVO 1.0
import "../../misc"
import "../../components"
import "../../components/text"
import "../../components/buttons"

// The signed-in account of the online access, and signing out (the access key is dropped).
KvoForm {
    id: form
    property alias onlineAccessSettingsController: onlineAccessSettingsController
    property string accountName: ""

    signal signedOut(var mapParams)

    function populateForm(mapParams) {
        recordId = mapParams.id !== undefined && Number(mapParams.id) > 1 ? String(mapParams.id) : ""
        accountName = mapParams.login || ""
        isDirty = false
    }

    function signOut() {
        if (recordId === "")
            return false
        onlineAccessSettingsController.trUpdate({ id: recordId, signOut: true, enabled: false })
        return true
    }

    OnlineAccessSettingsController {
        id: onlineAccessSettingsController
    }
    controller: onlineAccessSettingsController
    onActionFinished: if (ok) signedOut(mapParams)

    ColumnLayout {
        width: form.width - form.leftPadding - form.rightPadding - KvoAppStyle.margin
        spacing: KvoAppStyle.spacing
        RowLayout {
            spacing: KvoAppStyle.spacing
            KvoText { text: qsTr("Account name:"); Layout.preferredWidth: 140 }
            KvoText { objectName: "onlineAccountName"; text: form.accountName; font.bold: true; Layout.fillWidth: true }
        }
        KvoButton {
            objectName: "onlineSignOutButton"
            text: qsTr("Sign out")
            onClicked: form.signOut()
        }
    }
}
