import QtQuick 2.13
import QtTest 1.2

// Telegram linking and online access against the development server, through the settings screens.
TestCase {
    id: testCase
    name: "SettingsTelegramOnline"
    when: windowShown

    ScreenFixture {
        id: fx
        testCase: testCase
    }

    property var settings: null

    function initTestCase() {
        SERVER.setSetting("telegram/acceptedCode", "24680")
        fx.startClient()
        fx.openTab(3)
        settings = fx.waitFor("settingsPage")
    }
    function cleanupTestCase() {
        fx.close()
    }

    function click(name, root) {
        var item = fx.find(name, root)
        verify(item !== null, name)
        tryVerify(function() { return item.enabled && item.visible }, 5000, name + " can be pressed")
        mouseClick(item)
    }
    function typeInto(root, name, text) {
        var f = fx.find(name, root)
        verify(f !== null, name)
        f.text = text
        if (f.field)
            f.field.textEdited()
    }
    function stateText(editor) {
        return fx.find("telegramStateText", editor).text
    }

    function test_1_telegramLinkingWithAWrongThenTheRightCode() {
        verify(settings.show("telegram"))
        var editor = fx.waitFor("telegramEditor")
        compare(stateText(editor), "Telegram channel is <b>not</b> linked.")
        typeInto(editor, "groupNameField", "night shift")
        typeInto(editor, "phoneField", "+79990001122")
        click("linkTelegramButton", editor)
        tryVerify(function() { return editor.essentials.isNeedToConfirmCode }, 10000, "the server asked for a code")
        compare(stateText(editor), "Please enter code.")
        verify(fx.find("codeField", editor).visible)

        typeInto(editor, "codeField", "11111")
        click("sendCodeButton", editor)
        tryVerify(function() { return editor.essentials.lastError !== "" }, 10000, "the wrong code is refused")
        compare(editor.essentials.isLink, false)
        compare(stateText(editor), "Please enter code.")

        typeInto(editor, "codeField", "24680")
        click("sendCodeButton", editor)
        tryVerify(function() { return editor.essentials.isLink }, 10000, "the right code links")
        compare(stateText(editor), "Telegram channel is linked.")
        compare(editor.essentials.lastError, "")
        var stored = SERVER.request({ FN: "telegramSettings_trGetList" }, "telegramSettings_saGetList")
        var linked = stored.entries.filter(function(r) { return r.phone === "+79990001122" })
        compare(linked.length, 1)
        compare(linked[0].isLink, true)
        compare(linked[0].groupName, "night shift")

        // Asking for another code at once is refused with the wait.
        click("linkTelegramButton", editor)
        tryVerify(function() { return editor.essentials.retryAfter > 0 }, 10000, "asking again is refused")
        compare(stateText(editor), "Please try later... 1 min.")
    }

    function test_2_onlineAccessSignInAndOut() {
        verify(settings.show("onlineAccess"))
        var editor = fx.waitFor("onlineAccessEditor")
        verify(!editor.signedIn)
        var signIn = editor.signInForm
        verify(signIn.visible)
        click("onlineSignInButton", signIn)
        compare(signIn.lastError, "Enter the account name and the password", "an empty form is not sent")

        typeInto(signIn, "onlineLoginField", "okulon-site")
        typeInto(signIn, "onlinePasswordField", "s3cret")
        verify(fx.find("onlinePasswordField", signIn).field.echoMode === TextInput.Password)
        click("onlineSignInButton", signIn)
        tryVerify(function() { return editor.signedIn }, 10000, "signed in")
        verify(editor.signOutForm.visible)
        compare(fx.find("onlineAccountName", editor).text, "okulon-site")
        var stored = SERVER.request({ FN: "onlineAccessSettings_trGetList" }, "onlineAccessSettings_saGetList")
        var rows = stored.entries.filter(function(r) { return Number(r.id) > 1 })
        compare(rows.length, 1)
        compare(rows[0].login, "okulon-site")
        verify(rows[0].password !== "s3cret" && rows[0].password !== SERVER.pwdHash("s3cret"),
               "the password is not kept by the server")

        click("onlineSignOutButton", editor)
        tryVerify(function() { return !editor.signedIn }, 10000, "signed out")
        verify(signIn.visible)
        stored = SERVER.request({ FN: "onlineAccessSettings_trGetList" }, "onlineAccessSettings_saGetList")
        rows = stored.entries.filter(function(r) { return Number(r.id) > 1 })
        compare(rows[0].login, "")
        compare(rows[0].enabled, false)
    }
}
