import QtQuick 2.13
import QtTest 1.2
import KVO 1.0
import QmlVlc 0.1
import "../globalObjects"

Item {
    id: root
    width: 640
    height: 480

    Item {
        id: mainWindowFake
        anchors.fill: parent
        property var created: []
        function createObjInMainContext(component, properties) {
            var o = component.createObject(mainWindowFake, properties)
            var c = created.slice()
            c.push(o)
            created = c
            return o
        }
    }

    GlobalObjects {
        id: globals
        mainWindow: mainWindowFake
    }

    TestCase {
        name: "GlobalObjects"
        when: windowShown
        property var devices: globals.deviceController

        function init() {
            globals.mediaPlayerContainer.delAll()
            devices.originalModel.clear()
            devices.requests = []
            globals.auth.requests = []
            for (var i = 0; i < mainWindowFake.created.length; ++i) {
                try {
                    mainWindowFake.created[i].close()
                } catch (e) {
                    // already closed
                }
            }
            mainWindowFake.created = []
        }
        function answerDevices(receiver) {
            devices.saGetList({ _receiver: receiver, entries: [
                { id: 1, deviceName: "placeholder" },
                { id: 4, deviceName: "Gate", enabled: true },
                { id: 6, deviceName: "Yard", enabled: false },
                { id: 9, deviceName: "Roof" }
            ] })
        }

        function test_factories_are_ready() {
            verify(globals.kvoMediaPlayerComponent !== null)
            verify(globals.tileComponent !== null)
            verify(globals.dialog !== null)
            verify(globals.kvoFrameWindowComponent !== null)
        }

        // Own device list: one player per enabled device, and a stream description asked for each.
        function test_device_list_creates_players_and_asks_for_streams() {
            answerDevices(devices.objectNumber)
            var players = globals.mediaPlayerContainer.mediaPlayers
            compare(players.length, 2)
            verify(globals.mediaPlayerContainer.find(4) !== null)
            verify(globals.mediaPlayerContainer.find(9) !== null)
            compare(globals.mediaPlayerContainer.find(6), null, "a disabled device gets no player")
            compare(globals.mediaPlayerContainer.find(4).deviceName, "Gate")
            var sdp = devices.requestsOf("trGetSDP").map(function(r) { return r.params.id }).sort()
            compare(sdp, [4, 9])
            verify(globals.mediaPlayerInited)
        }

        function test_foreign_list_answer_fills_rows_without_requests() {
            answerDevices("999")
            compare(devices.originalModel.rowCount, 4, "the device list is shared")
            compare(devices.requestsOf("trGetSDP").length, 0)
            compare(globals.mediaPlayerContainer.mediaPlayers.length, 0)
        }

        function test_removed_device_loses_its_player() {
            answerDevices(devices.objectNumber)
            devices.originalModel.clear()
            devices.saGetList({ _receiver: devices.objectNumber, entries: [{ id: 9, deviceName: "Roof" }] })
            compare(globals.mediaPlayerContainer.mediaPlayers.length, 1)
            compare(globals.mediaPlayerContainer.find(4), null)
        }

        function test_stream_description_is_written_and_played() {
            answerDevices(devices.objectNumber)
            var player = globals.mediaPlayerContainer.find(4)
            devices.saGetSDP({ _receiver: "555", id: 4, sdpContent: "v=0" })
            compare(player.played.length, 0, "an answer to another controller is not ours to play")
            devices.saGetSDP({ _receiver: devices.objectNumber, id: 4, RES: false, error: "no stream" })
            compare(player.played.length, 0)
            devices.saGetSDP({ _receiver: devices.objectNumber, id: 4, sdpContent: "   " })
            compare(player.played.length, 0, "an empty description plays nothing")
            devices.saGetSDP({ _receiver: devices.objectNumber, id: 4, sdpContent: "v=0\n" })
            compare(player.fileSdp, "/tmp/tileSdp/4.sdp")
            compare(player.played, ["file:///tmp/tileSdp/4.sdp"])
        }

        // A refreshed device list asks again only for players that receive nothing.
        function test_list_refresh_keeps_playing_streams() {
            answerDevices(devices.objectNumber)
            devices.saGetSDP({ _receiver: devices.objectNumber, id: 4, sdpContent: "v=0\n" })
            globals.mediaPlayerContainer.find(4).state = QmlVlcPlayerState.Playing
            devices.requests = []
            answerDevices(devices.objectNumber)
            var again = devices.requestsOf("trGetSDP").map(function(r) { return r.params.id })
            compare(again, [9])
        }

        function test_log_in_requests_the_lists() {
            globals.auth.saAuth({ RES: true })
            verify(globals.isAuthorized)
            compare(devices.requestsOf("trGetList").length, 1)
            compare(globals.deviceTypeController.requestsOf("trGetList").length > 0, true)
            compare(globals.deviceRecStateController.requestsOf("trGetList").length > 0, true)
        }

        // Each settings group is asked for the logged-in user's own record, never with an id-less
        // "trInfo", and its answer becomes the settings the rest of the client reads.
        function test_log_in_asks_each_settings_group_for_the_users_own_record() {
            var groups = [
                { controller: globals.youtubeSettingsController, info: "youtubeInfo" },
                { controller: globals.telegramSettingsController, info: "telegramInfo" },
                { controller: globals.onlineAccessSettingsController, info: "onlineAccessInfo" }
            ]
            for (var i = 0; i < groups.length; ++i)
                groups[i].controller.requests = []
            globals.auth.saAuth({ RES: true, id: 5, sign: "guard" })
            compare(globals.userId, 5)
            for (i = 0; i < groups.length; ++i) {
                var c = groups[i].controller
                compare(c.requestsOf("trInfo").length, 0)
                var asked = c.requestsOf("trGetList")
                compare(asked.length, 1)
                var where = asked[0].params.where
                compare(where.length, 1)
                compare(where[0].expressions.length, 1)
                var e = where[0].expressions[0]
                compare(e.role, "rstIdOwner")
                compare(e.operation, "=")
                compare(e.value, 5)
            }

            var yt = globals.youtubeSettingsController
            yt.saGetList({ RES: true, _receiver: yt.objectNumber, entries: [{ id: 3, channelName: "Gate cam", rstIdOwner: 5 }] })
            compare(globals.youtubeInfo.channelName, "Gate cam")
            // Another controller's answer or a refusal leaves the user's settings alone.
            yt.saGetList({ RES: true, _receiver: "other", entries: [{ id: 8, channelName: "Foreign" }] })
            yt.saGetList({ RES: false, _receiver: yt.objectNumber, error: "refused" })
            compare(globals.youtubeInfo.channelName, "Gate cam")
            // A user without a record yet has empty settings.
            var tg = globals.telegramSettingsController
            globals.telegramInfo = { phone: "stale" }
            tg.saGetList({ RES: true, _receiver: tg.objectNumber, entries: [] })
            compare(Object.keys(globals.telegramInfo).length, 0)
        }

        // A failed log-in is a dialog; a lost connection blocks nothing: it sets the flag that
        // the window's banner and the tiles show.
        function test_failed_log_in_is_a_dialog_and_a_lost_connection_is_not() {
            globals.auth.saFailed({ RES: false })
            verify(!globals.isAuthorized)
            compare(mainWindowFake.created.length, 1)
            compare(mainWindowFake.created[0].title, "Authorization error")
            globals.connectionLostDialog()
            globals.connectionLostDialog()
            verify(globals.connectionLost)
            compare(mainWindowFake.created.length, 1, "no modal dialog for a lost connection")
            globals.connectionLost = false
        }

        function test_every_list_waits_for_the_log_in() {
            verify(globals.auth.listsWaitForLogIn)
        }

        // A record changed in place (disabled, renamed) reaches the bindings that read it.
        function test_device_revision_follows_record_changes() {
            answerDevices(devices.objectNumber)
            var before = globals.deviceRevision
            devices.originalModel.addRow({ id: 4, deviceName: "Gate", enabled: false })
            verify(globals.deviceRevision > before)
        }

        function test_removal_failure_is_reported() {
            devices.saRemove({ _receiver: devices.objectNumber, RES: false })
            compare(mainWindowFake.created.length, 1)
            compare(mainWindowFake.created[0].title, "Remove error")
            compare(mainWindowFake.created[0].text, "Failed to remove device")
        }
    }
}
