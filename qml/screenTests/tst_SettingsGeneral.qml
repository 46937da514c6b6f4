import QtQuick 2.13
import QtTest 1.2

// The General settings against the development server: a changed connection is used at once with
// "Reconnect now", and a new video folder is where the server records next.
TestCase {
    id: testCase
    name: "SettingsGeneral"
    when: windowShown

    ScreenFixture {
        id: fx
        testCase: testCase
    }

    property var editor: null

    function initTestCase() {
        fx.startClient()
        fx.openTab(3)
        var settings = fx.waitFor("settingsPage")
        verify(settings.show("general"))
        editor = fx.waitFor("generalEditor")
    }
    function cleanupTestCase() {
        fx.close()
    }

    function field(name) {
        return fx.find(name, editor)
    }
    function typeInto(name, text) {
        var f = field(name)
        verify(f !== null, name)
        f.text = text
        f.field.textEdited()
    }
    function click(name, root) {
        var item = fx.find(name, root || editor)
        verify(item !== null, name)
        verify(item.enabled, name + " is enabled")
        mouseClick(item)
    }
    function closeDialogs() {
        var button = fx.find("button_ok", fx.window.overlay)
        while (button !== null) {
            mouseClick(button)
            wait(50)
            button = fx.find("button_ok", fx.window.overlay)
        }
    }

    function test_1_fieldsShowTheConnectionInUse() {
        compare(field("serverAddressField").text, "127.0.0.1")
        compare(field("serverPortField").text, String(SERVER.port))
        compare(field("userNameField").text, "admin")
        verify(field("localServerCheckBox").checked)
        verify(field("restartNote").visible)
        compare(field("restartNote").text, "* After the settings was changed you need to restart app!")
        verify(field("passwordField").field.echoMode === TextInput.Password, "the password is masked")
    }

    // Another port: the client leaves the server; the right one again: it logs in again. Then
    // another account: the client is logged in as that user with the hash of the typed password.
    function test_2_reconnectNowUsesTheNewAddressAndAccount() {
        var goodPort = SERVER.port
        typeInto("serverPortField", String(goodPort === 65535 ? goodPort - 1 : goodPort + 1))
        click("reconnectNowButton")
        compare(Number(SETTINGS.value("server/port")), goodPort === 65535 ? goodPort - 1 : goodPort + 1)
        tryVerify(function() { return !fx.globalObjects.isAuthorized }, 10000, "the client left the server")
        wait(1500)
        verify(!fx.globalObjects.isAuthorized, "nothing answers on the wrong port")
        closeDialogs()

        typeInto("serverPortField", String(goodPort))
        click("reconnectNowButton")
        fx.waitForLogin()
        compare(fx.globalObjects.networkConnectionState, true)
        closeDialogs()

        var created = SERVER.request({ FN: "users_trCreate", sign: "nightguard", pwd: SERVER.pwdHash("moon"),
                                       firstName: "Night", lastName: "Guard" }, "users_saCreate")
        compare(created.RES, true)
        typeInto("userNameField", "nightguard")
        typeInto("passwordField", "moon")
        click("reconnectNowButton")
        compare(SETTINGS.value("server/user"), "nightguard")
        compare(SETTINGS.value("server/pwd"), SERVER.pwdHash("moon"))
        tryVerify(function() { return fx.globalObjects.isAuthorized && String(fx.globalObjects.userId) === String(created.id) },
                  20000, "logged in as the new account")
        compare(field("passwordField").text, "", "the typed password is not kept in the form")

        // Back to the administrator for the tests that follow.
        typeInto("userNameField", "admin")
        typeInto("passwordField", "")
        click("reconnectNowButton")
        tryVerify(function() { return fx.globalObjects.isAuthorized && String(fx.globalObjects.userId) !== String(created.id) },
                  20000, "logged in as admin again")
        closeDialogs()
    }

    function test_3_badPortIsRefusedOnTheForm() {
        var before = SETTINGS.value("server/port")
        typeInto("serverPortField", "0")
        click("reconnectNowButton")
        compare(SETTINGS.value("server/port"), before, "a bad port is not saved")
        var text = fx.waitFor("dialogText", 5000, fx.window.overlay)
        compare(text.text, "The port must be a number from 1 to 65535")
        closeDialogs()
        typeInto("serverPortField", String(before))
    }

    // The folder is read from the server; a new one is sent with Apply and the server's running
    // recording continues there.
    function test_4_newVideoFolderIsWhereTheServerRecords() {
        var form = editor.essentials
        tryVerify(function() { return form.loadedVideoDir !== "" }, 10000, "the server's folder is shown")
        compare(form.videoDir, SERVER.request({ FN: "app_trGetBaseVideoDir" }, "app_saGetBaseVideoDir").path)
        var devices = fx.globalObjects.deviceRows()
        verify(devices.length >= 1)
        var newFolder = SERVER.folder + "/movedVideo"
        form.videoDir = newFolder
        form.isDirty = true
        click("button_apply")
        tryVerify(function() { return form.loadedVideoDir === newFolder }, 10000, "the server took the folder")
        var answer = SERVER.request({ FN: "app_trGetBaseVideoDir" }, "app_saGetBaseVideoDir")
        compare(answer.path, newFolder)
        var deviceFolder = newFolder + "/" + devices[0].id
        tryVerify(function() { return SERVER.listFiles(deviceFolder).length > 0 }, 30000,
                  "the recording goes on in the new folder")

        // A folder that cannot be made is refused and the form shows the server's folder again.
        form.videoDir = "relative/folder"
        click("button_apply")
        var text = fx.waitFor("dialogText", 10000, fx.window.overlay)
        compare(text.text, "Failed to set the video folder")
        closeDialogs()
        compare(form.videoDir, newFolder)
    }
}
