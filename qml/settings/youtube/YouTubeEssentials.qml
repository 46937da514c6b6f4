import QtQuick 2.13
import QtQuick.Layouts 1.12
import KVO 1.0
import "../../misc"
import "../../components"
import "../../components/text"
import "../../components/buttons"

// The YouTube settings record of the logged-in user: uploading events, the linked account with its
// tokens, and streaming one camera to a live channel.
KvoForm {
    id: form
    property string accessToken: ""
    property string refreshToken: ""
    property string utcExpiredDate: ""
    property string channelName: defaultChannelName
    property string status: "n/a"
    property var devices: []
    property bool _populating: false
    readonly property string defaultChannelName: qsTr("Undefined channel")
    readonly property bool isLinked: refreshToken !== "" || accessToken !== ""
    property alias privateYoutubeTypeController: privateYoutubeTypeController
    property alias youtubeAPIController: youtubeAPIController

    signal signInRequested()

    function globals() {
        return typeof globalObjects !== "undefined" ? globalObjects : null
    }

    function privacyTypes() {
        var rows = privateYoutubeTypeController.originalModel ? privateYoutubeTypeController.originalModel.rows() : []
        rows.sort(function(a, b) { return Number(a.code) - Number(b.code) })
        return rows
    }

    function refreshDevices() {
        var g = globals()
        devices = g && Utils.hasFunction(g, "deviceRows") ? g.deviceRows() : []
    }

    function indexOfValue(list, key, value) {
        for (var i = 0; i < list.length; ++i) {
            if (String(list[i][key]) === String(value))
                return i
        }
        return -1
    }

    function populateForm(mapParams) {
        _populating = true
        recordId = mapParams.id !== undefined && Number(mapParams.id) > 1 ? String(mapParams.id) : ""
        uploadEvents.checked = mapParams.isUploadEvents === true
        accessToken = mapParams.access_token || ""
        refreshToken = mapParams.refresh_token || ""
        utcExpiredDate = mapParams.utc_expired_date !== undefined ? String(mapParams.utc_expired_date) : ""
        channelName = mapParams.channelName || defaultChannelName
        status = mapParams.status || "n/a"
        privacyBox.currentIndex = Math.max(0, indexOfValue(privacyTypes(), "code", mapParams.privacyType || 1))
        streamDevice.checked = mapParams.isStreamDeviceOnYoutube === true
        refreshDevices()
        deviceBox.currentIndex = indexOfValue(devices, "id", mapParams.rstIDStreamDevice)
        serverUrl.text = mapParams.serverURL !== undefined ? mapParams.serverURL : "rtmp://a.rtmp.youtube.com/live2"
        streamKey.text = mapParams.streamKey || ""
        _populating = false
        isDirty = false
    }

    function getMapParams() {
        var p = getMapParamsBase()
        var types = privacyTypes()
        p.isUploadEvents = uploadEvents.checked
        p.privacyType = privacyBox.currentIndex >= 0 && privacyBox.currentIndex < types.length
                ? Number(types[privacyBox.currentIndex].code) : 1
        p.isStreamDeviceOnYoutube = streamDevice.checked
        p.rstIDStreamDevice = deviceBox.currentIndex >= 0 && deviceBox.currentIndex < devices.length
                ? Number(devices[deviceBox.currentIndex].id) : 1
        p.serverURL = serverUrl.text.trim()
        p.streamKey = streamKey.text.trim()
        p.channelName = channelName
        p.access_token = accessToken
        p.refresh_token = refreshToken
        p.utc_expired_date = utcExpiredDate
        return p
    }

    function markDirty() {
        if (!_populating)
            isDirty = true
    }

    // Tokens of a finished sign-in; the channel name is read with them.
    function setTokens(access, refresh, expiresInSec) {
        accessToken = access || ""
        if (refresh)
            refreshToken = refresh
        utcExpiredDate = expiresInSec > 0 ? String(Date.now() + expiresInSec * 1000) : ""
        isDirty = true
        updateChannelName()
        // The tokens are kept on the server at once: the server uploads with them.
        runAction(recordId === "" ? "add" : "update")
    }

    function unlink() {
        accessToken = ""
        refreshToken = ""
        utcExpiredDate = ""
        channelName = defaultChannelName
        isDirty = true
        if (recordId !== "")
            runAction("update")
    }

    // Reads the channel of the linked account; returns whether it was read.
    function updateChannelName() {
        var result = youtubeAPIController.channelListRequest({ access_token: accessToken, refresh_token: refreshToken,
                                                               part: "snippet" })
        if (result && result.status === true) {
            var items = result.result && result.result.items ? result.result.items : []
            var snippet = items.length > 0 ? items[0].snippet || {} : {}
            var title = snippet.localized && snippet.localized.title ? snippet.localized.title : snippet.title
            channelName = title ? String(title) : defaultChannelName
            isDirty = true
            return true
        }
        var g = globals()
        if (g)
            g.showAlert(qsTr("Youtube API error"), qsTr("Failed to obtain channel name"),
                        result && result.errorMessage ? result.errorMessage : "")
        return false
    }

    PrivateYoutubeTypeController {
        id: privateYoutubeTypeController
    }
    YoutubeApiController {
        id: youtubeAPIController
    }

    ColumnLayout {
        width: form.width - form.leftPadding - form.rightPadding - KvoAppStyle.margin
        spacing: KvoAppStyle.spacing

        KvoCheckBox {
            id: uploadEvents
            objectName: "uploadEventsCheckBox"
            text: qsTr("Upload events on YouTube")
            onToggled: form.markDirty()
        }
        RowLayout {
            spacing: KvoAppStyle.spacing
            KvoText { text: qsTr("Channel name"); Layout.preferredWidth: 140 }
            KvoText {
                objectName: "channelNameText"
                text: form.channelName
                font.bold: true
                Layout.fillWidth: true
            }
        }
        RowLayout {
            spacing: KvoAppStyle.spacing
            KvoText { text: qsTr("Privacy type"); Layout.preferredWidth: 140 }
            KvoComboBox {
                id: privacyBox
                objectName: "privacyTypeComboBox"
                model: form.privacyTypes().map(function(r) { return r.name })
                Layout.preferredWidth: 220
                onActivated: form.markDirty()
            }
        }
        RowLayout {
            spacing: KvoAppStyle.spacing
            KvoButton {
                objectName: "linkYoutubeButton"
                text: qsTr("Link to your YouTube account")
                visible: !form.isLinked
                onClicked: form.signInRequested()
            }
            KvoButton {
                objectName: "unlinkYoutubeButton"
                text: qsTr("Unlink YouTube account")
                visible: form.isLinked
                onClicked: form.unlink()
            }
        }
        RowLayout {
            spacing: KvoAppStyle.spacing
            KvoText { text: qsTr("Youtube status:"); Layout.preferredWidth: 140 }
            KvoText { objectName: "youtubeStatusText"; text: form.status; Layout.fillWidth: true }
        }

        ItemSeparator { vertical: false; Layout.fillWidth: true }

        KvoCheckBox {
            id: streamDevice
            objectName: "streamDeviceCheckBox"
            text: qsTr("Stream selected device on YouTube channel")
            onToggled: form.markDirty()
        }
        RowLayout {
            spacing: KvoAppStyle.spacing
            enabled: streamDevice.checked
            KvoText { text: qsTr("Select device"); Layout.preferredWidth: 140 }
            KvoComboBox {
                id: deviceBox
                objectName: "streamDeviceComboBox"
                model: form.devices.map(function(d) { return d.deviceName || String(d.id) })
                Layout.preferredWidth: 220
                onActivated: form.markDirty()
            }
        }
        LabelEdit {
            id: serverUrl
            objectName: "serverUrlField"
            label: qsTr("Server URL")
            enabled: streamDevice.checked
            Layout.fillWidth: true
            field.onTextEdited: form.markDirty()
        }
        LabelEdit {
            id: streamKey
            objectName: "streamKeyField"
            label: qsTr("Stream key")
            enabled: streamDevice.checked
            field.echoMode: TextInput.Password
            Layout.fillWidth: true
            field.onTextEdited: form.markDirty()
        }
    }
}
