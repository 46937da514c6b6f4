import QtQuick 2.12
import QtTest 1.2
import KVO 1.0
import QmlVlc 0.1

TestCase {
    id: testCase
    name: "KvoTypes"

    readonly property var typeNames: [
        "OriginalModel", "ProxyModel", "AuthControllerBase", "AppController", "DeviceController",
        "UserController", "ArchiveController", "DeviceTypeController", "ArchivePlayerController",
        "ArchiveLocalPlayerController", "VideoLineListController", "SearchDevicesController",
        "YoutubeSettingsController", "PrivateYoutubeTypeController", "OnlineAccessSettingsController",
        "YoutubeApiController",
        "DevicePasswordController", "TelegramSettingsController", "DeviceRecStateController",
        "ModuleSystemController", "ArchiveSyncController"
    ]

    function create(typeName) {
        var object = Qt.createQmlObject("import KVO 1.0; " + typeName + " {}", testCase, typeName)
        verify(object !== null, typeName)
        return object
    }

    function test_everyTypeIsCreatable() {
        for (var i = 0; i < typeNames.length; ++i) {
            var object = create(typeNames[i])
            object.destroy()
        }
    }

    function test_controllersAsQmlSeesThem() {
        var device = create("DeviceController")
        compare(device.controllerName, "device")
        verify(device.isStaticModel)
        verify(device.originalModel !== null)
        verify(device.proxyModel !== null)
        compare(device.createSDPFile({ id: 1, sdpContent: "   " }), "")

        var app = create("AppController")
        compare(app.originalModel, null)
        compare(app.proxyModel, null)

        var privacy = create("PrivateYoutubeTypeController")
        compare(privacy.originalModel.rowCount, 3)

        var local = create("ArchiveLocalPlayerController")
        local.addItem({ rstIDDevice: 3, type: 2, dtStart: 15, dtEnd: 30 })
        compare(local.findInterval(3, 17).dtEnd, 30)

        var player = create("ArchivePlayerController")
        compare(player.getStremKeyByIDDevice(3), "")

        device.destroy(); app.destroy(); privacy.destroy(); local.destroy(); player.destroy()
    }

    function test_playerStatesAndContextObjects() {
        verify(QmlVlcPlayerState !== undefined)
        verify(TR !== undefined)
        verify(EVENT_FILTER !== undefined)
        compare(DESKTOP_UTILS.urlToPath("file:///tmp/a.sdp"), "/tmp/a.sdp")
        compare(DESKTOP_UTILS.findChildByName(null, "x"), null)
        TR.setLocale("en")
    }
}
