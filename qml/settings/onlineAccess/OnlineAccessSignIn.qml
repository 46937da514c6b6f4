import QtQuick 2.13
import QtQuick.Layouts 1.12
import KVO 1.0
import "../../misc"
import "../../components"
import "../../components/text"
import "../../components/buttons"

// Signing the server in to the online-access service; only the password's hash leaves the client.
KvoForm {
    id: form
    property alias onlineAccessSettingsController: onlineAccessSettingsController
    property string lastError: ""

    signal signedIn(var mapParams)

    function getMapParams() {
        var p = getMapParamsBase()
        p.login = login.text.trim()
        p.password = DESKTOP_UTILS.getPwdHash(password.text)
        p.enabled = enabledBox.checked
        return p
    }

    function populateForm(mapParams) {
        recordId = mapParams.id !== undefined && Number(mapParams.id) > 1 ? String(mapParams.id) : ""
        login.text = mapParams.login || ""
        password.text = ""
        enabledBox.checked = mapParams.enabled !== false
        isDirty = false
    }

    function signIn() {
        lastError = ""
        if (login.text.trim() === "" || password.text === "") {
            lastError = qsTr("Enter the account name and the password")
            return false
        }
        return runAction(recordId === "" ? "add" : "update")
    }

    OnlineAccessSettingsController {
        id: onlineAccessSettingsController
    }
    controller: onlineAccessSettingsController
    onActionFinished: {
        if (!ok) {
            lastError = mapParams["error"] || ""
            return
        }
        password.text = ""
        signedIn(mapParams)
    }

    ColumnLayout {
        width: form.width - form.leftPadding - form.rightPadding - KvoAppStyle.margin
        spacing: KvoAppStyle.spacing
        KvoCheckBox {
            id: enabledBox
            objectName: "enableOnlineAccessCheckBox"
            text: qsTr("Enable online access")
            checked: true
        }
        LabelEdit {
            id: login
            objectName: "onlineLoginField"
            label: qsTr("Log in to")
            Layout.fillWidth: true
        }
        LabelEdit {
            id: password
            objectName: "onlinePasswordField"
            label: qsTr("Password")
            field.echoMode: maskPassword.checked ? TextInput.Password : TextInput.Normal
            Layout.fillWidth: true
        }
        KvoCheckBox {
            id: maskPassword
            objectName: "onlineMaskPasswordCheckBox"
            text: qsTr("Mask password")
            checked: true
        }
        KvoText {
            objectName: "onlineSignInError"
            text: form.lastError
            visible: text !== ""
            color: KvoAppStyle.error
            Layout.fillWidth: true
        }
        KvoButton {
            objectName: "onlineSignInButton"
            text: qsTr("Sign in")
            onClicked: form.signIn()
        }
    }
}
