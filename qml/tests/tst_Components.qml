import QtQuick 2.13
import QtTest 1.2
import "../misc"
import "../components"
import "../components/text"
import "../components/buttons"

Item {
    id: root
    width: 640
    height: 480

    Item {
        id: home
        anchors.fill: parent
        KvoFrame {
            id: frame
            anchors.fill: parent
            title: "Gate"
        }
    }
    ListSelector { id: selector; available: ["car", "person", "dog"] }
    DateEdit { id: dateEdit }
    KvoDialogButtonBox { id: buttonBox; buttons: [Enums.buttonOk, Enums.buttonCancel, Enums.buttonRestoreDefaults] }
    SignalSpy { id: boxSpy; target: buttonBox; signalName: "clicked" }

    TestCase {
        name: "Components"
        when: windowShown

        // A detached frame lives in its own window and comes back filling its old place.
        function test_frame_detach_and_attach() {
            var w = frame.detach(false)
            verify(w !== null)
            verify(frame.isDetached)
            compare(frame.parent, w.contentItem)
            compare(w.title, "Gate")
            compare(frame.detach(false), w, "detaching twice keeps the one window")
            frame.attach()
            verify(!frame.isDetached)
            compare(frame.parent, home)
            compare(frame.width, home.width)
            compare(frame.height, home.height)
            compare(frame.frameWindow, null)
        }

        function test_frame_returns_when_its_window_closes() {
            var w = frame.detach(true)
            verify(frame.isFullScreen)
            w.close()
            tryCompare(frame, "isDetached", false)
            compare(frame.parent, home)
        }

        function test_list_selector_moves_names() {
            verify(selector.moveRight("person"))
            compare(selector.available, ["car", "dog"])
            compare(selector.selected, ["person"])
            verify(!selector.moveRight("person"), "a name already moved cannot move again")
            verify(selector.moveLeft("person"))
            compare(selector.available, ["car", "dog", "person"])
            compare(selector.selected, [])
            verify(!selector.moveLeft("cat"))
        }

        function test_date_edit_validates() {
            compare(dateEdit.parse("2026-02-28").getDate(), 28)
            compare(dateEdit.parse("2026-02-30"), null, "no 30th of February")
            compare(dateEdit.parse("2026-13-01"), null)
            compare(dateEdit.parse("26-1-1"), null)
            dateEdit.text = "2026-02-30"
            verify(!dateEdit.isValid)
            dateEdit.text = "2026-03-01"
            verify(dateEdit.isValid)
        }

        function test_button_box_names_roles() {
            var restore = findChild(buttonBox, "button_" + Enums.buttonRestoreDefaults)
            compare(restore.text, "Restore Defaults")
            compare(findChild(buttonBox, "button_ok").text, "OK")
            restore.clicked()
            compare(boxSpy.count, 1)
            compare(boxSpy.signalArguments[0][0], Enums.buttonRestoreDefaults)
        }
    }
}
