import QtQuick 2.13
import QtTest 1.2

// The users screen: create an account that can log in from another workstation, block it (its
// next log-in is refused), delete it; the account in use cannot be blocked or deleted.
TestCase {
    id: testCase
    name: "Users"
    when: windowShown

    ScreenFixture {
        id: fx
        testCase: testCase
    }

    property var table: null

    function initTestCase() {
        fx.startClient()
        fx.openTab(3)
        var settings = fx.waitFor("settingsPage")
        verify(settings.show("users"))
        table = fx.waitFor("userTable")
        tryVerify(function() { return rowOf("admin") !== null }, 10000, "the accounts are listed")
    }
    function cleanupTestCase() {
        fx.close()
    }

    function rowOf(sign) {
        var rows = table.userController.originalModel.rows()
        for (var i = 0; i < rows.length; ++i) {
            if (rows[i].sign === sign)
                return rows[i]
        }
        return null
    }
    function select(sign) {
        var row = rowOf(sign)
        verify(row !== null, sign)
        verify(table.table.selectRowById(row.id))
        compare(table.selectedId, String(row.id))
    }
    function click(name, root) {
        var item = fx.find(name, root)
        verify(item !== null, name)
        mouseClick(item)
    }
    function pressDialog(role) {
        var button = fx.waitFor("button_" + role, 5000, fx.window.overlay)
        mouseClick(button)
    }

    function test_1_createAnAccountThatLogsInElsewhere() {
        click("addUserButton", table)
        var editor = table.userEditor
        tryVerify(function() { return editor.isDetached }, 5000, "the editor opens in its own window")
        var root = editor
        var form = editor.essentials
        fx.find("userSignField", root).text = "guard7"
        fx.find("userFirstNameField", root).text = "Pavel"
        fx.find("userLastNameField", root).text = "Sokolov"
        fx.find("userPasswordField", root).text = "night-7"
        fx.find("userRepeatPasswordField", root).text = "night-8"
        compare(form.validationError(), "The passwords do not match")
        editor.closeAction("ok")
        verify(editor.isDetached, "mismatched passwords are not sent")
        pressDialog("ok")
        fx.find("userRepeatPasswordField", root).text = "night-7"
        editor.closeAction("ok")
        tryVerify(function() { return !editor.isDetached }, 10000, "the editor closes once the server took the account")
        tryVerify(function() { return rowOf("guard7") !== null }, 10000, "the table lists the new account")
        compare(rowOf("guard7").lastName, "Sokolov")
        compare(rowOf("guard7").blocked, false)
        verify(SERVER.logInOther("guard7", "night-7"), "the new user logs in from another workstation")
        verify(!SERVER.logInOther("guard7", "night-8"))
    }

    function test_2_blockedAccountCannotLogIn() {
        select("guard7")
        click("blockUserButton", table)
        tryVerify(function() { return rowOf("guard7").blocked === true }, 10000, "the table shows the block")
        verify(!SERVER.logInOther("guard7", "night-7"), "a blocked user's log-in is refused")
        click("blockUserButton", table)
        tryVerify(function() { return rowOf("guard7").blocked === false }, 10000, "unblocked")
        verify(SERVER.logInOther("guard7", "night-7"))
        SERVER.dropOther()
    }

    function test_3_accountInUseCannotBeBlockedOrDeleted() {
        select("admin")
        var note = fx.find("selfAccountNote", table)
        verify(note.visible)
        compare(note.text, "This is the account you are logged in with: it cannot be blocked or deleted.")
        verify(!fx.find("blockUserButton", table).enabled)
        verify(!fx.find("deleteUserButton", table).enabled)
        // Even asked directly the screen refuses and says why.
        table.toggleBlocked()
        compare(fx.waitFor("dialogText", 5000, fx.window.overlay).text,
                "This is the account you are logged in with: it cannot be blocked or deleted.")
        pressDialog("ok")
        compare(rowOf("admin").blocked, false)
    }

    function test_4_screenshotOfTheTable() {
        select("guard7")
        // Kept beside the test binary for looking at. The settings page is grabbed: the window's
        // root item cannot be.
        var done = false
        fx.find("settingsPage").grabToImage(function(result) {
            result.saveToFile(TEST_OUTPUT_DIR + "/screen_users_table.png")
            done = true
        })
        tryVerify(function() { return done }, 10000)
        verify(SERVER.fileExists(TEST_OUTPUT_DIR + "/screen_users_table.png"))
    }

    function test_5_deleteAnAccount() {
        select("guard7")
        verify(fx.find("deleteUserButton", table).enabled)
        click("deleteUserButton", table)
        compare(fx.waitFor("dialogText", 5000, fx.window.overlay).text, "Delete selected user?")
        pressDialog("ok")
        tryVerify(function() { return rowOf("guard7") === null }, 10000, "the row is gone")
        verify(!SERVER.logInOther("guard7", "night-7"), "a deleted user cannot log in")
    }
}
