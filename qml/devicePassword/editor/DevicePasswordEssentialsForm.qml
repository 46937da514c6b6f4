import QtQuick 2.13
import QtQuick.Layouts 1.12
import "../../misc"
import "../../components"

// Login and password of one stored camera credential.
KvoForm {
    id: passwordForm
    readonly property string problem: loginEdit.text.trim() === "" ? qsTr("Enter the login.") : ""

    function setDefaultFields() {
        loginEdit.text = ""
        passwordEdit.text = ""
        isDirty = false
    }
    function populateForm(mapParams) {
        loginEdit.text = mapParams.login || ""
        passwordEdit.text = mapParams.password || ""
    }
    function getMapParams() {
        var p = getMapParamsBase()
        p.login = loginEdit.text.trim()
        p.password = passwordEdit.text
        return p
    }

    ColumnLayout {
        width: passwordForm.width - passwordForm.leftPadding - passwordForm.rightPadding
        spacing: KvoAppStyle.spacing
        LabelEdit {
            id: loginEdit
            objectName: "loginEdit"
            label: qsTr("Login")
            field.onTextEdited: passwordForm.isDirty = true
            Layout.fillWidth: true
        }
        LabelEdit {
            id: passwordEdit
            objectName: "passwordEdit"
            label: qsTr("Password")
            field.echoMode: maskBox.checked ? TextInput.Password : TextInput.Normal
            field.onTextEdited: passwordForm.isDirty = true
            Layout.fillWidth: true
        }
        KvoCheckBox {
            id: maskBox
            text: qsTr("Mask password")
            checked: true
        }
    }
}
