import QtQuick 2.13
import QtQuick.Layouts 1.12
import QtQuick.Dialogs 1.3
import "../../misc"
import "../../components"
import "../../components/text"
import "../../components/buttons"

// The connection of the client (client settings file) and the server's video folder.
KvoForm {
    id: form
    // Whether the P2P link is the one in use; the fields edit the keys of the chosen link.
    property bool isP2P: connectionType.currentIndex === 1
    readonly property bool linkTypeChanged: isP2P !== settingBool("p2pServer/enabled")
    property string videoDir: ""
    property string loadedVideoDir: ""
    property bool passwordEdited: false
    property bool _populating: false
    readonly property string prefix: isP2P ? "p2pServer/" : "server/"

    function setting(key) {
        return typeof SETTINGS !== "undefined" && SETTINGS ? SETTINGS.value(key) : undefined
    }
    function settingBool(key) {
        var v = setting(key)
        return v === true || v === "true" || v === 1 || v === "1"
    }
    function settingText(key) {
        var v = setting(key)
        return v === undefined || v === null ? "" : String(v)
    }
    function isLocalAddress(address) {
        var a = String(address).trim().toLowerCase()
        return a === "127.0.0.1" || a === "localhost" || a === "::1"
    }

    // Fills the fields of the chosen link from the settings file.
    function populateForm(mapParams) {
        _populating = true
        var p = form.prefix
        serverAddress.text = settingText(p + "ip")
        serverPort.text = settingText(p + "port")
        serverId.text = settingText("p2pServer/remoteUser")
        userName.text = settingText(p + "user")
        password.text = ""
        passwordEdited = false
        localServer.checked = !isP2P && isLocalAddress(serverAddress.text)
        _populating = false
        isDirty = false
    }
    function setDefaultFields() {
        connectionType.currentIndex = settingBool("p2pServer/enabled") ? 1 : 0
        populateForm({})
    }

    // What is wrong with the fields, or "" when they can be saved.
    function validationError() {
        if (serverAddress.text.trim() === "")
            return qsTr("The server address is empty")
        var port = Number(serverPort.text)
        if (!/^[0-9]+$/.test(serverPort.text.trim()) || port < 1 || port > 65535)
            return qsTr("The port must be a number from 1 to 65535")
        if (userName.text.trim() === "")
            return qsTr("The user name is empty")
        return ""
    }

    // Writes the fields into the settings file; the password only when a new one was typed, and
    // then only its hash.
    function saveSettings() {
        if (!SETTINGS)
            return false
        var p = form.prefix
        SETTINGS.setValue("p2pServer/enabled", isP2P)
        SETTINGS.setValue(p + "ip", serverAddress.text.trim())
        SETTINGS.setValue(p + "port", Number(serverPort.text.trim()))
        SETTINGS.setValue(p + "user", userName.text.trim())
        if (isP2P)
            SETTINGS.setValue("p2pServer/remoteUser", serverId.text.trim())
        if (passwordEdited)
            SETTINGS.setValue(p + "pwd", DESKTOP_UTILS.getPwdHash(password.text))
        if (Utils.hasFunction(SETTINGS, "sync"))
            SETTINGS.sync()
        passwordEdited = false
        password.text = ""
        isDirty = false
        return true
    }

    function markDirty() {
        if (!_populating)
            isDirty = true
    }

    ColumnLayout {
        width: form.width - form.leftPadding - form.rightPadding - KvoAppStyle.margin
        spacing: KvoAppStyle.spacing

        KvoText {
            text: qsTr("Video server")
            font.pointSize: KvoAppStyle.fontSizeBig
        }
        RowLayout {
            spacing: KvoAppStyle.spacing
            KvoText { text: qsTr("Connection type"); Layout.preferredWidth: 140 }
            KvoComboBox {
                id: connectionType
                objectName: "connectionTypeComboBox"
                Layout.preferredWidth: 220
                model: [qsTr("Direct"), qsTr("P2P")]
                onActivated: {
                    form.populateForm({})
                    form.isDirty = true
                }
            }
        }
        LabelEdit {
            id: serverId
            objectName: "serverIdField"
            label: qsTr("Server ID")
            visible: form.isP2P
            Layout.fillWidth: true
            field.onTextEdited: form.markDirty()
        }
        KvoCheckBox {
            id: localServer
            objectName: "localServerCheckBox"
            text: qsTr("Local Server")
            visible: !form.isP2P
            onToggled: {
                if (checked)
                    serverAddress.text = "127.0.0.1"
                form.markDirty()
            }
        }
        LabelEdit {
            id: serverAddress
            objectName: "serverAddressField"
            label: qsTr("Server address")
            enabled: form.isP2P || !localServer.checked
            Layout.fillWidth: true
            field.onTextEdited: form.markDirty()
        }
        LabelEdit {
            id: serverPort
            objectName: "serverPortField"
            label: qsTr("Port")
            field.inputMethodHints: Qt.ImhDigitsOnly
            field.validator: IntValidator { bottom: 1; top: 65535 }
            Layout.fillWidth: true
            field.onTextEdited: form.markDirty()
        }
        LabelEdit {
            id: userName
            objectName: "userNameField"
            label: qsTr("User name")
            Layout.fillWidth: true
            field.onTextEdited: form.markDirty()
        }
        LabelEdit {
            id: password
            objectName: "passwordField"
            label: qsTr("Password")
            field.echoMode: maskPassword.checked ? TextInput.Password : TextInput.Normal
            field.placeholderText: form.passwordEdited ? "" : qsTr("unchanged")
            Layout.fillWidth: true
            field.onTextEdited: {
                form.passwordEdited = true
                form.markDirty()
            }
        }
        KvoCheckBox {
            id: maskPassword
            objectName: "maskPasswordCheckBox"
            text: qsTr("Mask password")
            checked: true
        }

        ItemSeparator { vertical: false; Layout.fillWidth: true }

        KvoSubjectBox {
            id: videoPath
            objectName: "videoPathBox"
            label: qsTr("Video file path")
            text: form.videoDir
            Layout.fillWidth: true
            onSelectRequested: folderDialog.open()
        }
        KvoText {
            objectName: "restartNote"
            text: qsTr("* After the settings was changed you need to restart app!")
            color: KvoAppStyle.warning
            wrapMode: Text.WordWrap
            elide: Text.ElideNone
            Layout.fillWidth: true
        }
    }

    FileDialog {
        id: folderDialog
        title: qsTr("Please select a folder")
        selectFolder: true
        folder: form.videoDir !== "" ? "file://" + form.videoDir : shortcuts.home
        onAccepted: {
            var path = decodeURIComponent(String(folderDialog.fileUrl).replace(/^file:\/\//, ""))
            if (path !== form.videoDir) {
                form.videoDir = path
                form.isDirty = true
            }
        }
    }
}
