import QtQuick 2.13
import QtTest 1.2
import KVO 1.0
import "../misc"
import "../desktop/events/table"

Item {
    id: root
    width: 800
    height: 500

    Item {
        id: globalObjects
        property alias deviceController: devices
        property var alerts: []
        DeviceController { id: devices }
        function showAlert(title, text, explanation) {
            var a = alerts.slice()
            a.push([title, text, explanation])
            alerts = a
            return null
        }
    }

    EventsTable {
        id: events
        anchors.fill: parent
    }

    TestCase {
        name: "EventsTable"
        when: windowShown
        property var archive: events.archiveController

        function init() {
            archive.requests = []
            archive.originalModel.clear()
            archive.proxyModel.filterPattern = ""
            globalObjects.alerts = []
        }
        function expressionsOf(request) {
            verify(request.action === "trGetList")
            var where = request.params.where
            compare(where.length, 1)
            compare(where[0].condition, "and")
            return where[0].expressions
        }

        function test_day_request_covers_whole_day() {
            var day = new Date(2026, 2, 14, 15, 30)
            events.setDay(day)
            var list = archive.requestsOf("trGetList")
            compare(list.length, 1)
            var ex = expressionsOf(list[0])
            compare(ex.length, 2)
            compare(ex[0], { role: "dtStart", operation: ">=", value: new Date(2026, 2, 14).getTime(), condition: "and" })
            compare(ex[1], { role: "dtStart", operation: "<=", value: new Date(2026, 2, 15).getTime() - 1, condition: "and" })
        }

        function test_filter_editor_request_with_device_and_text() {
            devices.originalModel.addRow({ id: 1, deviceName: "placeholder" })
            devices.originalModel.addRow({ id: 4, deviceName: "Gate" })
            devices.originalModel.addRow({ id: 6, deviceName: "Yard" })
            var form = events.filterForm
            form.devices = events.devices()
            compare(form.devices.length, 2, "the placeholder device is not offered")
            form.populateForm({ dtFrom: new Date(2026, 0, 2, 8, 0).getTime(), dtTo: new Date(2026, 0, 2, 9, 0).getTime(),
                                deviceId: "6", filterText: "" })
            form.filterText = "person"
            events.filterEditor.closeAction(Enums.buttonOk)
            var ex = expressionsOf(archive.requestsOf("trGetList")[0])
            compare(ex.length, 3)
            compare(ex[0].value, new Date(2026, 0, 2, 8, 0).getTime())
            compare(ex[1].value, new Date(2026, 0, 2, 9, 0).getTime())
            compare(ex[2], { role: "rstIDDevice", operation: "=", value: 6, condition: "and" })
            compare(archive.proxyModel.filterPattern, "person")
            compare(events.filter.deviceId, "6")
        }

        function test_filter_editor_cancel_sends_nothing() {
            events.filterForm.deviceId = "4"
            events.filterEditor.closeAction(Enums.buttonCancel)
            compare(archive.requests.length, 0)
        }

        function test_times_typed_in_the_form_make_the_range() {
            var form = events.filterForm
            form.populateForm({ dtFrom: new Date(2026, 4, 1, 0, 0).getTime(), dtTo: new Date(2026, 4, 3, 23, 59, 59).getTime(),
                                deviceId: "" })
            form.collect()
            compare(form.dtFrom, new Date(2026, 4, 1).getTime())
            compare(form.dtTo, new Date(2026, 4, 3, 23, 59, 59, 999).getTime())
            var request = form.makeRequest()
            compare(request.where[0].expressions.length, 2, "no device restriction for all devices")
        }

        // The table adds the rows of its own answers only.
        function test_rows_from_own_answers_only() {
            archive.saGetList({ _receiver: "3", entries: [{ id: 20, deviceName: "Gate", detected: "person", dtStart: 5 }] })
            compare(archive.originalModel.rowCount, 0)
            archive.saGetList({ _receiver: archive.objectNumber, entries: [
                { id: 20, deviceName: "Gate", detected: "person", dtStart: 5, final: false },
                { id: 21, deviceName: "Yard", detected: "car", dtStart: 6, final: true, filePath: "" }] })
            compare(archive.originalModel.rowCount, 2)
            compare(events.table.rowCount, 0, "the fake proxy is not a view of the rows")
        }

        // Newest first by the event's own time, and the header shows it.
        function test_sorted_by_event_time_newest_first() {
            var view = events.table
            compare(view.getColumn(view.sortIndicatorColumn).role, "dtStart")
            compare(view.sortIndicatorOrder, Qt.DescendingOrder)
            compare(view.sortRole, "dtStart")
            verify(archive.proxyModel.sortCalls > 0)
        }

        // A filter narrower than the chosen day is visible, and one click takes it away.
        function test_active_filter_is_shown_and_reset() {
            var sign = findChild(events, "filterActiveText")
            events.setDay(new Date(2026, 2, 14))
            verify(!events.filterActive)
            verify(!sign.visible)
            events.filterForm.populateForm({ dtFrom: new Date(2026, 2, 14).getTime(),
                                             dtTo: new Date(2026, 2, 15).getTime() - 1, deviceId: "6", filterText: "" })
            events.filterEditor.closeAction(Enums.buttonOk)
            verify(events.filterActive)
            verify(sign.visible)
            verify(findChild(events, "eventsFilterButton").active)
            archive.requests = []
            findChild(events, "resetFilterButton").clicked()
            verify(!events.filterActive)
            var sent = archive.requestsOf("trGetList")
            compare(sent.length, 1)
            compare(sent[0].params.where[0].expressions.length, 2, "the whole day of every device again")
            // A time range inside the day is a filter too.
            events.filterForm.populateForm({ dtFrom: new Date(2026, 2, 14, 8).getTime(),
                                             dtTo: new Date(2026, 2, 14, 9).getTime(), deviceId: "", filterText: "" })
            events.filterEditor.closeAction(Enums.buttonOk)
            verify(events.filterActive)
        }

        // The event player gets the row's record; it reports an unfinished file itself.
        function test_event_opens_the_player_with_its_record() {
            events.eventPlayerUrl = Qt.resolvedUrl("EventPlayerStub.qml")
            archive.originalModel.addRow({ id: 20, final: false, filePath: "/v/20.mp4" })
            var player = events.playEvent(0)
            verify(player !== null)
            compare(Number(player.entry.id), 20)
            compare(player.entry.final, false)
            compare(player.entry.filePath, "/v/20.mp4")
            player.destroy()
        }
    }
}
