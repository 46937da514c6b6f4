import QtQuick 2.13
import QtTest 1.2
import KVO 1.0
import "../misc"
import "../components"
import "../main/actions"

Item {
    id: root
    width: 640
    height: 480

    AppController { id: app }
    Component { id: dialogComponent; KvoDialog {} }
    ActionClose {
        id: action
        appController: app
        dialogComponent: dialogComponent
        dialogParent: root
    }
    SignalSpy { id: quitSpy; target: action; signalName: "quitRequested" }

    TestCase {
        name: "ActionClose"
        when: windowShown

        function init() {
            app.requests = []
            quitSpy.clear()
        }
        function openDialog() {
            action.trigger()
            var d = action.dialogObject
            verify(d !== null)
            compare(d.title, "Confirm close")
            compare(d.text, "You are now exiting the video surveillance client")
            compare(d.explanation, "If you set the video server running, video surveillance recording will continue")
            compare(d.checkBoxText, "Stop also the video surveillance server?")
            return d
        }

        function test_ok_without_box_quits_and_leaves_server() {
            var d = openDialog()
            d.press(Enums.buttonOk)
            compare(quitSpy.count, 1)
            compare(quitSpy.signalArguments[0][0], false)
            compare(app.requestsOf("trShutdownServer").length, 0)
            tryCompare(action, "dialogObject", null)
        }

        function test_ok_with_box_stops_server_then_quits() {
            var d = openDialog()
            d.checked = true
            d.press(Enums.buttonOk)
            compare(app.requestsOf("trShutdownServer").length, 1)
            compare(quitSpy.count, 1)
            compare(quitSpy.signalArguments[0][0], true)
        }

        function test_cancel_keeps_running_and_one_dialog_at_a_time() {
            var d = openDialog()
            action.trigger()
            compare(action.dialogObject, d, "a second request does not stack dialogs")
            d.checked = true
            d.press(Enums.buttonCancel)
            compare(quitSpy.count, 0)
            compare(app.requestsOf("trShutdownServer").length, 0)
        }
    }
}
