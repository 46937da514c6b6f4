import QtQuick 2.13
import QtQuick.Layouts 1.12
import KVO 1.0
import "../../misc"
import "../../components"
import "../../components/text"
import "../DeviceUtils.js" as DeviceUtils

// Adds a camera found by the network search to the devices, with the login and password it needs
// (typed, or taken from the stored camera passwords).
DeviceEditorBase {
    id: searchEditor
    title: qsTr("Add found camera")
    property var found: ({})
    readonly property bool isUsb: Number(found.typeCode) === DeviceUtils.typeUsbCamera
    signal added(var mapParams)
    form: addForm
    acceptEnabled: nameEdit.text.trim() !== ""
    detachedWindowWidth: 520
    detachedWindowHeight: 420
    onSaved: {
        // The found record is known now; the next search marks it so as well.
        searchDeviceController.trUpdate({ id: Number(found.id), isNew: false })
        added(mapParams)
    }

    DeviceController { id: deviceController }
    // Lists carry camera addresses without their passwords: the found record itself is asked for.
    SearchDevicesController {
        id: searchDeviceController
        onSaInfo: {
            if (String(mapParams["_receiver"]) !== String(objectNumber) || mapParams["RES"] === false)
                return
            var record = {}
            for (var key in searchEditor.found)
                record[key] = searchEditor.found[key]
            record.source = mapParams["source"]
            var credentials = DeviceUtils.credentialsOf(record.source)
            if (credentials.user !== "") {
                record.login = credentials.user
                record.password = credentials.password
            }
            searchEditor.found = record
        }
        Component.onCompleted: {
            if (searchEditor.found.id !== undefined && !searchEditor.isUsb)
                trInfo({ id: Number(searchEditor.found.id) })
        }
    }
    property var storedPasswords: []
    DevicePasswordController {
        id: passwordController
        useTrGetList: true
        onSaGetList: {
            if (String(mapParams["_receiver"]) === String(objectNumber) && Array.isArray(mapParams["entries"]))
                searchEditor.storedPasswords = mapParams["entries"]
        }
        // The list has the logins; the chosen one's password comes with its own record.
        onSaInfo: {
            if (String(mapParams["_receiver"]) !== String(objectNumber) || mapParams["RES"] === false)
                return
            loginEdit.text = mapParams["login"] || ""
            passwordEdit.text = mapParams["password"] || ""
        }
        Component.onCompleted: trGetList({})
    }

    KvoForm {
        id: addForm
        anchors.fill: parent
        controller: deviceController
        editor: searchEditor
        function getMapParams() {
            var login = loginEdit.text.trim()
            return {
                deviceName: nameEdit.text.trim(),
                source: searchEditor.isUsb ? searchEditor.found.source
                                           : DeviceUtils.withCredentials(searchEditor.found.source, login, passwordEdit.text),
                rstIdDeviceType: Number(searchEditor.found.rstIdDeviceType),
                enabled: true,
                isDetectMotion: true
            }
        }
        ColumnLayout {
            width: addForm.width - addForm.leftPadding - addForm.rightPadding
            spacing: KvoAppStyle.spacing
            LabelEdit {
                id: nameEdit
                objectName: "foundNameEdit"
                label: qsTr("Device name")
                text: searchEditor.found.deviceName || ""
                field.onTextEdited: addForm.isDirty = true
                Layout.fillWidth: true
            }
            KvoText {
                text: qsTr("Source address") + ": " + DeviceUtils.maskUrlPassword(searchEditor.found.source)
                color: KvoAppStyle.textDim
                elide: Text.ElideMiddle
                Layout.fillWidth: true
            }
            LabelComboBox {
                id: storedBox
                objectName: "storedPasswordBox"
                visible: !searchEditor.isUsb && searchEditor.storedPasswords.length > 0
                label: qsTr("Stored password")
                model: searchEditor.storedPasswords.map(function(r) { return r.login || "" })
                currentIndex: -1
                onActivated: {
                    var record = searchEditor.storedPasswords[index]
                    loginEdit.text = record.login || ""
                    passwordEdit.text = ""
                    passwordController.trInfo({ id: Number(record.id) })
                    addForm.isDirty = true
                }
                Layout.fillWidth: true
            }
            LabelEdit {
                id: loginEdit
                objectName: "foundLoginEdit"
                visible: !searchEditor.isUsb
                label: qsTr("User name")
                text: searchEditor.found.login && searchEditor.found.login !== "n/a" ? searchEditor.found.login : ""
                field.onTextEdited: addForm.isDirty = true
                Layout.fillWidth: true
            }
            LabelEdit {
                id: passwordEdit
                objectName: "foundPasswordEdit"
                visible: !searchEditor.isUsb
                label: qsTr("Password")
                text: searchEditor.found.password && searchEditor.found.password !== "n/a" ? searchEditor.found.password : ""
                field.echoMode: maskBox.checked ? TextInput.Password : TextInput.Normal
                field.onTextEdited: addForm.isDirty = true
                Layout.fillWidth: true
            }
            KvoCheckBox {
                id: maskBox
                visible: !searchEditor.isUsb
                text: qsTr("Mask password")
                checked: true
            }
        }
    }
}
