import QtQuick 2.13
import KVO 1.0
import QmlVlc 0.1
import "../misc"
import "../components"

// The objects every screen shares: the global controllers, the live players, the component
// factories, and the start of the client (connect, log in, fetch the devices, play them).
Item {
    id: globalObjects
    property var mainWindow: null
    property alias deviceController: deviceController
    property alias deviceTypeController: deviceTypeController
    property alias deviceRecStateController: deviceRecStateController
    property alias youtubeSettingsController: youtubeSettingsController
    property alias telegramSettingsController: telegramSettingsController
    property alias onlineAccessSettingsController: onlineAccessSettingsController
    property alias auth: auth
    property MediaPlayerContainer mediaPlayerContainer: MediaPlayerContainer {}
    property Component kvoFrameWindowComponent: null
    property Component kvoMediaPlayerComponent: null
    property Component tileComponent: null
    property Component dialog: null
    property var appStyle: KvoAppStyle
    property var utils: Utils
    property var enums: Enums
    property Keyboard keyboard: Keyboard {}
    property Mouse mouse: Mouse {}
    property Item drag: null
    property Item tileGrid: null
    property var locale: Qt.locale()
    property bool networkConnectionState: false
    // The connection was up and is lost; the link is reconnecting. The window shows a banner and
    // the tiles say so, nothing blocks the window.
    property bool connectionLost: false
    // The server's certificate on an encrypted link ("" on a plain one), and whether it is another
    // than the one trusted for that server (then the link does not log in).
    readonly property string tlsFingerprint: hasNet && NET.tlsFingerprint ? NET.tlsFingerprint : ""
    readonly property bool tlsPinMismatch: hasNet && NET.tlsPinMismatch === true
    // Changes with every change of the device records, for bindings that read a record.
    property int deviceRevision: 0
    property bool mediaPlayerInited: false
    property bool isAuthorized: false
    property int recStateRevision: 0
    property var youtubeInfo: ({})
    property var telegramInfo: ({})
    property var onlineAccessInfo: ({})
    // Id of the logged-in user, from the log-in answer; 0 until then.
    property int userId: 0
    // Whether the logged-in account may manage users, cameras, passwords, modules and server
    // settings; screens hide or disable those actions for operators.
    property bool isAdmin: true
    // The same registration that renews the tokens (YoutubeApiController): a refresh token works
    // only for the client it was issued to.
    readonly property string youtubeProgrammSideClientId: "418306725914-k3v9q2m7x1c8p5n0r6t4w2y7z9b3d1fh.apps.googleusercontent.com"
    readonly property string youtubeProgrammSideClientSecret: "Q7_hTr2pLx9-WmKc4ZdE8vNa"
    property bool _wasConnected: false
    property bool _connectRequested: false

    readonly property bool hasNet: typeof NET !== "undefined" && NET !== null
    readonly property bool isP2P: settingBool("p2pServer/enabled")

    function setting(key) {
        return typeof SETTINGS !== "undefined" && SETTINGS ? SETTINGS.value(key) : undefined
    }
    function settingBool(key) {
        var v = setting(key)
        return v === true || v === "true" || v === 1 || v === "1"
    }

    function loadComponent(url, name) {
        var c = Qt.createComponent(url)
        if (c.status !== Component.Ready) {
            console.error(name + " is not ready!", c.errorString())
            return null
        }
        return c
    }

    // Modal message in the main window; returns the dialog object (or null without a window).
    function showDialog(type, title, text, explanation, checkBoxText) {
        if (!dialog || !mainWindow) {
            console.warn(title + ": " + text + " " + (explanation || ""))
            return null
        }
        return mainWindow.createObjInMainContext(dialog, {
            type: type, title: title, text: text, explanation: explanation || "", checkBoxText: checkBoxText || ""
        })
    }
    function showAlert(title, text, explanation) {
        return showDialog(Enums.dialogAlert, title, text, explanation)
    }

    // Opens the "Camera settings" editor in a window of its own; 0 opens it for a new camera.
    // Operators (no administrator rights) get nothing.
    function openDeviceEditor(deviceId) {
        if (!isAdmin)
            return null
        var c = Qt.createComponent("../devices/deviceEditor/DeviceEditor.qml")
        if (c.status !== Component.Ready) {
            console.error("DeviceEditor is not ready!", c.errorString())
            return null
        }
        var id = Number(deviceId) > 1 ? String(Number(deviceId)) : ""
        var editor = c.createObject(mainWindow ? mainWindow.contentItem : globalObjects, { recordId: id, visible: false })
        if (!editor)
            return null
        editor.detach(false)
        editor.visible = true
        return editor
    }

    // The link reconnects by itself after a loss, so the connection is asked for once.
    function connect2server() {
        if (!hasNet || _connectRequested)
            return
        _connectRequested = true
        var prefix = isP2P ? "p2pServer/" : "server/"
        NET.setParam("host", setting(prefix + "ip"))
        NET.setParam("port", setting(prefix + "port"))
        var tls = setting(prefix + "tls")
        NET.setParam("tls", tls === undefined ? "auto" : String(tls))
        var pin = setting(prefix + "tlsPin/" + setting(prefix + "ip") + "_" + setting(prefix + "port"))
        NET.setParam("tlsPin", pin === undefined ? "" : String(pin))
        NET.setSign(setting(prefix + "user"))
        NET.setPwd(setting(prefix + "pwd"))
        NET.setDefaultActionAfterConnected("fireTrAuth")
        NET.makeConnection()
    }

    // The user compared the changed certificate with the server's log: it is trusted from now on.
    function trustServerCertificate() {
        if (hasNet && tlsPinMismatch)
            NET.trustPresentedCertificate()
    }

    // Connects again with the address and credentials now in the settings file.
    function reconnect() {
        _connectRequested = false
        isAuthorized = false
        connect2server()
    }

    function credentials() {
        var prefix = isP2P ? "p2pServer/" : "server/"
        var sign = setting(prefix + "user"), pwd = setting(prefix + "pwd")
        return { sign: sign === undefined ? "" : String(sign), pwd: pwd === undefined ? "" : String(pwd) }
    }

    // A loss is told by the window's banner, which goes away by itself on reconnection; a modal
    // dialog would block the window while nothing can be done about it but wait.
    function connectionLostDialog() {
        if (!connectionLost)
            console.info("Connection lost: reconnecting")
        connectionLost = true
    }

    function requestLists() {
        deviceTypeController.trGetList({})
        deviceController.trGetList({})
        deviceRecStateController.trGetList({})
        youtubeSettingsController.trGetList(ownSettingsRequest())
        telegramSettingsController.trGetList(ownSettingsRequest())
        onlineAccessSettingsController.trGetList(ownSettingsRequest())
    }

    // A settings group holds one record per user: the list of the user's own records has it.
    function ownSettingsRequest() {
        var request = { limit: 1 }
        if (userId > 0)
            request.where = [{ condition: "and", expressions: [
                { role: "rstIdOwner", operation: "=", value: userId, condition: "and" }] }]
        return request
    }

    // The settings record carried by a list answer to the controller's own request; an empty
    // record when the user has none yet, undefined for a failed or foreign answer.
    function ownSettingsRecord(controller, mapParams) {
        if (!mapParams || mapParams["RES"] === false
                || String(mapParams["_receiver"]) !== String(controller.objectNumber))
            return undefined
        var entries = mapParams["entries"]
        return Array.isArray(entries) && entries.length > 0 ? entries[0] : ({})
    }

    function deviceRows() {
        var rows = deviceController.originalModel.rows()
        var result = []
        for (var i = 0; i < rows.length; ++i) {
            if (Number(rows[i].id) > 1)
                result.push(rows[i])
        }
        return result
    }

    // Players follow the device list: one per enabled device, none for removed ones.
    function syncPlayers() {
        if (!kvoMediaPlayerComponent)
            return
        var rows = deviceRows()
        var wanted = {}
        for (var i = 0; i < rows.length; ++i) {
            if (rows[i].enabled === false)
                continue
            var id = String(rows[i].id)
            wanted[id] = true
            var p = mediaPlayerContainer.find(id)
            if (p) {
                p.deviceName = rows[i].deviceName || ""
                continue
            }
            p = kvoMediaPlayerComponent.createObject(globalObjects, {
                deviceId: id, deviceName: rows[i].deviceName || "", uniqueKey: "device_" + id
            })
            if (p)
                mediaPlayerContainer.push(p)
        }
        var players = mediaPlayerContainer.mediaPlayers.slice()
        for (var j = 0; j < players.length; ++j) {
            if (!wanted[players[j].deviceId])
                mediaPlayerContainer.del(players[j].deviceId)
        }
        mediaPlayerInited = true
    }

    // Asks for the stream of every player that is not already receiving one; a list refresh
    // must not restart pictures that play.
    function getSdpForAll() {
        var players = mediaPlayerContainer.mediaPlayers
        for (var i = 0; i < players.length; ++i) {
            var st = players[i].state
            var receiving = players[i].fileSdp !== "" && (st === QmlVlcPlayerState.Opening || st === QmlVlcPlayerState.Buffering
                                                          || st === QmlVlcPlayerState.Playing)
            if (!receiving)
                deviceController.trGetSDP({ id: Number(players[i].deviceId) })
        }
    }

    function onSdp(mapParams) {
        if (String(mapParams["_receiver"]) !== String(deviceController.objectNumber))
            return
        if (mapParams["RES"] === false) {
            console.warn("No stream description for device " + mapParams["id"] + ": " + (mapParams["error"] || ""))
            return
        }
        var player = mediaPlayerContainer.find(mapParams["id"])
        if (!player)
            return
        var path = deviceController.createSDPFile(mapParams)
        if (path === "")
            return
        player.fileSdp = path
        console.info("Playing device " + player.deviceId + " from " + path)
        mediaPlayerContainer.play(player.deviceId)
    }

    AuthControllerBase {
        id: auth
        // Every screen's list waits for this log-in and is asked again after each reconnection.
        listsWaitForLogIn: true
    }
    DeviceTypeController {
        id: deviceTypeController
        useTrGetList: true
    }
    DeviceController {
        id: deviceController
        ignoreSrInserted: false
        ignoreSrUpdated: false
        useTrGetList: true
    }
    DeviceRecStateController {
        id: deviceRecStateController
        ignoreSrUpdated: false
        useTrGetList: true
    }
    YoutubeSettingsController {
        id: youtubeSettingsController
        useTrGetList: true
        // The server's streaming state changes the record: the tiles' badge follows it.
        ignoreSrUpdated: false
    }
    TelegramSettingsController {
        id: telegramSettingsController
        useTrGetList: true
    }
    OnlineAccessSettingsController {
        id: onlineAccessSettingsController
        useTrGetList: true
    }

    Connections {
        target: auth
        ignoreUnknownSignals: true
        function onSaAuth(mapParams) {
            globalObjects.isAuthorized = mapParams["RES"] !== false
            if (globalObjects.isAuthorized) {
                globalObjects.userId = Number(mapParams["id"]) || 0
                // The server names the account's role; a server without roles lets everyone manage.
                globalObjects.isAdmin = mapParams["role"] === undefined || mapParams["role"] === "admin"
                console.info("Logged in as " + globalObjects.credentials().sign)
                globalObjects.requestLists()
            }
        }
        function onSaSignup(mapParams) {
            if (mapParams["RES"] !== false)
                auth.trAuth(globalObjects.credentials())
        }
        function onSaFailed(mapParams) {
            globalObjects.isAuthorized = false
            globalObjects.showAlert(qsTr("Authorization error"), qsTr("Failed to log in"), mapParams["error"] || "")
        }
    }
    Connections {
        target: deviceTypeController
        ignoreUnknownSignals: true
        function onSaGetList(mapParams) { Utils.fillRowsFromAnswer(deviceTypeController, mapParams) }
    }
    Connections {
        target: deviceController
        ignoreUnknownSignals: true
        function onSaGetList(mapParams) {
            Utils.fillRowsFromAnswer(deviceController, mapParams)
            if (String(mapParams["_receiver"]) === String(deviceController.objectNumber)) {
                globalObjects.syncPlayers()
                globalObjects.getSdpForAll()
            }
        }
        function onSaGetSDP(mapParams) { globalObjects.onSdp(mapParams) }
        function onSaCreate(mapParams) {
            if (mapParams["RES"] !== false)
                deviceController.trGetList({})
        }
        function onSaRemove(mapParams) {
            if (String(mapParams["_receiver"]) !== String(deviceController.objectNumber))
                return
            if (mapParams["RES"] === false)
                globalObjects.showAlert(qsTr("Remove error"), qsTr("Failed to remove device"), mapParams["error"] || "")
            else
                deviceController.trGetList({})
        }
        function onSrInserted(mapParams) { deviceController.trGetList({}) }
        function onAmoutOfReceivedSaGetListChanged() { globalObjects.syncPlayers() }
    }
    Connections {
        target: deviceRecStateController
        ignoreUnknownSignals: true
        function onSaGetList(mapParams) {
            Utils.fillRowsFromAnswer(deviceRecStateController, mapParams)
            ++globalObjects.recStateRevision
        }
        function onSrSetFieldValue(mapParams) { ++globalObjects.recStateRevision }
    }
    Connections {
        target: deviceController.originalModel
        ignoreUnknownSignals: true
        function onDataChanged() { ++globalObjects.deviceRevision }
        function onRowCountChanged() { ++globalObjects.deviceRevision }
        function onModelReset() { ++globalObjects.deviceRevision }
    }
    Connections {
        target: deviceRecStateController.originalModel
        ignoreUnknownSignals: true
        function onDataChanged() { ++globalObjects.recStateRevision }
        function onRowCountChanged() { ++globalObjects.recStateRevision }
        function onModelReset() { ++globalObjects.recStateRevision }
    }
    Connections {
        target: youtubeSettingsController
        ignoreUnknownSignals: true
        function onSaInfo(mapParams) {
            if (mapParams && mapParams["RES"] !== false)
                globalObjects.youtubeInfo = mapParams
        }
        function onSaGetList(mapParams) {
            // A refresh after a change notice lists only what changed: nothing of ours, nothing new.
            if (mapParams && mapParams["_request"] !== undefined
                    && !(Array.isArray(mapParams["entries"]) && mapParams["entries"].length > 0))
                return
            var record = globalObjects.ownSettingsRecord(youtubeSettingsController, mapParams)
            if (record !== undefined)
                globalObjects.youtubeInfo = record
        }
    }
    Connections {
        target: telegramSettingsController
        ignoreUnknownSignals: true
        function onSaInfo(mapParams) {
            if (mapParams && mapParams["RES"] !== false)
                globalObjects.telegramInfo = mapParams
        }
        function onSaGetList(mapParams) {
            var record = globalObjects.ownSettingsRecord(telegramSettingsController, mapParams)
            if (record !== undefined)
                globalObjects.telegramInfo = record
        }
    }
    Connections {
        target: onlineAccessSettingsController
        ignoreUnknownSignals: true
        function onSaInfo(mapParams) {
            if (mapParams && mapParams["RES"] !== false)
                globalObjects.onlineAccessInfo = mapParams
        }
        function onSaGetList(mapParams) {
            var record = globalObjects.ownSettingsRecord(onlineAccessSettingsController, mapParams)
            if (record !== undefined)
                globalObjects.onlineAccessInfo = record
        }
    }
    Connections {
        target: globalObjects.hasNet ? NET : null
        ignoreUnknownSignals: true
        function onInitFinished() { globalObjects.connect2server() }
        function onFireTrAuth() { auth.trAuth(globalObjects.credentials()) }
        function onFireTrSignUp() { auth.trSignup(globalObjects.credentials()) }
        function onConnectionState(isConnected) {
            if (isConnected !== globalObjects.networkConnectionState)
                console.info("Connection state: " + (isConnected ? "Connected" : "Disconnected"))
            globalObjects.networkConnectionState = isConnected
            if (isConnected) {
                globalObjects._wasConnected = true
                if (globalObjects.connectionLost)
                    console.info("Connection is back")
                globalObjects.connectionLost = false
                return
            }
            globalObjects.isAuthorized = false
            // The server gives new ports after a reconnection; the old descriptions are void.
            globalObjects.mediaPlayerContainer.stopAll()
            var players = globalObjects.mediaPlayerContainer.mediaPlayers
            for (var i = 0; i < players.length; ++i)
                players[i].fileSdp = ""
            if (globalObjects._wasConnected)
                globalObjects.connectionLostDialog()
        }
        function onAmountAuthorizedConnectionsChanged(amountAuthorizedConnections) {}
        function onTlsPinLearned(pinKey, fingerprint) {
            if (typeof SETTINGS !== "undefined" && SETTINGS)
                SETTINGS.setValue((globalObjects.isP2P ? "p2pServer/" : "server/") + "tlsPin/" + pinKey, fingerprint)
        }
    }

    Component.onCompleted: {
        kvoFrameWindowComponent = loadComponent("../components/KvoFrameWindow.qml", "kvoFrameWindowComponent")
        kvoMediaPlayerComponent = loadComponent("../components/KvoMediaPlayer.qml", "kvoMediaPlayerComponent")
        tileComponent = loadComponent("../desktop/tiles/Tile.qml", "tileComponent")
        dialog = loadComponent("../components/KvoDialog.qml", "dialog")
        // The link may have finished its set-up before this object existed.
        connect2server()
    }
}
