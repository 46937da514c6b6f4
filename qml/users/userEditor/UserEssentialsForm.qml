import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../../misc"
import "../../components"
import "../../components/text"

// One account: name, surname, blocked, and a password typed twice that leaves the client only as
// its hash. The name of an existing account is fixed.
KvoForm {
    id: form
    property bool isSelf: false
    property bool _populating: false

    function setDefaultFields() {
        _populating = true
        recordId = ""
        sign.text = ""
        firstName.text = ""
        lastName.text = ""
        blocked.checked = false
        password.text = ""
        repeat.text = ""
        _populating = false
        isDirty = false
    }

    function populateForm(mapParams) {
        _populating = true
        recordId = mapParams.id !== undefined ? String(mapParams.id) : ""
        sign.text = mapParams.sign || ""
        firstName.text = mapParams.firstName || ""
        lastName.text = mapParams.lastName || ""
        blocked.checked = mapParams.blocked === true
        password.text = ""
        repeat.text = ""
        _populating = false
        isDirty = false
    }

    // What keeps the account from being saved, or "".
    function validationError() {
        if (recordId === "" && sign.text.trim() === "")
            return qsTr("Enter the user name")
        if (password.text !== repeat.text)
            return qsTr("The passwords do not match")
        if (recordId === "" && password.text === "")
            return qsTr("Enter the password of the new user")
        if (isSelf && blocked.checked)
            return qsTr("This is the account you are logged in with: it cannot be blocked or deleted.")
        return ""
    }

    function getMapParams() {
        var p = getMapParamsBase()
        if (recordId === "")
            p.sign = sign.text.trim()
        p.firstName = firstName.text.trim()
        p.lastName = lastName.text.trim()
        p.blocked = blocked.checked
        if (password.text !== "")
            p.pwd = DESKTOP_UTILS.getPwdHash(password.text)
        return p
    }

    function markDirty() {
        if (!_populating)
            isDirty = true
    }

    GridLayout {
        width: form.width - form.leftPadding - form.rightPadding - KvoAppStyle.margin
        columns: 2
        columnSpacing: KvoAppStyle.spacing
        rowSpacing: KvoAppStyle.spacing

        KvoText { text: qsTr("User name") }
        KvoTextField {
            id: sign
            objectName: "userSignField"
            readOnly: form.recordId !== ""
            Layout.fillWidth: true
            onTextEdited: form.markDirty()
        }
        KvoText { text: qsTr("First name") }
        KvoTextField {
            id: firstName
            objectName: "userFirstNameField"
            Layout.fillWidth: true
            onTextEdited: form.markDirty()
        }
        KvoText { text: qsTr("User surname") }
        KvoTextField {
            id: lastName
            objectName: "userLastNameField"
            Layout.fillWidth: true
            onTextEdited: form.markDirty()
        }
        KvoText { text: qsTr("Password") }
        KvoTextField {
            id: password
            objectName: "userPasswordField"
            echoMode: TextInput.Password
            placeholderText: form.recordId !== "" ? qsTr("unchanged") : ""
            Layout.fillWidth: true
            onTextEdited: form.markDirty()
        }
        KvoText { text: qsTr("Repeat password") }
        KvoTextField {
            id: repeat
            objectName: "userRepeatPasswordField"
            echoMode: TextInput.Password
            isValid: text === password.text
            Layout.fillWidth: true
            onTextEdited: form.markDirty()
        }
        Item { width: 1; height: 1 }
        KvoCheckBox {
            id: blocked
            objectName: "userBlockedCheckBox"
            text: qsTr("User blocked")
            enabled: !form.isSelf
            onToggled: form.markDirty()
        }
        Item { width: 1; height: 1; visible: form.isSelf }
        KvoText {
            visible: form.isSelf
            text: qsTr("This is the account you are logged in with: it cannot be blocked or deleted.")
            color: KvoAppStyle.warning
            wrapMode: Text.WordWrap
            elide: Text.ElideNone
            Layout.fillWidth: true
        }
    }
}
