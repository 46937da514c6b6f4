import QtQuick 2.13
import QtTest 1.2

// The harness itself: the real client logs in to the test's own server, lists the demo camera,
// plays it, and finds the server again after a restart on the same port.
TestCase {
    id: testCase
    name: "Harness"

    ScreenFixture {
        id: fx
        testCase: testCase
    }

    function initTestCase() {
        fx.startClient()
    }
    function cleanupTestCase() {
        fx.close()
    }

    function test_1_demoCameraListedAndPlaying() {
        tryVerify(function() { return fx.globalObjects.deviceRows().length === 1 }, 20000,
                  "the demo camera is listed")
        var id = fx.globalObjects.deviceRows()[0].id
        fx.waitForPlaying(id, 60000)
        var grid = fx.find("tileGrid")
        verify(grid !== null, "the desktop's tile grid is shown")
    }

    function test_2_secondClientSeesTheSameServer() {
        var answer = SERVER.request({ FN: "device_trGetList", _receiver: "7" }, "device_saGetList")
        compare(answer.RES, true)
        verify(answer.entries.length >= 1, "the second client lists the demo camera")
    }

    SignalSpy {
        id: loginSpy
        target: fx.globalObjects
        signalName: "isAuthorizedChanged"
    }

    function test_3_reconnectsAfterServerRestart() {
        loginSpy.clear()
        verify(SERVER.restart(), "the server restarts on its port")
        // Logged out by the loss, then logged in again on the new connection.
        tryVerify(function() { return loginSpy.count >= 2 }, 30000, "the client logs in again")
        fx.waitForLogin()
        compare(fx.globalObjects.networkConnectionState, true)
    }
}
