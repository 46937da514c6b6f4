import QtQuick 2.13
import QtQuick.Layouts 1.12
import KVO 1.0
import "../../misc"
import "../../components"
import "../../components/buttons"
import "../../components/text"

// "General settings": the connection and the server's video folder. Apply keeps the connection
// settings for the next start and sends a new video folder to the server; "Reconnect now" applies
// an address, user or password change at once.
KvoEditor {
    id: editor
    objectName: "generalEditor"
    property alias appController: appController
    property alias essentials: essentials
    readonly property bool canReconnect: !essentials.linkTypeChanged
    title: qsTr("General settings")
    form: essentials
    buttons: [Enums.buttonApply, Enums.buttonCancel]

    signal reconnected()

    function globals() {
        return typeof globalObjects !== "undefined" ? globalObjects : null
    }

    function refresh() {
        essentials.setDefaultFields()
        appController.trGetBaseVideoDir({})
    }

    // Returns whether the settings were valid and saved.
    function apply() {
        var error = essentials.validationError()
        if (error !== "") {
            var g = globals()
            if (g)
                g.showAlert(qsTr("Settings error"), error)
            return false
        }
        if (essentials.videoDir !== essentials.loadedVideoDir && essentials.videoDir !== "")
            appController.trSetBaseVideoDir({ path: essentials.videoDir })
        return essentials.saveSettings()
    }

    function reconnectNow() {
        if (!apply())
            return
        var g = globals()
        if (g && Utils.hasFunction(g, "reconnect"))
            g.reconnect()
        reconnected()
    }

    function closeAction(role) {
        if (role === Enums.buttonApply)
            apply()
        else if (role === Enums.buttonCancel)
            refresh()
        closed(role)
    }

    AppController {
        id: appController
        onSaGetBaseVideoDir: {
            if (mapParams["path"] !== undefined) {
                essentials.loadedVideoDir = String(mapParams["path"])
                essentials.videoDir = essentials.loadedVideoDir
            }
        }
        onSaSetBaseVideoDir: {
            if (mapParams["RES"] === false) {
                var g = editor.globals()
                if (g)
                    g.showAlert(qsTr("Update error"), qsTr("Failed to set the video folder"), mapParams["error"] || "")
                essentials.videoDir = essentials.loadedVideoDir
                return
            }
            essentials.loadedVideoDir = String(mapParams["path"] || essentials.videoDir)
            essentials.videoDir = essentials.loadedVideoDir
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: KvoAppStyle.spacing
        GeneralEssentialsForm {
            id: essentials
            controller: null
            Layout.fillWidth: true
            Layout.fillHeight: true
        }
        KvoText {
            objectName: "certificateText"
            visible: editor.globals() !== null && editor.globals().tlsFingerprint !== ""
            text: (editor.globals() && editor.globals().tlsPinMismatch ? qsTr("The server presents another certificate (SHA-256):")
                                                                       : qsTr("Server certificate (SHA-256):"))
                  + " " + (editor.globals() ? editor.globals().tlsFingerprint : "")
            wrapMode: Text.WrapAnywhere
            Layout.fillWidth: true
            Layout.leftMargin: KvoAppStyle.margin
            Layout.rightMargin: KvoAppStyle.margin
        }
        KvoButton {
            objectName: "trustCertificateButton"
            text: qsTr("Trust the new certificate")
            visible: editor.globals() !== null && editor.globals().tlsPinMismatch
            Layout.leftMargin: KvoAppStyle.margin
            onClicked: editor.globals().trustServerCertificate()
        }
        KvoButton {
            objectName: "reconnectNowButton"
            text: qsTr("Reconnect now")
            enabled: editor.canReconnect
            Layout.leftMargin: KvoAppStyle.margin
            onClicked: editor.reconnectNow()
        }
    }

    Component.onCompleted: {
        essentials.setDefaultFields()
        // The folder is asked for again after each log-in (a reconnection may reach another server).
        if (globals() && globals().isAuthorized)
            appController.trGetBaseVideoDir({})
    }
    Connections {
        target: editor.globals()
        ignoreUnknownSignals: true
        function onIsAuthorizedChanged() {
            if (editor.globals().isAuthorized)
                appController.trGetBaseVideoDir({})
        }
    }
}
