import QtQuick 2.13
import QtTest 1.2

// The desktop's events list on the real controllers: asked for once the log-in is answered (it
// used to be asked before and stay empty until the next event), asked again after a reconnection,
// newest first by the event's time, and the selection stays on its record while events arrive.
TestCase {
    id: testCase
    name: "EventsList"

    ScreenFixture {
        id: fx
        testCase: testCase
    }

    property var events: null
    property var archive: null
    // Answers to the table's own full list requests (refreshes for new events keep the rows).
    property int ownAnswers: 0
    property var refused: []

    Connections {
        target: testCase.archive
        ignoreUnknownSignals: true
        function onSaGetList(mapParams) {
            if (String(mapParams["_receiver"]) !== String(testCase.archive.objectNumber)
                    || mapParams["_doNotClearModel"] !== undefined)
                return
            ++testCase.ownAnswers
            if (mapParams["RES"] === false)
                testCase.refused = testCase.refused.concat([String(mapParams["error"])])
        }
    }

    // Events of today the server holds, as another workstation sees them.
    function serverEventCount() {
        var answer = SERVER.request({ FN: "archive_trGetList", _receiver: "7" }, "archive_saGetList")
        return answer.RES === false || !answer.entries ? 0 : answer.entries.length
    }
    function rowIds() {
        var ids = []
        for (var i = 0; i < events.table.rowCount; ++i)
            ids.push(String(archive.proxyModel.proxyData(i, "id")))
        return ids
    }

    function initTestCase() {
        // The server records some events of its demo camera before the client starts.
        verify(SERVER.start())
        tryVerify(function() { return serverEventCount() >= 2 }, 90000, "the demo camera makes events")
    }
    function cleanupTestCase() {
        fx.close()
    }

    function test_1_listed_after_the_log_in_without_waiting_for_a_new_event() {
        var before = serverEventCount()
        fx.startClient()
        events = fx.waitFor("eventsTable")
        archive = events.archiveController
        // Within a few seconds, before the demo camera's next events could fill it.
        tryVerify(function() { return events.table.rowCount >= before }, 5000,
                  "the events held before the start are listed: " + events.table.rowCount + " of " + before)
        compare(SERVER.output().indexOf("Log in first"), -1, "nothing was asked before the log-in")
        // Newest first by the time of the event, with the arrow on that column.
        var view = events.table
        compare(view.getColumn(view.sortIndicatorColumn).role, "dtStart")
        for (var i = 1; i < view.rowCount; ++i)
            verify(Number(archive.proxyModel.proxyData(i - 1, "dtStart")) >= Number(archive.proxyModel.proxyData(i, "dtStart")),
                   "row " + i + " is not older than the row above it")
    }

    function test_2_selection_stays_on_its_record_while_events_arrive() {
        var view = events.table
        var last = view.rowCount - 1
        view.selectRow(last)
        var chosen = view.currentId
        verify(chosen !== "")
        var count = view.rowCount
        tryVerify(function() { return view.rowCount > count }, 60000, "a new event arrives")
        tryCompare(view, "currentId", chosen)
        tryVerify(function() { return String(archive.proxyModel.proxyData(view.currentRow, "id")) === chosen }, 5000,
                  "the selected row is still the chosen event")
        var selected = []
        view.selection.forEach(function(row) { selected.push(row) })
        compare(selected, [view.currentRow])
    }

    function test_3_asked_again_after_a_reconnection() {
        var answers = ownAnswers
        var rowsBefore = events.table.rowCount
        verify(SERVER.restart(), "the server restarts on its port")
        tryVerify(function() { return !fx.globalObjects.isAuthorized }, 30000, "the loss is noticed")
        fx.waitForLogin()
        tryVerify(function() { return ownAnswers > answers }, 15000, "the list is asked again after the log-in")
        compare(refused, [], "no list request was refused")
        tryVerify(function() { return events.table.rowCount >= rowsBefore }, 10000)
        compare(SERVER.output().indexOf("Log in first"), -1, "nothing was asked before the new log-in")
    }
}
