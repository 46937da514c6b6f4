import QtQuick 2.13
import QtTest 1.2
import "../misc"
import "../components"
import "../components/text"
import "../components/menuBar"
import "../components/calendar"
import "../components/tabBar"
import "../desktop"

// The shared controls are drawn from the style object (no light widgets in the dark theme), and
// their texts fit, in English and in the longer Russian.
Item {
    id: root
    width: 1280
    height: 800

    KvoMenu {
        id: menu
        KvoMenuItem { objectName: "plain"; text: "Rotate" }
        KvoMenuItem { objectName: "checkable"; text: "Mirror horizontally"; checkable: true; checked: true }
        KvoMenuItem { objectName: "long"; text: "Игнорировать соотношение сторон" }
    }
    KvoCalendar { id: calendar; y: 40; selectedDate: new Date(2026, 11, 7) }
    KvoComboBox { id: combo; x: 400; model: ["All devices", "Gate"] }
    KvoCheckBox { id: check; x: 400; y: 40; text: "Stop also the video surveillance server?" }
    TimeDigit { id: digit; x: 400; y: 80; maximum: 23; value: 23 }
    KvoTabBar {
        id: tabs
        y: 400
        Repeater {
            model: ["Рабочий стол", "Устройства", "Архив", "Настройки"]
            KvoTabButton { text: modelData }
        }
    }
    DesktopToolBar {
        id: toolBar
        y: 460
        width: 1280
        currentSize: "S2_2"
        onSizeSelected: currentSize = name
    }

    TestCase {
        name: "ThemedControls"
        when: windowShown

        function item(m, name) {
            for (var i = 0; i < m.count; ++i) {
                if (m.itemAt(i).objectName === name)
                    return m.itemAt(i)
            }
            return null
        }

        function test_menu_is_dark_and_its_items_line_up() {
            menu.popup()
            compare(menu.background.color, KvoAppStyle.popupBg)
            var plain = item(menu, "plain"), checkable = item(menu, "checkable"), longItem = item(menu, "long")
            compare(plain.contentItem.color, KvoAppStyle.text)
            compare(plain.contentItem.x + plain.contentItem.leftPadding,
                    checkable.contentItem.x + checkable.contentItem.leftPadding, "checkable and plain texts line up")
            verify(findChild(checkable, "checkMark").visible)
            verify(!findChild(plain, "checkMark").visible)
            verify(longItem.width >= longItem.implicitWidth, "the longest (Russian) item is not cut")
            verify(longItem.contentItem.width >= longItem.contentItem.implicitWidth - 0.5)
            menu.close()
        }

        function test_calendar_is_dark_with_a_whole_title_and_readable_days() {
            var title = findChild(calendar, "calendarTitle")
            verify(title !== null)
            verify(title.text.indexOf("2026") >= 0, "the title has the year: " + title.text)
            verify(!title.truncated)
            verify(title.contentWidth <= title.width + 0.5, "the title fits: " + title.text)
            compare(findChild(calendar, "calendarHeader").text, "Mon, 7 Dec 2026")
            var day = findChild(calendar, "dayNumber")
            verify(day.font.pointSize >= KvoAppStyle.fontSize)
            verify(day.parent.color === KvoAppStyle.panel || day.parent.color === KvoAppStyle.accent
                   || day.parent.color === KvoAppStyle.hover)
            findChild(calendar, "nextMonth").clicked()
            verify(title.text.indexOf("2027") >= 0, "next month: " + title.text)
        }

        function test_inputs_are_dark() {
            compare(combo.background.color, KvoAppStyle.bgDark)
            compare(combo.contentItem.color, KvoAppStyle.text)
            compare(findChild(check, "checkIndicator").color, KvoAppStyle.bgDark)
            check.checked = true
            compare(findChild(check, "checkIndicator").color, KvoAppStyle.accent)
            compare(digit.background.color, KvoAppStyle.bgDark)
        }

        // The buttons of a time field sit beside its digits, not over them.
        function test_time_digits_are_not_covered() {
            var digits = findChild(digit, "digits")
            var down = findChild(digit, "downButton"), up = findChild(digit, "upButton")
            verify(down.x + down.width <= digits.x + 0.5, "the − button covers the digits")
            verify(up.x >= digits.x + digits.width - 0.5, "the + button covers the digits")
            verify(digits.contentWidth <= digits.width + 0.5, "the digits fit: " + digits.text)
            compare(digits.text, "23")
        }

        function test_tabs_keep_their_whole_names() {
            for (var i = 0; i < tabs.count; ++i) {
                var tab = tabs.itemAt(i)
                verify(tab.width >= tab.contentItem.implicitWidth, tab.text + " is cut")
            }
        }

        function test_active_layout_stays_highlighted_when_clicked_again() {
            var button = findChild(toolBar, "layout_S2_2")
            verify(button.active)
            mouseClick(button)
            verify(button.active, "clicking the active layout keeps it highlighted")
            mouseClick(findChild(toolBar, "layout_S3_3"))
            verify(!button.active)
            verify(findChild(toolBar, "layout_S3_3").active)
        }

        // The crowded layouts carry their number; the tips open below the tool bar.
        function test_large_layouts_are_told_apart_and_tips_open_below() {
            compare(findChild(toolBar, "layout_S5_5").badgeText, "25")
            compare(findChild(toolBar, "layout_S6_6").badgeText, "36")
            compare(findChild(toolBar, "layout_S8_8").badgeText, "64")
            var button = findChild(toolBar, "layout_S8_8")
            var tip = findChild(button, "toolTip")
            tip.open()
            tryVerify(function() { return tip.opened }, 3000)
            verify(tip.y >= button.height, "the tip opens below its button: " + tip.y)
            tip.close()
        }
    }
}
