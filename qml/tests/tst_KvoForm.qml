import QtQuick 2.13
import QtTest 1.2
import KVO 1.0
import "../components"

Item {
    id: root
    width: 400
    height: 300

    Item {
        id: globalObjects
        property var alerts: []
        function showAlert(title, text, explanation) {
            var a = alerts.slice()
            a.push([title, text])
            alerts = a
            return null
        }
    }
    FakeController { id: controller; objectNumber: "21" }
    KvoForm {
        id: form
        anchors.fill: parent
        controller: controller
        property string name: ""
        function getMapParams() {
            var p = getMapParamsBase()
            p.deviceName = name
            return p
        }
        function populateForm(mapParams) { name = mapParams.deviceName }
    }
    SignalSpy { id: finished; target: form; signalName: "actionFinished" }

    TestCase {
        name: "KvoForm"
        when: windowShown

        function init() {
            controller.requests = []
            globalObjects.alerts = []
            finished.clear()
            form.recordId = ""
            form.name = ""
        }

        function test_add_then_update_send_the_fields() {
            form.name = "Gate"
            verify(form.runAction("add"))
            compare(controller.requests[0], { action: "trCreate", params: { deviceName: "Gate" } })
            form.recordId = "4"
            verify(form.runAction("update"))
            compare(controller.requests[1], { action: "trUpdate", params: { id: "4", deviceName: "Gate" } })
            verify(!form.runAction("duplicate"), "an unknown action sends nothing")
            compare(controller.requests.length, 2)
        }

        function test_record_fills_the_form_and_initial_request() {
            form.recordId = "4"
            form.initialRequest()
            compare(controller.requests[0], { action: "trInfo", params: { id: "4" } })
            controller.saInfo({ _receiver: "99", deviceName: "Other" })
            compare(form.name, "", "another form's record is ignored")
            controller.saInfo({ _receiver: "21", deviceName: "Yard" })
            compare(form.name, "Yard")
        }

        function test_failures_are_shown_and_successes_clear_dirty() {
            controller.saCreate({ _receiver: "21", RES: false })
            compare(globalObjects.alerts, [["Add error", "Failed to add"]])
            controller.saUpdate({ _receiver: "21", RES: false })
            compare(globalObjects.alerts[1], ["Update error", "Failed to update"])
            controller.saUpdate({ _receiver: "5", RES: false })
            compare(globalObjects.alerts.length, 2, "failures of other forms are theirs")
            form.isDirty = true
            controller.saUpdate({ _receiver: "21", RES: true })
            verify(!form.isDirty)
            compare(finished.count, 3)
            compare(finished.signalArguments[2][0], true)
        }
    }
}
